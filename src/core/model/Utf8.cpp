#include "model/Utf8.h"

namespace tessary {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

void appendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The text of the bytes; a malformed sequence becomes U+FFFD, or (when `strict`) ends the
// decoding with nothing.
std::optional<std::u16string> decodeUtf8(std::string_view bytes, bool strict) {
    static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const int extra = lead < 0x80             ? 0
                          : (lead & 0xE0) == 0xC0 ? 1
                          : (lead & 0xF0) == 0xE0 ? 2
                          : (lead & 0xF8) == 0xF0 ? 3
                                                  : -1;
        bool ok = extra >= 0 && i + static_cast<std::size_t>(extra) < bytes.size();
        char32_t c = ok ? static_cast<char32_t>(lead & (0x7F >> extra)) : 0;
        for (int k = 1; ok && k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
            ok = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!ok || c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            if (strict) return std::nullopt;
            out += static_cast<char16_t>(kReplacement);
            ++i;
            continue;
        }
        appendUtf16(out, c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

}  // namespace

std::u16string fromUtf8(std::string_view bytes) { return *decodeUtf8(bytes, false); }

std::optional<std::u16string> fromValidUtf8(std::string_view bytes) {
    return decodeUtf8(bytes, true);
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        appendUtf8(out, c);
    }
    return out;
}

}  // namespace tessary
