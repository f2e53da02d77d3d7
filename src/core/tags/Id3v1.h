#pragma once
// The ID3v1 tag over bytes: the 128-byte block at the end of an MP3 file, the genre table, and
// the ID3v2 headers and frame sync a file's first bytes may start with. File access is elsewhere
// (Mp3TagRecord); everything here is pure.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/AnsiCodePage.h"

namespace tessary {

inline constexpr std::size_t kTagBlockSize = 128;
using TagBlock = std::array<unsigned char, kTagBlockSize>;

// Field offsets and sizes inside the block.
inline constexpr std::size_t kTagTitleAt = 3, kTagArtistAt = 33, kTagAlbumAt = 63;
inline constexpr std::size_t kTagYearAt = 93, kTagCommentAt = 97, kTagGenreAt = 127;
inline constexpr std::size_t kTagTextSize = 30, kTagYearSize = 4;
// With a track number (ID3v1.1) byte 125 is zero and byte 126 the track.
inline constexpr std::size_t kTagTrackMarkAt = 125, kTagTrackAt = 126;
inline constexpr std::size_t kTagCommentSizeWithTrack = 28;

inline constexpr int kGenreCount = 80;
// "0.Blues" to "79.Hard Rock", in index order: what the genre column and the editor's list show.
std::span<const std::u16string_view, kGenreCount> genreTexts();
// The display text of a genre index; empty outside 0 to 79.
std::u16string_view genreText(int index);

// The content of a tag as the block holds it.
struct Id3v1Fields {
    std::u16string title;
    std::u16string artist;
    std::u16string album;
    std::u16string year;
    std::u16string comment;
    bool hasTrack = false;
    std::uint8_t track = 0;  // meaningful when hasTrack; 0 is never stored as a track
    std::uint8_t genre = 0xFF;
};

// Whether the block starts with "TAG".
bool isTagBlock(std::span<const unsigned char> block);

// Decodes a block (which should start with "TAG"). Each text is the field's bytes up to the
// first zero byte in the code page; a double-byte character cut off at the end of a field is
// left out, so no text ends with half a character.
Id3v1Fields decodeTagBlock(const TagBlock& block, const AnsiCodePage& codePage);

// Encodes the fields into a block starting with "TAG". Texts too long for their field keep the
// longest run of whole characters that fits (30 bytes; the year 4; the comment 28 when there is
// a track, since bytes 125 and 126 then hold the track). A track of 0 is written as no track.
TagBlock encodeTagBlock(const Id3v1Fields& fields, const AnsiCodePage& codePage);

// The longest run of whole characters of `text` whose bytes in the code page fit `maxBytes`.
std::string encodeWithin(std::u16string_view text, std::size_t maxBytes,
                         const AnsiCodePage& codePage);

// Four bytes that begin like an MPEG audio frame: 0xFF and three more sync bits. A file that
// starts so has its ID3v1 tag read even when no audio is found in it.
bool startsWithFrameSync(std::span<const unsigned char> head);

// For the 10 bytes of an ID3v2 header of major version 2, 3 or 4: the offset of the audio
// data after the tag (header, tag size, and the footer a version 4 tag flags). Nothing for any
// other bytes.
std::optional<std::uint64_t> id3v2AudioStart(std::span<const unsigned char> header);
// Whether the first bytes are "ID3" and a major version we read (the 4 bytes suffice).
bool startsWithId3v2(std::span<const unsigned char> head);

}  // namespace tessary
