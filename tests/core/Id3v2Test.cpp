// The ID3v2 reader for naming: each version's frames, each text encoding, the tag's own forms
// (unsynchronisation, extended header, footer), damaged tags, and the file around the tags.

#include <gtest/gtest.h>

#include <string>

#include "core/TagTestSupport.h"
#include "platform/SystemServices.h"
#include "tags/Id3v2.h"
#include "tags/MemoryTagFiles.h"
#include "tags/Mp3TagRecord.h"

namespace tessary {
namespace {

using testing::id3v2Header;
using testing::mpegFrames;

std::string bigEndian(std::uint32_t v, int bytes) {
    std::string s;
    for (int i = bytes - 1; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

std::string syncsafe(std::uint32_t v) {
    std::string s;
    for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (7 * i)) & 0x7F);
    return s;
}

std::string frame2(const std::string& id, const std::string& content) {
    return id + bigEndian(static_cast<std::uint32_t>(content.size()), 3) + content;
}
std::string frame3(const std::string& id, const std::string& content, char format = 0) {
    return id + bigEndian(static_cast<std::uint32_t>(content.size()), 4) + '\0' + format + content;
}
std::string frame4(const std::string& id, const std::string& content, char format = 0) {
    return id + syncsafe(static_cast<std::uint32_t>(content.size())) + '\0' + format + content;
}
std::string tag(unsigned char major, const std::string& body, unsigned char flags = 0) {
    return id3v2Header(major, static_cast<std::uint32_t>(body.size()), flags) + body;
}

// Text frame contents, the encoding byte first.
std::string latin1(const std::string& s) { return '\0' + s; }
std::string utf8(const std::string& s) { return '\x03' + s; }
std::string utf16(const std::u16string& s, bool bom, bool big) {
    std::string out(1, bom ? '\x01' : '\x02');
    if (bom) out += big ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t c : s) {
        const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        out += big ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
}

// What a tagger writes for unsynchronisation: a zero after every 0xFF that a sync could follow.
std::string unsynchronise(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        out += s[i];
        const bool ff = static_cast<unsigned char>(s[i]) == 0xFF;
        if (ff && (i + 1 == s.size() || static_cast<unsigned char>(s[i + 1]) >= 0xE0 ||
                   s[i + 1] == '\0')) {
            out += '\0';
        }
    }
    return out;
}

class Id3v2Read : public ::testing::Test {
  protected:
    std::unique_ptr<AnsiCodePage> cp = makeSystemAnsiCodePage();

