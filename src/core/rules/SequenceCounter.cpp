#include "rules/SequenceCounter.h"

#include <algorithm>
#include <string>

namespace tessary {

std::u16string formatSequenceNumber(std::int64_t value, std::int64_t digits) {
    std::u16string text;
    formatSequenceNumber(value, digits, text);
    return text;
}

void formatSequenceNumber(std::int64_t value, std::int64_t digits, std::u16string& text) {
    char16_t decimal[24];
    char16_t* end = decimal + sizeof decimal / sizeof decimal[0];
    char16_t* first = end;
    // Negative numbers are spelled digit by digit from the unsigned magnitude, so that the
    // smallest 64-bit value does not overflow.
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : value;
    do {
        *--first = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) *--first = u'-';
    const std::int64_t length = end - first;
    text.clear();
    if (length < digits)
        text.assign(static_cast<std::size_t>(std::min<std::int64_t>(digits - length, 9)), u'0');
    text.append(first, end);
}

const std::u16string& SequenceCounter::next() {
    if (first_) {
        first_ = false;
    } else {
        current_ += step_;
    }
    formatSequenceNumber(current_, digits_, text_);
    return text_;
}

}  // namespace tessary
