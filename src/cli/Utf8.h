#pragma once
// UTF-8 at the edges of the command-line tool; the core works in UTF-16. Malformed input
// becomes U+FFFD instead of being dropped silently.

#include <string>
#include <string_view>

namespace tessary::cli {

std::u16string fromUtf8(std::string_view bytes);
std::string toUtf8(std::u16string_view text);

}  // namespace tessary::cli
