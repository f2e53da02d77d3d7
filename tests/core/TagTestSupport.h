#pragma once
// Bytes of MP3 files for the tag tests: an audio frame, ID3v2 headers, ID3v1 blocks.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace tessary::testing {

// MPEG-1 layer III audio of 128 kbit/s at 44.1 kHz, `size` bytes (at least 4) in all: a frame
// header every 417 bytes, as a real file's audio runs, the last frame perhaps cut short.
inline std::string frameAudio(std::size_t size = 400) {
    constexpr std::size_t kFrame = 417;
    std::string bytes(size < 4 ? 4 : size, '\x55');
    for (std::size_t at = 0; at + 4 <= bytes.size(); at += kFrame) {
        bytes.replace(at, 4, std::string("\xFF\xFB\x90\x64", 4));
    }
    return bytes;
}

// `count` whole frames of that audio.
inline std::string mpegFrames(std::size_t count) { return frameAudio(417 * count); }

// An ID3v2 header of `major` version with a tag of `tagSize` bytes after it (synchsafe).
inline std::string id3v2Header(unsigned char major, std::uint32_t tagSize,
                               unsigned char flags = 0) {
    std::string h("ID3", 3);
    h += static_cast<char>(major);
    h += '\0';
    h += static_cast<char>(flags);
    h += static_cast<char>((tagSize >> 21) & 0x7F);
    h += static_cast<char>((tagSize >> 14) & 0x7F);
    h += static_cast<char>((tagSize >> 7) & 0x7F);
    h += static_cast<char>(tagSize & 0x7F);
    return h;
}

struct RawTag {
    RawTag(std::string title = {}, std::string artist = {}, std::string album = {},
           std::string year = {}, std::string comment = {}, int trackMark = -1, int track = -1,
           unsigned char genre = 0xFF)
        : title(std::move(title)),
          artist(std::move(artist)),
          album(std::move(album)),
          year(std::move(year)),
          comment(std::move(comment)),
          trackMark(trackMark),
          track(track),
          genre(genre) {}

    std::string title, artist, album, year, comment;
    int trackMark;  // byte 125 when >= 0
    int track;      // byte 126 when >= 0
    unsigned char genre;
};

// A 128-byte ID3v1 block from raw code-page bytes.
inline std::string tagBlock(const RawTag& t) {
    std::string b(128, '\0');
    b.replace(0, 3, "TAG");
    auto put = [&](std::size_t at, std::size_t size, const std::string& s) {
        b.replace(at, s.size() < size ? s.size() : size, s.substr(0, size));
    };
    put(3, 30, t.title);
    put(33, 30, t.artist);
    put(63, 30, t.album);
    put(93, 4, t.year);
    put(97, 30, t.comment);
    if (t.trackMark >= 0) b[125] = static_cast<char>(t.trackMark);
    if (t.track >= 0) b[126] = static_cast<char>(t.track);
    b[127] = static_cast<char>(t.genre);
    return b;
}

}  // namespace tessary::testing
