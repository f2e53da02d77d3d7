#pragma once
// The running number that replaces "/N" on the Insert page.

#include <cstdint>
#include <string>

namespace tessary {

// v in decimal, with zeros in front up to `digits` characters, but never more than nine zeros.
std::u16string formatSequenceNumber(std::int64_t value, std::int64_t digits);
// The same, written over `out` (whose buffer is reused).
void formatSequenceNumber(std::int64_t value, std::int64_t digits, std::u16string& out);

class SequenceCounter {
  public:
    SequenceCounter() = default;
    SequenceCounter(std::int64_t start, std::int64_t step, std::int64_t digits)
        : current_(start), step_(step), digits_(digits) {}

    // The number for the next row: the start value first, then each time one step further.
    const std::u16string& next();
    const std::u16string& lastText() const { return text_; }

  private:
    std::int64_t current_ = 0;
    std::int64_t step_ = 1;
    std::int64_t digits_ = 1;
    bool first_ = true;
    std::u16string text_;
};

}  // namespace tessary
