// The MPEG audio frame header and the search for the first frame after a file's tags.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/TagTestSupport.h"
#include "tags/MpegAudio.h"

namespace tessary {
namespace {

std::span<const unsigned char> bytesOf(const std::string& s) {
    return {reinterpret_cast<const unsigned char*>(s.data()), s.size()};
}

TEST(MpegFrameHeader, VersionsLayersAndFrameLengths) {
    struct Case {
        const char* bytes;
        int version, layer, bitrate, sampleRate;
        std::size_t length;
    };
    const Case cases[] = {
        {"\xFF\xFB\x90\x64", 1, 3, 128, 44100, 417},  // the common one
        {"\xFF\xFB\x92\x64", 1, 3, 128, 44100, 418},  // padded
        {"\xFF\xFD\xE4\x00", 1, 2, 384, 48000, 1152}, {"\xFF\xFF\x18\x00", 1, 1, 32, 32000, 48},
        {"\xFF\xF3\x80\x00", 2, 3, 64, 22050, 208},  // MPEG-2 layer III: 72 bytes a kbit
        {"\xFF\xE3\x58\x00", 25, 3, 40, 8000, 360},  // MPEG-2.5
        {"\xFF\xE5\xE8\x00", 25, 2, 160, 8000, 2880},
    };
    for (const Case& c : cases) {
        const auto h = readFrameHeader(bytesOf(std::string(c.bytes, 4)));
        ASSERT_TRUE(h) << c.bytes;
        EXPECT_EQ(h->version, c.version) << c.bytes;
        EXPECT_EQ(h->layer, c.layer) << c.bytes;
        EXPECT_EQ(h->bitrate, c.bitrate) << c.bytes;
        EXPECT_EQ(h->sampleRate, c.sampleRate) << c.bytes;
        EXPECT_EQ(h->frameLength(), c.length) << c.bytes;
    }
}

TEST(MpegFrameHeader, ReservedAndUnmeasurableFieldsAreNoFrame) {
    for (const char* bytes : {
             "\xFF\xEB\x90\x64",  // version bits 01: reserved
             "\xFF\xF9\x90\x64",  // layer bits 00: reserved
             "\xFF\xFB\xF0\x64",  // bitrate index 15
             "\xFF\xFB\x00\x64",  // free format: no length to find the next frame by
             "\xFF\xFB\x9C\x64",  // sample rate index 3
             "\xFF\xDB\x90\x64",  // a sync bit missing
             "\xFE\xFB\x90\x64",
         }) {
        EXPECT_FALSE(readFrameHeader(bytesOf(std::string(bytes, 4)))) << bytes;
    }
    EXPECT_FALSE(readFrameHeader(bytesOf(std::string("\xFF\xFB\x90", 3))));
}

TEST(MpegAudioSearch, FindsTheFirstConfirmedFrame) {
    using testing::mpegFrames;
    const std::string frames = mpegFrames(3);
    auto find = [](const std::string& bytes) {
        return findMpegAudio(bytesOf(bytes), bytes.size());
    };
    EXPECT_EQ(find(frames), 0u);
    EXPECT_EQ(find(std::string(37, 'x') + frames), 37u);
    // A sync whose frame is not followed by another is a stray pattern, not the audio.
    const std::string stray = std::string("\xFF\xFB\x90\x64", 4) + std::string(500, 'x');
    EXPECT_EQ(find(stray + frames), stray.size());
    // Another stream's header after a frame does not confirm it; the frame that follows the
    // odd one (208 bytes on) lands in filler, so the search goes on to the third frame.
    std::string mixed = mpegFrames(4);
    mixed.replace(417, 4, std::string("\xFF\xF3\x80\x00", 4));
    EXPECT_EQ(find(mixed), 834u);
    // A lone frame that reaches the end of the audio counts only at the start.
    EXPECT_EQ(find(testing::frameAudio(300)), 0u);
    EXPECT_FALSE(find(std::string(10, 'x') + testing::frameAudio(300)));
    EXPECT_FALSE(find(""));
    EXPECT_FALSE(find(std::string(5000, '\xFF')));
}

TEST(MpegAudioSearch, LooksOnlyWithinTheSearchSpanAndTheWindow) {
    const std::string frames = testing::mpegFrames(3);
    const std::string near = std::string(kMpegSearchSpan - 1, 'x') + frames;
    EXPECT_EQ(findMpegAudio(bytesOf(near), near.size()), kMpegSearchSpan - 1);
    const std::string far = std::string(kMpegSearchSpan, 'x') + frames;
    EXPECT_FALSE(findMpegAudio(bytesOf(far), far.size()));
    // The follower beyond a short window: passed over there, found in the whole audio.
    const std::string audio = std::string(100, 'x') + frames;
    EXPECT_FALSE(findMpegAudio(bytesOf(audio).first(300), audio.size()));
    EXPECT_EQ(findMpegAudio(bytesOf(audio), audio.size()), 100u);
}

}  // namespace
}  // namespace tessary
