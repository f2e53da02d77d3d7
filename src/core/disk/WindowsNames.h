#pragma once
// File names as Windows judges them, on every platform: how two names are compared (without
// regard to case) and which names it refuses or silently changes. A batch is checked against
// these rules before anything is renamed, so that a list checked on Linux holds on Windows.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

// The character Windows compares in place of `c`: its upper case, for the letters that matter
// in practice (Latin, Latin-1, Latin Extended-A, Greek, Cyrillic, full-width Latin).
char16_t foldedChar(char16_t c);
// Appends `text` with every character folded.
void appendFolded(std::u16string& out, std::u16string_view text);
bool equalFolded(std::u16string_view a, std::u16string_view b);

// Why a new name cannot be given, checked in this order.
enum class NameProblem : std::uint8_t {
    None,
    Empty,
    ForbiddenCharacter,  // < > : " / \ | ? * or a character from 1 to 31 (or a zero)
    TrailingDotOrBlank,  // Windows would strip it and name another file than the row says
    Reserved,            // CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, with or without extension
    TooLong,             // over 255 UTF-16 units, or the full path over the platform's limit
};

NameProblem nameProblem(std::u16string_view name);

// The longest full path Windows takes in any form, less its \\?\UNC\ prefix.
inline constexpr std::size_t kWindowsMaxPathUnits = 32'767 - 8;
inline constexpr std::size_t kMaxNameUnits = 255;

// The words of a problem as the preview shows them after "无效:" and an apply after "失败:".
std::u16string_view nameProblemWords(NameProblem problem);

}  // namespace tessary
