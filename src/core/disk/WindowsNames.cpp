#include "disk/WindowsNames.h"

#include <algorithm>
#include <array>

namespace tessary {

char16_t foldedChar(char16_t c) {
    if (c < 0x80) return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c;
    // Nothing from the end of Cyrillic to the full-width letters is folded (CJK among it).
    if (c >= 0x460 && c < 0xFF41) return c;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) ||
        (c >= 0x430 && c <= 0x44F) || (c >= 0xFF41 && c <= 0xFF5A)) {
        return static_cast<char16_t>(c - 0x20);
    }
    if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
    // Latin Extended-A pairs its letters upper then lower, except around the dotless i and
    // the long s, where the pairs start one later.
    // The dotted and dotless i (0x130, 0x131) are left alone: they pair with the plain I.
    if (c >= 0x100 && c <= 0x12F && (c & 1)) return static_cast<char16_t>(c - 1);
    if (c >= 0x132 && c <= 0x137 && (c & 1)) return static_cast<char16_t>(c - 1);
    if (c >= 0x139 && c <= 0x148 && !(c & 1)) return static_cast<char16_t>(c - 1);
    if (c >= 0x14A && c <= 0x177 && (c & 1)) return static_cast<char16_t>(c - 1);
    if (c == 0xFF) return 0x178;
    if (c == 0x17A || c == 0x17C || c == 0x17E) return static_cast<char16_t>(c - 1);
    return c;
}

void appendFolded(std::u16string& out, std::u16string_view text) {
    const std::size_t at = out.size();
    out.resize(at + text.size());
    char16_t* to = out.data() + at;
    // Most names are mostly ASCII: those letters are folded here, the rest by the table above.
    for (const char16_t c : text) {
        *to++ = c < 0x80 ? (c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c)
                         : foldedChar(c);
    }
}

bool equalFolded(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char16_t x, char16_t y) { return foldedChar(x) == foldedChar(y); });
}

namespace {

inline bool isForbidden(char16_t c) {
    if (c >= 0x80) return false;
    // One bit for each ASCII character: the controls, and < > : " / \ | ? *.
    constexpr std::uint64_t low = 0xFFFFFFFFull | 1ull << '"' | 1ull << '*' | 1ull << '/' |
                                  1ull << ':' | 1ull << '<' | 1ull << '>' | 1ull << '?';
    constexpr std::uint64_t high = 1ull << ('\\' - 64) | 1ull << ('|' - 64);
    return c < 64 ? (low >> c) & 1 : (high >> (c - 64)) & 1;
}

bool isReservedDevice(std::u16string_view name) {
    // The part before the first dot decides, and Windows ignores blanks at its end too.
    std::u16string_view stem = name.substr(0, name.find(u'.'));
    while (!stem.empty() && stem.back() == u' ') stem.remove_suffix(1);
    if (stem.size() != 3 && stem.size() != 4) return false;
    std::u16string upper;
    appendFolded(upper, stem);
    static constexpr std::array<std::u16string_view, 4> plain = {u"CON", u"PRN", u"AUX", u"NUL"};
    if (stem.size() == 3) return std::find(plain.begin(), plain.end(), upper) != plain.end();
    return (upper.starts_with(u"COM") || upper.starts_with(u"LPT")) && upper[3] >= u'1' &&
           upper[3] <= u'9';
}

}  // namespace

NameProblem nameProblem(std::u16string_view name) {
    if (name.empty()) return NameProblem::Empty;
    for (const char16_t c : name) {
        if (isForbidden(c)) return NameProblem::ForbiddenCharacter;
    }
    if (name.back() == u'.' || name.back() == u' ') return NameProblem::TrailingDotOrBlank;
    if (isReservedDevice(name)) return NameProblem::Reserved;
    if (name.size() > kMaxNameUnits) return NameProblem::TooLong;
    return NameProblem::None;
}

std::u16string_view nameProblemWords(NameProblem problem) {
    switch (problem) {
        case NameProblem::None:
            break;
        case NameProblem::Empty:
            return u"名称为空";
        case NameProblem::ForbiddenCharacter:
            return u"含有不允许的字符";
        case NameProblem::TrailingDotOrBlank:
            return u"末尾是点或空格";
        case NameProblem::Reserved:
            return u"系统保留的名称";
        case NameProblem::TooLong:
            return u"名称过长";
    }
    return {};
}

}  // namespace tessary
