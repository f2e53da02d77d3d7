#pragma once
// The system's legacy multi-byte code page (the ANSI code page; GBK, 936, on a Chinese system),
// used by the text export and by ID3v1 tags. Characters the code page lacks become '?', and
// bytes that are not valid in it decode to '?', so no conversion ever fails.

#include <memory>
#include <string>
#include <string_view>

namespace tessary {

class AnsiCodePage {
  public:
    virtual ~AnsiCodePage() = default;
    virtual std::string encode(std::u16string_view text) const = 0;
    virtual std::u16string decode(std::string_view bytes) const = 0;
    virtual unsigned number() const = 0;
    // How many leading bytes of `bytes` make whole characters: a lead byte at the very end,
    // whose trail byte was cut off, is left out. Code pages without double-byte characters
    // keep every byte.
    virtual std::size_t wholeCharacterLength(std::string_view bytes) const { return bytes.size(); }
};

}  // namespace tessary
