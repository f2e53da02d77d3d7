// The 128-byte block, the genre table and the tests on a file's first bytes, over bytes only.
// The code page is the system's: GBK natively, the real code page 936 under Wine.

#include <gtest/gtest.h>

#include <string>

#include "core/TagTestSupport.h"
#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "tags/Id3v1.h"

namespace tessary {
namespace {

using testing::RawTag;
using testing::tagBlock;

TagBlock blockOf(const std::string& bytes) {
    TagBlock b{};
    std::copy(bytes.begin(), bytes.end(), b.begin());
    return b;
}

std::string bytesOf(const TagBlock& b) { return std::string(b.begin(), b.end()); }

class Id3v1Block : public ::testing::Test {
  protected:
    std::unique_ptr<AnsiCodePage> cp = makeSystemAnsiCodePage();
};

TEST_F(Id3v1Block, EncodesEveryFieldAtItsOffset) {
    Id3v1Fields f;
    f.title = u"Title";
    f.artist = u"中文";
    f.album = u"Album";
    f.year = u"1999";
    f.comment = u"note";
    f.hasTrack = true;
    f.track = 7;
    f.genre = 17;
    RawTag raw{"Title", "\xD6\xD0\xCE\xC4", "Album", "1999", "note", 0, 7, 17};
    EXPECT_EQ(bytesOf(encodeTagBlock(f, *cp)), tagBlock(raw));

    // Without a track, bytes 125 and 126 are the comment's.
    f.hasTrack = false;
    f.comment = std::u16string(30, u'c');
    f.genre = 0xFF;
    RawTag noTrack{"Title", "\xD6\xD0\xCE\xC4", "Album", "1999", std::string(30, 'c')};
    EXPECT_EQ(bytesOf(encodeTagBlock(f, *cp)), tagBlock(noTrack));
}

TEST_F(Id3v1Block, DecodesWhatItEncodes) {
    Id3v1Fields f;
    f.title = u"测试 trailing  ";
    f.artist = u"A";
    f.album = std::u16string(30, u'x');
    f.year = u"2024";
    f.comment = u"中文注释";
    f.hasTrack = true;
    f.track = 200;
    f.genre = 79;
    const Id3v1Fields back = decodeTagBlock(encodeTagBlock(f, *cp), *cp);
    EXPECT_EQ(back.title, f.title);  // trailing blanks are kept
    EXPECT_EQ(back.artist, f.artist);
    EXPECT_EQ(back.album, f.album);
    EXPECT_EQ(back.year, f.year);
    EXPECT_EQ(back.comment, f.comment);
    EXPECT_TRUE(back.hasTrack);
    EXPECT_EQ(back.track, 200);
    EXPECT_EQ(back.genre, 79);
}

TEST_F(Id3v1Block, TrackNeedsAZeroBeforeANonZeroByte) {
    struct Case {
        const char* what;
        int mark, track;
        bool hasTrack;
        std::size_t commentBytes;
    };
    const Case cases[] = {
        {"ID3v1.1 track", 0, 5, true, 28},
        {"byte 125 not zero: 30-byte comment", 'y', 5, false, 30},
        {"both zero: no track", 0, 0, false, 28},
    };
    for (const Case& c : cases) {
        RawTag raw;
        raw.comment = std::string(30, 'c');
        raw.trackMark = c.mark;
        raw.track = c.track;
        const Id3v1Fields f = decodeTagBlock(blockOf(tagBlock(raw)), *cp);
        EXPECT_EQ(f.hasTrack, c.hasTrack) << c.what;
        EXPECT_EQ(f.comment.size(), c.commentBytes) << c.what;
        if (c.hasTrack) {
            EXPECT_EQ(f.track, c.track) << c.what;
        }
    }
}

TEST_F(Id3v1Block, TextIsCutAtTheFirstZeroByte) {
    RawTag raw;
    raw.title = std::string("ab\0cd", 5);
    EXPECT_EQ(decodeTagBlock(blockOf(tagBlock(raw)), *cp).title, u"ab");
}

TEST_F(Id3v1Block, LongTextsKeepTheWholeCharactersThatFit) {
    struct Case {
        const char* what;
        std::u16string text;
        std::size_t max;
        std::string bytes;
    };
    const std::string zhong = "\xD6\xD0";  // 中
    const Case cases[] = {
        {"ASCII cut at 30", std::u16string(40, u'a'), 30, std::string(30, 'a')},
        {"15 double-byte characters fill 30 bytes", std::u16string(16, u'中'), 30,
         [&] {
             std::string s;
             for (int i = 0; i < 15; ++i) s += zhong;
             return s;
         }()},
        {"a character that would be cut in two is left out", u"a" + std::u16string(15, u'中'), 30,
         [&] {
             std::string s = "a";
             for (int i = 0; i < 14; ++i) s += zhong;
             return s;
         }()},
        {"year: 4 bytes", u"19999", 4, "1999"},
        {"year: no half character", u"1中中", 4, "1" + zhong},
        {"short text as it is", u"中a", 30, zhong + "a"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeWithin(c.text, c.max, *cp), c.bytes) << c.what;
    }
}

TEST_F(Id3v1Block, NoFieldEndsWithHalfACharacter) {
    Id3v1Fields f;
    f.title = u"a" + std::u16string(15, u'中');
    f.year = u"1中中";
    f.comment = u"a" + std::u16string(14, u'中');  // 29 bytes: too long beside a track
    f.hasTrack = true;
    f.track = 3;
    const TagBlock b = encodeTagBlock(f, *cp);
    EXPECT_EQ(b[3 + 29], 0);   // the 15th character did not fit whole
    EXPECT_EQ(b[93 + 3], 0);   // the year keeps "1" and one character
    EXPECT_EQ(b[97 + 27], 0);  // 1 + 13 * 2 = 27 bytes of comment fit in 28
    EXPECT_EQ(b[125], 0);
    EXPECT_EQ(b[126], 3);
    const Id3v1Fields back = decodeTagBlock(b, *cp);
    EXPECT_EQ(back.title, u"a" + std::u16string(14, u'中'));
    EXPECT_EQ(back.year, u"1中");
    EXPECT_EQ(back.comment, u"a" + std::u16string(13, u'中'));
}

TEST_F(Id3v1Block, AHalfCharacterFromAnotherProgramIsNotShown) {
    RawTag raw;
    raw.title = std::string(29, 'a') + "\xD6";  // a lead byte without its trail byte
    raw.year = "19\xD6\xD0";
    EXPECT_EQ(decodeTagBlock(blockOf(tagBlock(raw)), *cp).title, std::u16string(29, u'a'));
    EXPECT_EQ(decodeTagBlock(blockOf(tagBlock(raw)), *cp).year, u"19中");
}

TEST(Id3v1Genres, EightyTextsInIndexOrder) {
    const auto texts = genreTexts();
    ASSERT_EQ(texts.size(), 80u);
    const std::pair<int, std::u16string_view> spotChecks[] = {
        {0, u"0.Blues"},         {1, u"1.Classic Rock"}, {14, u"14.R&B"},
        {40, u"40.AlternRock"},  {60, u"60.Top 40"},     {67, u"67.Psychadelic"},
        {78, u"78.Rock & Roll"}, {79, u"79.Hard Rock"},
    };
    for (const auto& [index, text] : spotChecks) EXPECT_EQ(texts[index], text);
    for (int i = 0; i < 80; ++i) {
        const std::string prefix = std::to_string(i) + ".";
        const std::u16string_view t = texts[static_cast<std::size_t>(i)];
        EXPECT_EQ(std::u16string(t.substr(0, prefix.size())),
                  std::u16string(prefix.begin(), prefix.end()));
        EXPECT_GT(t.size(), prefix.size());
    }
    EXPECT_EQ(genreText(-1), u"");
    EXPECT_EQ(genreText(80), u"");
    EXPECT_EQ(genreText(255), u"");
}

TEST(Mp3Head, FrameSync) {
    struct Case {
        const char* bytes;
        bool sync;
    };
    const Case cases[] = {
        {"\xFF\xFB\x90\x64", true},  {"\xFF\xE0\x00\x00", true},  {"\xFF\xFB\xFC\x00", true},
        {"\xFF\xDF\x90\x64", false}, {"\xFE\xFB\x90\x64", false}, {"ID3\x03", false},
    };
    for (const Case& c : cases) {
        const auto* p = reinterpret_cast<const unsigned char*>(c.bytes);
        EXPECT_EQ(startsWithFrameSync(std::span(p, 4)), c.sync) << c.bytes;
    }
}

TEST(Mp3Head, Id3v2HeadersOfVersions2To4) {
    auto start = [](const std::string& h) {
        return id3v2AudioStart(
            std::span(reinterpret_cast<const unsigned char*>(h.data()), h.size()));
    };
    using testing::id3v2Header;
    EXPECT_EQ(start(id3v2Header(2, 100)), 110u);
    EXPECT_EQ(start(id3v2Header(3, 0x0FFFFFFF)), 0x0FFFFFFFu + 10);
    EXPECT_EQ(start(id3v2Header(4, 1000)), 1010u);
    EXPECT_EQ(start(id3v2Header(4, 1000, 0x10)), 1020u);  // with its footer
    EXPECT_EQ(start(id3v2Header(3, 1000, 0x10)), 1010u);  // no footer before version 4
    EXPECT_EQ(start(std::string("ID3\x03\0\0\x7F\x7F\x7F\xFF", 10)), 0x0FFFFFFFu + 10);
    EXPECT_FALSE(start(id3v2Header(5, 100)));
    EXPECT_FALSE(start(id3v2Header(1, 100)));
    EXPECT_FALSE(start(std::string("ID3\x03\0\0", 6)));
    EXPECT_FALSE(start(std::string("ID4\x03\0\0\0\0\0\0", 10)));
}

}  // namespace
}  // namespace tessary
