#include "tags/MpegAudio.h"

#include <algorithm>

namespace tessary {
namespace {

// kbit/s by bitrate index 1 to 14; index 0 (free format) and 15 are not frames we can measure.
constexpr int kBitrates[5][15] = {
    {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},  // MPEG-1 layer I
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},     // MPEG-1 layer II
    {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},      // MPEG-1 layer III
    {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},     // MPEG-2/2.5 layer I
    {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},          // MPEG-2/2.5 II, III
};
constexpr int kSampleRates[3] = {44100, 48000, 32000};  // MPEG-1; halved for 2, quartered for 2.5

}  // namespace

std::size_t MpegFrameHeader::frameLength() const {
    const std::size_t rate = static_cast<std::size_t>(bitrate) * 1000;
    const std::size_t pad = padded ? 1 : 0;
    if (layer == 1) return (12 * rate / static_cast<std::size_t>(sampleRate) + pad) * 4;
    const std::size_t perFrame = layer == 3 && version != 1 ? 72 : 144;
    return perFrame * rate / static_cast<std::size_t>(sampleRate) + pad;
}

bool MpegFrameHeader::sameStream(const MpegFrameHeader& other) const {
    return version == other.version && layer == other.layer && sampleRate == other.sampleRate;
}

std::optional<MpegFrameHeader> readFrameHeader(std::span<const unsigned char> bytes) {
    if (bytes.size() < 4 || bytes[0] != 0xFF || (bytes[1] & 0xE0) != 0xE0) return std::nullopt;
    const int versionBits = (bytes[1] >> 3) & 3;
    const int layerBits = (bytes[1] >> 1) & 3;
    const int bitrateIndex = bytes[2] >> 4;
    const int rateIndex = (bytes[2] >> 2) & 3;
    if (versionBits == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 ||
        rateIndex == 3) {
        return std::nullopt;
    }
    MpegFrameHeader h{};
    h.version = versionBits == 3 ? 1 : versionBits == 2 ? 2 : 25;
    h.layer = 4 - layerBits;
    const int table = h.version == 1 ? h.layer - 1 : (h.layer == 1 ? 3 : 4);
    h.bitrate = kBitrates[table][bitrateIndex];
    const int divisor = h.version == 1 ? 1 : h.version == 2 ? 2 : 4;
    h.sampleRate = kSampleRates[rateIndex] / divisor;
    h.padded = (bytes[2] & 0x02) != 0;
    return h;
}

std::optional<std::size_t> findMpegAudio(std::span<const unsigned char> window,
                                         std::uint64_t audioBytes) {
    const std::size_t available =
        static_cast<std::size_t>(std::min<std::uint64_t>(window.size(), audioBytes));
    const std::size_t lastStart = std::min(available, kMpegSearchSpan);
    for (std::size_t at = 0; at < lastStart && at + 4 <= available; ++at) {
        if (window[at] != 0xFF) continue;
        const auto header = readFrameHeader(window.subspan(at, 4));
        if (!header) continue;
        const std::uint64_t next = at + header->frameLength();
        // The audio ends within this frame, so nothing can confirm it: believed only where the
        // audio starts, as a lone frame there is; further in it may be a stray pattern.
        if (next + 4 > audioBytes) {
            if (at == 0) return at;
            continue;
        }
        if (next + 4 > available) continue;
        const auto follower = readFrameHeader(window.subspan(static_cast<std::size_t>(next), 4));
        if (follower && follower->sameStream(*header)) return at;
    }
    return std::nullopt;
}

}  // namespace tessary
