#pragma once
// Telling MPEG audio in a file's bytes: the four-byte header of an audio frame, the length of the
// frame it starts, and the search for the first frame after a file's ID3v2 tags. Pure: the bytes
// are read elsewhere.

#include <cstdint>
#include <optional>
#include <span>

namespace tessary {

// How far past the audio start a first frame is looked for, and the bytes a search wants: the
// span searched and room for the next frame's header behind the last candidate.
inline constexpr std::size_t kMpegSearchSpan = 64 * 1024;
inline constexpr std::size_t kMpegLongestFrame = 2881;  // layer II, 160 kbit/s at 8 kHz, padded
inline constexpr std::size_t kMpegSearchBytes = kMpegSearchSpan + kMpegLongestFrame + 4;

struct MpegFrameHeader {
    int version;     // 1 (MPEG-1), 2 (MPEG-2), 25 (MPEG-2.5)
    int layer;       // 1, 2 or 3
    int bitrate;     // kbit/s
    int sampleRate;  // Hz
    bool padded;
    // The frame's length in bytes, header included.
    std::size_t frameLength() const;
    // Another frame of the same stream: the same version, layer and sample rate.
    bool sameStream(const MpegFrameHeader& other) const;
};

// The header the four bytes hold: the sync, a known version and layer, a bitrate from the
// tables (not the free format) and a known sample rate; nothing otherwise.
std::optional<MpegFrameHeader> readFrameHeader(std::span<const unsigned char> bytes);

// The offset of the first frame in `window`, the bytes from the audio start on, that begins
// within the first kMpegSearchSpan bytes and is followed by a header of the same stream. A
// frame at the very start may instead reach to the end of the audio (`audioBytes` from the audio
// start; an ID3v1 tag at the end is no audio).
// A candidate whose follower lies beyond the window but within the audio is passed over, so a
// short window may miss a frame a longer one finds.
std::optional<std::size_t> findMpegAudio(std::span<const unsigned char> window,
                                         std::uint64_t audioBytes);

}  // namespace tessary
