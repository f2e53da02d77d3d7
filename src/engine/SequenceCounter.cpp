#include "engine/SequenceCounter.h"

#include <algorithm>
#include <string>

namespace tessary {

std::u16string formatSequenceNumber(std::int64_t value, std::int64_t digits) {
    const std::string decimal = std::to_string(value);
    std::u16string text;
    const std::int64_t length = static_cast<std::int64_t>(decimal.size());
    if (length < digits) text.assign(static_cast<std::size_t>(std::min<std::int64_t>(digits - length, 9)), u'0');
    for (char c : decimal) text += static_cast<char16_t>(c);
    return text;
}

const std::u16string& SequenceCounter::next() {
    if (first_) {
        first_ = false;
    } else {
        current_ += step_;
    }
    text_ = formatSequenceNumber(current_, digits_);
    return text_;
}

}  // namespace tessary
