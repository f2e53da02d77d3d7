#include "commands/MemoEncoder.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessary {
namespace {

// Copies the leading units below 0x80 as single bytes and returns how many there were.
std::size_t narrowAsciiRun(const char16_t* from, std::size_t count, char* to) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i nonAscii = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i zero = _mm_setzero_si128();
    for (; i + 8 <= count; i += 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i high = _mm_cmpeq_epi16(_mm_and_si128(units, nonAscii), zero);
        if (_mm_movemask_epi8(high) != 0xFFFF) break;
        _mm_storel_epi64(reinterpret_cast<__m128i*>(to + i), _mm_packus_epi16(units, units));
    }
#endif
    for (; i < count && from[i] < 0x80; ++i) to[i] = static_cast<char>(from[i]);
    return i;
}

}  // namespace

char* EncodedBytes::grow(std::size_t bytes) {
    bytes_.resize(std::max(bytes_.size() * 2, used_ + bytes));
    return bytes_.data() + used_;
}

MemoEncoder::MemoEncoder(const AnsiCodePage& codePage) : codePage_(codePage), memo_(0x10000) {
    std::u16string ascii(0x80, u'\0');
    std::string identity(0x80, '\0');
    for (int c = 0; c < 0x80; ++c) {
        ascii[c] = static_cast<char16_t>(c);
        identity[c] = static_cast<char>(c);
    }
    asciiIsItself_ = codePage_.encode(ascii) == identity;
}

void MemoEncoder::append(EncodedBytes& out, std::u16string_view text) {
    // Room for every unit's remembered bytes; a character that needs more makes its own.
    char* at = out.room(text.size() * sizeof(Memo::bytes));
    for (std::size_t i = 0; i < text.size();) {
        if (asciiIsItself_) {
            const std::size_t run = narrowAsciiRun(text.data() + i, text.size() - i, at);
            i += run;
            at += run;
            if (i == text.size()) break;
        }
        i += appendCharacter(out, at, text, i);
    }
    out.wrote(at);
}

std::size_t MemoEncoder::appendCharacter(EncodedBytes& out, char*& at, std::u16string_view text,
                                         std::size_t i) {
    const char16_t c = text[i];
    const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                      text[i + 1] < 0xE000;
    Memo* m = pair ? nullptr : &memo_[c];
    if (m != nullptr && m->length == kUnknown) {
        const std::string bytes = codePage_.encode(std::u16string_view(&c, 1));
        m->length =
            bytes.size() <= sizeof m->bytes ? static_cast<std::uint8_t>(bytes.size()) : kTooLong;
        if (m->length != kTooLong) bytes.copy(m->bytes, bytes.size());
    }
    if (m != nullptr && m->length != kTooLong) {
        // The unit's room holds all three bytes; only the character's own count.
        std::memcpy(at, m->bytes, sizeof m->bytes);
        at += m->length;
        return 1;
    }
    const std::size_t units = pair ? 2 : 1;
    const std::string bytes = codePage_.encode(text.substr(i, units));
    out.wrote(at);
    at = out.room(bytes.size() + (text.size() - i - units) * sizeof(Memo::bytes));
    at = std::copy(bytes.begin(), bytes.end(), at);
    return units;
}

}  // namespace tessary
