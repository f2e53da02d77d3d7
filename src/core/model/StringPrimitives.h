#pragma once
// The string primitives every rename rule is written in. Their clamping at the edges (negative
// counts, counts past the end) decides many outcomes, so they never throw and never read out of
// range. Positions and counts are UTF-16 code units.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// The first n units of s; n < 0 gives nothing, n >= length gives all of s.
std::u16string Left(std::u16string_view s, std::int64_t n);

// The last n units of s; n < 0 gives nothing, n >= length gives all of s.
std::u16string Right(std::u16string_view s, std::int64_t n);

// n units from position f; f < 0 counts as 0, n < 0 as 0; cut at the end; empty when f > length.
std::u16string Mid(std::u16string_view s, std::int64_t f, std::int64_t n);

// The first occurrence of t at or after from; an empty t is found at from (when from <= length).
std::optional<std::size_t> Find(std::u16string_view s, std::u16string_view t, std::int64_t from);

// Replaces every occurrence of from left to right, never rescanning inserted text; an empty
// `from` changes nothing. Returns the number of replacements.
int Replace(std::u16string& s, std::u16string_view from, std::u16string_view to);

// s := Left(s, left) + middle + Right(s, right), with the same clamping, done in place when the
// two ends do not overlap (the rules use it on every row, so it avoids temporaries).
void SpliceEnds(std::u16string& s, std::int64_t left, std::u16string_view middle,
                std::int64_t right);

}  // namespace tessary
