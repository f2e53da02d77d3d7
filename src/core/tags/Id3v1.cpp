#include "tags/Id3v1.h"

#include <algorithm>
#include <cstring>

namespace tessary {

namespace {

constexpr std::array<std::u16string_view, kGenreCount> kGenres = {
    u"0.Blues",
    u"1.Classic Rock",
    u"2.Country",
    u"3.Dance",
    u"4.Disco",
    u"5.Funk",
    u"6.Grunge",
    u"7.Hip-Hop",
    u"8.Jazz",
    u"9.Metal",
    u"10.New Age",
    u"11.Oldies",
    u"12.Other",
    u"13.Pop",
    u"14.R&B",
    u"15.Rap",
    u"16.Reggae",
    u"17.Rock",
    u"18.Techno",
    u"19.Industrial",
    u"20.Alternative",
    u"21.Ska",
    u"22.Death Metal",
    u"23.Pranks",
    u"24.Soundtrack",
    u"25.Euro-Techno",
    u"26.Ambient",
    u"27.Trip-Hop",
    u"28.Vocal",
    u"29.Jazz+Funk",
    u"30.Fusion",
    u"31.Trance",
    u"32.Classical",
    u"33.Instrumental",
    u"34.Acid",
    u"35.House",
    u"36.Game",
    u"37.Sound Clip",
    u"38.Gospel",
    u"39.Noise",
    u"40.AlternRock",
    u"41.Bass",
    u"42.Soul",
    u"43.Punk",
    u"44.Space",
    u"45.Meditative",
    u"46.Instrumental Pop",
    u"47.Instrumental Rock",
    u"48.Ethnic",
    u"49.Gothic",
    u"50.Darkwave",
    u"51.Techno-Industrial",
    u"52.Electronic",
    u"53.Pop-Folk",
    u"54.Eurodance",
    u"55.Dream",
    u"56.Southern Rock",
    u"57.Comedy",
    u"58.Cult",
    u"59.Gangsta",
    u"60.Top 40",
    u"61.Christian Rap",
    u"62.Pop/Funk",
    u"63.Jungle",
    u"64.Native American",
    u"65.Cabaret",
    u"66.New Wave",
    u"67.Psychadelic",
    u"68.Rave",
    u"69.Showtunes",
    u"70.Trailer",
    u"71.Lo-Fi",
    u"72.Tribal",
    u"73.Acid Punk",
    u"74.Acid Jazz",
    u"75.Polka",
    u"76.Retro",
    u"77.Musical",
    u"78.Rock & Roll",
    u"79.Hard Rock",
};

std::u16string decodeField(const TagBlock& block, std::size_t at, std::size_t size,
                           const AnsiCodePage& codePage) {
    const auto* begin = reinterpret_cast<const char*>(block.data() + at);
    std::string_view bytes(begin, size);
    bytes = bytes.substr(0, std::min(bytes.find('\0'), bytes.size()));
    bytes = bytes.substr(0, codePage.wholeCharacterLength(bytes));
    return codePage.decode(bytes);
}

void putField(TagBlock& block, std::size_t at, std::size_t size, std::u16string_view text,
              const AnsiCodePage& codePage) {
    const std::string bytes = encodeWithin(text, size, codePage);
    std::memcpy(block.data() + at, bytes.data(), bytes.size());
}

}  // namespace

std::span<const std::u16string_view, kGenreCount> genreTexts() { return kGenres; }

std::u16string_view genreText(int index) {
    if (index < 0 || index >= kGenreCount) return {};
    return kGenres[static_cast<std::size_t>(index)];
}

bool isTagBlock(std::span<const unsigned char> block) {
    return block.size() >= 3 && block[0] == 'T' && block[1] == 'A' && block[2] == 'G';
}

Id3v1Fields decodeTagBlock(const TagBlock& block, const AnsiCodePage& codePage) {
    Id3v1Fields f;
    f.title = decodeField(block, kTagTitleAt, kTagTextSize, codePage);
    f.artist = decodeField(block, kTagArtistAt, kTagTextSize, codePage);
    f.album = decodeField(block, kTagAlbumAt, kTagTextSize, codePage);
    f.year = decodeField(block, kTagYearAt, kTagYearSize, codePage);
    if (f.year.size() > kTagYearSize) f.year.resize(kTagYearSize);
    // With a track the comment ends at byte 125, which is zero; decoding up to the first zero
    // byte gives the shorter comment by itself.
    f.comment = decodeField(block, kTagCommentAt, kTagTextSize, codePage);
    f.hasTrack = block[kTagTrackMarkAt] == 0 && block[kTagTrackAt] != 0;
    f.track = f.hasTrack ? block[kTagTrackAt] : 0;
    f.genre = block[kTagGenreAt];
    return f;
}

TagBlock encodeTagBlock(const Id3v1Fields& fields, const AnsiCodePage& codePage) {
    TagBlock block{};
    block[0] = 'T';
    block[1] = 'A';
    block[2] = 'G';
    putField(block, kTagTitleAt, kTagTextSize, fields.title, codePage);
    putField(block, kTagArtistAt, kTagTextSize, fields.artist, codePage);
    putField(block, kTagAlbumAt, kTagTextSize, fields.album, codePage);
    putField(block, kTagYearAt, kTagYearSize, fields.year, codePage);
    const bool track = fields.hasTrack && fields.track != 0;
    putField(block, kTagCommentAt, track ? kTagCommentSizeWithTrack : kTagTextSize, fields.comment,
             codePage);
    if (track) {
        block[kTagTrackMarkAt] = 0;
        block[kTagTrackAt] = fields.track;
    }
    block[kTagGenreAt] = fields.genre;
    return block;
}

std::string encodeWithin(std::u16string_view text, std::size_t maxBytes,
                         const AnsiCodePage& codePage) {
    std::string all = codePage.encode(text);
    if (all.size() <= maxBytes) return all;
    // Too long: add whole characters (a surrogate pair is one) while they fit. Going character
    // by character also keeps multi-byte sequences of code pages that are not double-byte.
    std::string fitting;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t n = 1;
        if (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            n = 2;
        }
        const std::string bytes = codePage.encode(text.substr(i, n));
        if (fitting.size() + bytes.size() > maxBytes) break;
        fitting += bytes;
        i += n;
    }
    return fitting;
}

bool startsWithFrameSync(std::span<const unsigned char> head) {
    return head.size() >= 4 && head[0] == 0xFF && (head[1] & 0xE0) == 0xE0;
}

bool startsWithId3v2(std::span<const unsigned char> head) {
    return head.size() >= 4 && head[0] == 'I' && head[1] == 'D' && head[2] == '3' && head[3] >= 2 &&
           head[3] <= 4;
}

std::optional<std::uint64_t> id3v2AudioStart(std::span<const unsigned char> header) {
    if (header.size() < 10 || !startsWithId3v2(header)) return std::nullopt;
    std::uint64_t size = 0;
    for (std::size_t i = 6; i < 10; ++i) size = size * 128 + (header[i] & 0x7F);
    std::uint64_t start = size + 10;
    // Version 4 may close the tag with a 10-byte footer, flagged by bit 4 of the flags.
    constexpr unsigned char kFooterFlag = 0x10;
    if (header[3] == 4 && (header[5] & kFooterFlag) != 0) start += 10;
    return start;
}

}  // namespace tessary
