#pragma once
// Numbers typed into the window's edits: the leading decimal digits count, the rest is ignored,
// and an empty text reads as 0 (leading blanks and one sign are accepted, as the C library's
// conversion does). Values beyond 32 bits are held at the nearest 32-bit limit.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

std::int32_t readNumber(std::u16string_view text);

// A number as the program shows it: decimal digits, a minus sign for a negative one, no
// padding ("%d").
std::u16string decimalText(long long value);

}  // namespace tessary