    Id3v2Values read(const std::string& bytes, bool* whole = nullptr) {
        Id3v2Values values;
        const bool w = readId3v2Frames(
            {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}, *cp, values);
        if (whole) *whole = w;
        return values;
    }
};

TEST_F(Id3v2Read, TheFramesOfEachVersion) {
    const Id3v2Values v22 =
        read(tag(2, frame2("TT2", latin1("Title")) + frame2("TP1", latin1("Artist")) +
                        frame2("TAL", latin1("Album")) + frame2("TYE", latin1("1999")) +
                        frame2("TRK", latin1("3")) + frame2("TCO", latin1("(17)"))));
    EXPECT_EQ(v22.title, u"Title");
    EXPECT_EQ(v22.artist, u"Artist");
    EXPECT_EQ(v22.album, u"Album");
    EXPECT_EQ(v22.year, u"1999");
    EXPECT_EQ(v22.track, 3);
    EXPECT_EQ(v22.genre, u"Rock");

    const Id3v2Values v23 =
        read(tag(3, frame3("TIT2", latin1("T3")) + frame3("TPE1", latin1("A3")) +
                        frame3("TALB", latin1("B3")) + frame3("TYER", latin1("2003")) +
                        frame3("TRCK", latin1("7/12")) + frame3("TCON", latin1("(8)Jazzy"))));
    EXPECT_EQ(v23.title, u"T3");
    EXPECT_EQ(v23.track, 7);
    EXPECT_EQ(v23.genre, u"Jazzy");
    EXPECT_TRUE(v23.complete());

    // 2.4: syncsafe frame sizes (a frame of 200 bytes shows it), the recording time as the year.
    const std::string longTitle(200, 'L');
    const Id3v2Values v24 =
        read(tag(4, frame4("TIT2", latin1(longTitle)) + frame4("TDRC", latin1("2004-05-06")) +
                        frame4("TCON", latin1("17")) + frame4("TRCK", latin1(" 09"))));
    EXPECT_EQ(v24.title, std::u16string(200, u'L'));
    EXPECT_EQ(v24.year, u"2004");
    EXPECT_EQ(v24.genre, u"Rock");
    EXPECT_EQ(v24.track, 9);
    EXPECT_FALSE(v24.artist);
}

TEST_F(Id3v2Read, EachTextEncoding) {
    struct Case {
        const char* what;
        std::string content;
        std::u16string text;
    };
    const Case cases[] = {
        {"ISO-8859-1, ASCII", latin1("Plain"), u"Plain"},
        {"GBK in an ISO-8859-1 frame", latin1("\xB2\xE2\xCA\xD4"), u"测试"},
        {"UTF-16, little-endian mark", utf16(u"中文 A", true, false), u"中文 A"},
        {"UTF-16, big-endian mark", utf16(u"中文 B", true, true), u"中文 B"},
        {"UTF-16BE", utf16(u"中文 C", false, true), u"中文 C"},
        {"UTF-8", utf8("\xE4\xB8\xAD\xE6\x96\x87"), u"中文"},
        {"the first of several values", latin1(std::string("One\0Two", 7)), u"One"},
        {"UTF-16 ended by a zero unit", utf16(u"X", true, false) + std::string("\0\0Y\0", 4), u"X"},
    };
    for (const Case& c : cases) {
        const Id3v2Values v = read(tag(4, frame4("TIT2", c.content)));
        EXPECT_EQ(v.title, c.text) << c.what;
    }
    EXPECT_FALSE(read(tag(4, frame4("TIT2", "\x07text"))).title) << "unknown encoding";
    EXPECT_FALSE(read(tag(4, frame4("TIT2", latin1("")))).title) << "an empty frame";
}

TEST_F(Id3v2Read, TheTagsOwnForms) {
    // Unsynchronisation of the whole tag (2.3): the BOM FF FE is stored as FF 00 FE.
    const std::string frames = frame3("TIT2", utf16(u"同步", true, false));
    const std::string unsynced = unsynchronise(frames);
    ASSERT_NE(unsynced, frames);
    EXPECT_EQ(read(tag(3, unsynced, 0x80)).title, u"同步");
    // 2.4 marks it frame by frame; the frame's size counts the stored bytes.
    const std::string content = unsynchronise(utf16(u"逐帧", true, false));
    EXPECT_EQ(read(tag(4, frame4("TIT2", content, 0x02))).title, u"逐帧");

    // Extended headers: 2.3 counts its size without its four size bytes, 2.4 with them.
    const std::string ext3 = bigEndian(6, 4) + std::string(6, '\0');
    EXPECT_EQ(read(tag(3, ext3 + frame3("TIT2", latin1("E3")), 0x40)).title, u"E3");
    const std::string ext4 = syncsafe(6) + std::string("\x01\x00", 2);
    EXPECT_EQ(read(tag(4, ext4 + frame4("TIT2", latin1("E4")), 0x40)).title, u"E4");

    // A footer after the frames is not read as one.
    const std::string body = frame4("TIT2", latin1("F"));
    const std::string footer = "3DI" + std::string("\x04\x00\x10", 3) + syncsafe(body.size());
    EXPECT_EQ(read(tag(4, body, 0x10) + footer).title, u"F");

    // Grouping and data length bytes in front of a 2.4 frame's text.
    EXPECT_EQ(read(tag(4, frame4("TIT2", "G" + latin1("grouped"), 0x40))).title, u"grouped");
    EXPECT_EQ(read(tag(4, frame4("TIT2", syncsafe(5) + latin1("sized"), 0x01))).title, u"sized");
}

TEST_F(Id3v2Read, CompressedOrEncryptedFramesArePassedOver) {
    const Id3v2Values v3 =
        read(tag(3, frame3("TIT2", "xxxx" + latin1("zip"), '\x80') +
                        frame3("TPE1", latin1("secret"), 0x40) + frame3("TIT2", latin1("plain"))));
    EXPECT_EQ(v3.title, u"plain");
    EXPECT_FALSE(v3.artist);
    const Id3v2Values v4 =
        read(tag(4, frame4("TIT2", latin1("zip"), 0x08) + frame4("TPE1", latin1("secret"), 0x04)));
    EXPECT_FALSE(v4.title);
    EXPECT_FALSE(v4.artist);
    // A 2.2 tag compressed as a whole cannot be read at all.
    EXPECT_FALSE(read(tag(2, frame2("TT2", latin1("T")), 0x40)).title);
}

TEST_F(Id3v2Read, DamagedTags) {
    // A frame that claims more than the tag holds ends the reading; what came before stays.
    std::string cut = frame3("TIT2", latin1("Kept")) + frame3("TPE1", latin1("Lost"));
    cut.replace(15 + 4, 4, bigEndian(1000, 4));  // the second frame's size
    bool whole = false;
    Id3v2Values v = read(tag(3, cut), &whole);
    EXPECT_EQ(v.title, u"Kept");
    EXPECT_FALSE(v.artist);
    EXPECT_TRUE(whole);
    // Padding ends the frames.
    EXPECT_EQ(read(tag(3, frame3("TIT2", latin1("P")) + std::string(50, '\0'))).title, u"P");
    // Bytes that end before the tag does: what they hold is read, and more is asked for.
    const std::string full =
        tag(3, frame3("TIT2", latin1("Early")) + frame3("TPE1", latin1("Late")));
    v = read(full.substr(0, full.size() - 3), &whole);
    EXPECT_EQ(v.title, u"Early");
    EXPECT_FALSE(whole);
    // No tag, a header only, an extended header larger than the tag.
    EXPECT_FALSE(read("not a tag").title);
    EXPECT_FALSE(read(tag(3, "")).title);
    EXPECT_FALSE(read(tag(3, bigEndian(5000, 4) + frame3("TIT2", latin1("X")), 0x40)).title);
}

TEST(Id3v2Text, GenreNamesAndTrackNumbers) {
    EXPECT_EQ(genreName(u"(17)"), u"Rock");
    EXPECT_EQ(genreName(u"17"), u"Rock");
    EXPECT_EQ(genreName(u"(0)"), u"Blues");
    EXPECT_EQ(genreName(u"(79)"), u"Hard Rock");
    EXPECT_EQ(genreName(u"(17)Rock & Roll"), u"Rock & Roll");
    EXPECT_EQ(genreName(u"(RX)"), u"Remix");
    EXPECT_EQ(genreName(u"(CR)"), u"Cover");
    EXPECT_EQ(genreName(u"流行"), u"流行");
    EXPECT_EQ(genreName(u"(150)"), u"");  // beyond the list
    EXPECT_EQ(genreName(u"1984"), u"1984");  // too long for a number of the list: a name
    EXPECT_EQ(trackNumber(u"7/12"), 7);
    EXPECT_EQ(trackNumber(u"07"), 7);
    EXPECT_EQ(trackNumber(u"/12"), std::nullopt);
    EXPECT_EQ(trackNumber(u""), std::nullopt);
    EXPECT_EQ(trackNumber(u"99999999999"), 1'000'000);
}

// The tags read through the file: several in a row, a large one, one larger than the file.
class Id3v2InFile : public ::testing::Test {
  protected:
    std::unique_ptr<AnsiCodePage> cp = makeSystemAnsiCodePage();
    MemoryTagFiles files;
    Mp3TagRecord readFile(const std::string& content) {
        constexpr char16_t path[] = u"C:\\Music\\a.mp3";
        files.addFile(path, content);
        Mp3TagRecord record(path);
        record.read(files, *cp, true);
        return record;
    }
};

TEST_F(Id3v2InFile, EveryTagAtTheStartIsReadTheFirstValueWinning) {
    const Mp3TagRecord r = readFile(
        tag(3, frame3("TIT2", latin1("First"))) +
        tag(4, frame4("TIT2", latin1("Second")) + frame4("TPE1", latin1("Only"))) + mpegFrames(3));
    EXPECT_EQ(r.id3v2().title, u"First");
    EXPECT_EQ(r.id3v2().artist, u"Only");
    EXPECT_TRUE(r.isMp3());
    // Not asked for, not read.
    Mp3TagRecord plain(u"C:\\Music\\a.mp3");
    plain.read(files, *cp);
    EXPECT_FALSE(plain.id3v2().title);
}

TEST_F(Id3v2InFile, ALargeTagIsReadWholeWhenItsTextsComeLate) {
    const std::string picture = frame3("APIC", std::string(20000, 'p'));
    const Mp3TagRecord r =
        readFile(tag(3, picture + frame3("TIT2", latin1("After"))) + mpegFrames(2));
    EXPECT_EQ(r.id3v2().title, u"After");
    EXPECT_TRUE(r.isMp3());
}

TEST_F(Id3v2InFile, ATagLargerThanTheFileReadsWhatIsThere) {
    const std::string body = frame3("TIT2", latin1("Short"));
    std::string bytes = id3v2Header(3, 1'000'000) + body + std::string(5000, '\0');
    const Mp3TagRecord r = readFile(bytes);
    EXPECT_EQ(r.id3v2().title, u"Short");
    EXPECT_FALSE(r.isMp3());
}

}  // namespace
}  // namespace tessary
