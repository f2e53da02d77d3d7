#pragma once
// Text converted to the system's code page for the exported list, fast enough for a list of
// 200,000 rows: the bytes are written in place, runs of ASCII eight characters at a time, and
// every other character's bytes are remembered after the code page was first asked for them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/AnsiCodePage.h"

namespace tessary {

// A growing block of encoded bytes with room made ahead: a text is encoded straight into the
// block instead of a character at a time onto a string.
class EncodedBytes {
  public:
    std::string_view view() const { return {bytes_.data(), used_}; }
    void clear() { used_ = 0; }
    // At least `bytes` bytes free at the end; what is written there counts once wrote() is told.
    char* room(std::size_t bytes) {
        return bytes_.size() - used_ >= bytes ? bytes_.data() + used_ : grow(bytes);
    }
    void wrote(const char* end) { used_ = static_cast<std::size_t>(end - bytes_.data()); }

  private:
    char* grow(std::size_t bytes);

    std::vector<char> bytes_;
    std::size_t used_ = 0;
};

// A list has few distinct characters, so the code page is asked only a few hundred times instead
// of once per character. The code page has no shift states, so the bytes are those of converting
// the whole text at once; surrogate pairs are converted as pairs.
class MemoEncoder {
  public:
    explicit MemoEncoder(const AnsiCodePage& codePage);
    void append(EncodedBytes& out, std::u16string_view text);

  private:
    static constexpr std::uint8_t kUnknown = 0xFF;
    static constexpr std::uint8_t kTooLong = 0xFE;
    struct Memo {
        std::uint8_t length = kUnknown;
        char bytes[3] = {};
    };
    // Writes the bytes of the character at text[i] (of a pair starting there) and returns the
    // units it took.
    std::size_t appendCharacter(EncodedBytes& out, char*& at, std::u16string_view text,
                                std::size_t i);

    const AnsiCodePage& codePage_;
    std::vector<Memo> memo_;
    bool asciiIsItself_ = false;
};

}  // namespace tessary
