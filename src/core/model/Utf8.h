#pragma once
// UTF-8 at the edges: the command-line tool and the file names of POSIX systems; the core
// works in UTF-16. Malformed input
// becomes U+FFFD instead of being dropped silently.

#include <optional>
#include <string>
#include <string_view>

namespace tessary {

std::u16string fromUtf8(std::string_view bytes);
// The text of bytes that are UTF-8 throughout; nothing when any sequence is malformed.
std::optional<std::u16string> fromValidUtf8(std::string_view bytes);
std::string toUtf8(std::u16string_view text);

}  // namespace tessary
