#include "rules/RegexReplaceRule.h"

#include "model/FileNameParts.h"

namespace tessary {
namespace {

// The standard library's wide regular expressions take wchar_t: UTF-16 on Windows, UTF-32
// elsewhere, where the text is converted on the way in and out.
void toWide(std::u16string_view text, std::wstring& out) {
    out.clear();
    if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
        out.assign(text.begin(), text.end());
    } else {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char32_t c = text[i];
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                text[i + 1] < 0xE000) {
                out.push_back(
                    static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00)));
                ++i;
            } else {
                out.push_back(static_cast<wchar_t>(c));
            }
        }
    }
}

std::wstring toWide(std::u16string_view text) {
    std::wstring out;
    toWide(text, out);
    return out;
}

void fromWide(const std::wstring& text, std::u16string& out) {
    out.clear();
    for (const wchar_t w : text) {
        const auto c = static_cast<char32_t>(w);
        if (c > 0xFFFF) {
            out.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
}

std::u16string faultWords(std::regex_constants::error_type code) {
    using namespace std::regex_constants;
    switch (code) {
        case error_paren:
            return u"圆括号不配对";
        case error_brack:
            return u"方括号不配对";
        case error_brace:
            return u"花括号不配对";
        case error_badbrace:
            return u"花括号中的次数无效";
        case error_range:
            return u"字符范围无效";
        case error_escape:
            return u"转义字符无效";
        case error_badrepeat:
            return u"重复符号前没有可以重复的内容";
        case error_backref:
            return u"反向引用无效";
        case error_collate:
        case error_ctype:
            return u"字符类的名字无效";
        case error_complexity:
        case error_stack:
            return u"表达式太复杂";
        default:
            return u"无法识别的表达式";
    }
}

// A *, + or ? with nothing before it to repeat: at the start, or right after "(" or "|". The
// library reports these as unbalanced parentheses, which would send the user looking for the
// wrong fault.
bool repeatsNothing(std::u16string_view e) {
    bool nothingBefore = true;
    bool inClass = false;
    for (std::size_t i = 0; i < e.size(); ++i) {
        const char16_t c = e[i];
        if (c == u'\\') {
            ++i;
            nothingBefore = false;
            continue;
        }
        if (inClass) {
            inClass = c != u']';
            continue;
        }
        if ((c == u'*' || c == u'+' || c == u'?') && nothingBefore) return true;
        if (c == u'(' && i + 1 < e.size() && e[i + 1] == u'?') {
            // "(?:", "(?=" and "(?!" open a group like "(".
            i += 2;
            nothingBefore = true;
            continue;
        }
        inClass = c == u'[';
        nothingBefore = c == u'(' || c == u'|';
    }
    return false;
}

}  // namespace

SetupOutcome RegexReplaceRule::setUp() {
    if (options_.find.empty()) return {SetupOutcome::SkipRows, {}};
    if (repeatsNothing(options_.find)) {
        return {SetupOutcome::StopWithMessage,
                kRegexFault + faultWords(std::regex_constants::error_badrepeat)};
    }
    try {
        expression_ = std::wregex(toWide(options_.find), std::regex_constants::ECMAScript);
    } catch (const std::regex_error& e) {
        return {SetupOutcome::StopWithMessage, kRegexFault + faultWords(e.code())};
    }
    format_ = toWide(options_.withText);
    return {};
}

void RegexReplaceRule::applyToRow(int, FileNameParts& parts) {
    toWide(parts.name(), name_);
    try {
        fromWide(std::regex_replace(name_, expression_, format_), parts.name());
    } catch (const std::regex_error&) {
        // An expression too complex for this name leaves the name as it is.
    }
}

}  // namespace tessary
