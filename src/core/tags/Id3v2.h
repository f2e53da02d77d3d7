#pragma once
// ID3v2 tags of versions 2.2, 2.3 and 2.4, read for naming: the text frames of title, artist,
// album, year, track and genre. Pure: the bytes of a tag are read elsewhere (Id3v2File.h).

#include <optional>
#include <span>
#include <string>

#include "model/AnsiCodePage.h"

namespace tessary {

// The values naming takes from ID3v2 tags; a field no tag holds stays empty.
struct Id3v2Values {
    std::optional<std::u16string> title, artist, album, year, genre;
    std::optional<int> track;

    bool complete() const { return title && artist && album && year && genre && track; }
};

// Reads the frames of one tag from `tag`, its bytes from the header on, into the fields of
// `values` that are still empty (an earlier tag's value stays). False when the bytes end before
// the tag does and more frames may lie beyond them; true once the whole tag was seen (or it is
// one that cannot be read: compressed as a whole, or no ID3v2 tag at all).
bool readId3v2Frames(std::span<const unsigned char> tag, const AnsiCodePage& codePage,
                     Id3v2Values& values);

// The text of a text frame's content (its encoding byte first): the first of its values, in
// ISO-8859-1 (read in the code page when any byte is not ASCII, as Chinese taggers wrote GBK
// there), UTF-16 with a byte-order mark, UTF-16BE or UTF-8. Nothing for an unknown encoding.
std::optional<std::u16string> decodeTextFrame(std::span<const unsigned char> content,
                                              const AnsiCodePage& codePage);

// The genre a TCON frame names: "(17)", "17" or "(17)Rock" name genre 17 of the ID3v1 list,
// "(RX)" and "(CR)" remix and cover; other text is the genre itself.
std::u16string genreName(std::u16string_view text);

// The track number of a TRCK frame ("7/12" is 7); nothing when it does not start with a
// number.
std::optional<int> trackNumber(std::u16string_view text);

}  // namespace tessary
