// Mp3TagRecord over files in memory: the read codes and flags, the fields, and writing in place
// or appending.

#include <gtest/gtest.h>

#include "core/TagTestSupport.h"
#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "tags/MemoryTagFiles.h"
#include "tags/Mp3TagRecord.h"

namespace tessary {
namespace {

using testing::frameAudio;
using testing::id3v2Header;
using testing::mpegFrames;
using testing::RawTag;
using testing::tagBlock;

constexpr char16_t kPath[] = u"C:\\Music\\song.mp3";

class Id3Record : public ::testing::Test {
  protected:
    std::unique_ptr<AnsiCodePage> cp = makeSystemAnsiCodePage();
    MemoryTagFiles files;

    Mp3TagRecord readFile(const std::string& content, int* code = nullptr) {
        files.addFile(kPath, content);
        Mp3TagRecord record(kPath);
        const int c = record.read(files, *cp);
        if (code) *code = c;
        return record;
    }
    std::string onDisk() { return files.content(kPath).value_or("<missing>"); }
};

TEST_F(Id3Record, ReadCodesAndFlags) {
    const std::string tag = tagBlock(RawTag{"T"});
    struct Case {
        const char* what;
        std::string content;
        int code;
        bool isMp3, hasTag;
    };
    const Case cases[] = {
        {"empty file", "", 2, false, false},
        {"3 bytes", "\xFF\xFB\x90", 2, false, false},
        {"neither frame nor ID3v2", std::string(400, 'x') + tag, 2, false, false},
        {"131 bytes with a frame sync", frameAudio(131), 2, true, false},
        {"131 bytes ending in a tag", frameAudio(4).substr(0, 3) + tag, 2, true, false},
        {"132 bytes: frame and tag", frameAudio(4) + tag, 4, true, true},
        {"MP3 without tag", frameAudio(400), 3, true, false},
        {"frame sync with 0xFC 0x00: tag read, no MP3",
         std::string("\xFF\xFB\xFC\x00", 4) + std::string(200, 'a') + tag, 4, false, true},
        {"ID3v2.2", id3v2Header(2, 50) + std::string(50, '\0') + frameAudio() + tag, 4, true, true},
        {"ID3v2.3", id3v2Header(3, 50) + std::string(50, '\0') + frameAudio() + tag, 4, true, true},
        {"ID3v2.4", id3v2Header(4, 50) + std::string(50, '\0') + frameAudio() + tag, 4, true, true},
        {"ID3v2.4 with footer",
         id3v2Header(4, 50, 0x10) + std::string(60, '\0') + frameAudio() + tag, 4, true, true},
        {"ID3v2.4 footer flagged: the audio starts after it",
         id3v2Header(4, 50, 0x10) + std::string(50, '\0') + frameAudio() + tag, 4, false, true},
        {"ID3v2.3 before something else", id3v2Header(3, 50) + std::string(500, 'z') + tag, 4,
         false, true},
        {"ID3v2.3 larger than the file", id3v2Header(3, 100000) + frameAudio(), 3, false, false},
        {"ID3v2.5", id3v2Header(5, 50) + std::string(50, '\0') + frameAudio() + tag, 2, false,
         false},
        {"ID3v2 header cut short", std::string("ID3\x03\0\0", 6), 2, false, false},
        // Real files: a second tag in front of the audio, bytes of something else before it.
        {"two ID3v2 tags",
         id3v2Header(3, 20) + std::string(20, '\0') + id3v2Header(4, 30) + std::string(30, '\0') +
             mpegFrames(3) + tag,
         4, true, true},
        {"junk before the audio", std::string(1000, 'j') + mpegFrames(3) + tag, 4, true, true},
        {"junk after the ID3v2 tag",
         id3v2Header(3, 20) + std::string(20, '\0') + std::string(333, '\x01') + mpegFrames(3) +
             tag,
         4, true, true},
        {"a false sync in the junk is passed over",
         std::string(100, 'j') + std::string("\xFF\xFB\x90\x64", 4) + std::string(900, 'j') + tag,
         2, false, false},
        {"frames beyond the first 64 KiB", std::string(70000, 'j') + mpegFrames(3) + tag, 2, false,
         false},
        {"a WAVE file with MPEG audio in it", "RIFF" + std::string(40, '\0') + mpegFrames(3) + tag,
         2, false, false},
        {"a text file", std::string(2000, 't') + "\n", 2, false, false},
    };
    for (const Case& c : cases) {
        int code = -1;
        const Mp3TagRecord r = readFile(c.content, &code);
        EXPECT_EQ(code, c.code) << c.what;
        EXPECT_TRUE(r.opened()) << c.what;
        EXPECT_EQ(r.isMp3(), c.isMp3) << c.what;
        EXPECT_EQ(r.hasTag(), c.hasTag) << c.what;
    }
}

TEST_F(Id3Record, AFileThatDoesNotOpenIsCodeZero) {
    Mp3TagRecord missing(u"C:\\Music\\none.mp3");
    EXPECT_EQ(missing.read(files, *cp), 0);
    EXPECT_FALSE(missing.opened());

    files.addFile(kPath, frameAudio() + tagBlock(RawTag{"T"}));
    files.refuseOpen(kPath);
    Mp3TagRecord refused(kPath);
    EXPECT_EQ(refused.read(files, *cp), 0);
    EXPECT_FALSE(refused.opened());
    EXPECT_EQ(refused.title(), u"");
}

TEST_F(Id3Record, ReadsTheFields) {
    RawTag raw{"\xB2\xE2\xCA\xD4 song ", "Artist", "Album", "2001", "comment", 0, 200, 79};
    int code = 0;
    const Mp3TagRecord r = readFile(frameAudio() + tagBlock(raw), &code);
    EXPECT_EQ(code, 4);
    EXPECT_EQ(r.title(), u"测试 song ");
    EXPECT_EQ(r.artist(), u"Artist");
    EXPECT_EQ(r.album(), u"Album");
    EXPECT_EQ(r.year(), u"2001");
    EXPECT_EQ(r.comment(), u"comment");
    EXPECT_TRUE(r.hasTrack());
    EXPECT_EQ(r.trackNumber(), 200);
    EXPECT_EQ(r.trackText(), u"200");
    EXPECT_EQ(r.genreIndex(), 79);
    EXPECT_EQ(r.genreText(), u"79.Hard Rock");
    EXPECT_EQ(r.pathParts().fileName(), u"song.mp3");
}

TEST_F(Id3Record, TrackAndGenreEdges) {
    struct Case {
        const char* what;
        int mark, track;
        unsigned char genre;
        std::u16string trackText;
        int genreIndex;
        std::u16string genreText;
    };
    const Case cases[] = {
        {"track 1, genre 0", 0, 1, 0, u"1", 0, u"0.Blues"},
        {"track 255", 0, 255, 12, u"255", 12, u"12.Other"},
        {"byte 125 not zero: no track", 'x', 9, 17, u"", 17, u"17.Rock"},
        {"genre 80: none", 0, 0, 80, u"", -1, u""},
        {"genre 255: none", 0, 0, 255, u"", -1, u""},
    };
    for (const Case& c : cases) {
        RawTag raw;
        raw.trackMark = c.mark;
        raw.track = c.track;
        raw.genre = c.genre;
        const Mp3TagRecord r = readFile(frameAudio() + tagBlock(raw));
        EXPECT_EQ(r.trackText(), c.trackText) << c.what;
        EXPECT_EQ(r.hasTrack(), !c.trackText.empty()) << c.what;
        EXPECT_EQ(r.genreIndex(), c.genreIndex) << c.what;
        EXPECT_EQ(r.genreText(), c.genreText) << c.what;
    }
}

TEST_F(Id3Record, FirstWriteAppendsASecondReplaces) {
    const std::string audio = frameAudio(1000);
    Mp3TagRecord r = readFile(audio);
    r.setTitle(u"中文");
    r.setTrack(u"7");
    r.setGenreIndex(17);
    ASSERT_EQ(r.write(files, *cp), 1);
    ASSERT_EQ(onDisk().size(), audio.size() + 128);
    EXPECT_EQ(onDisk().substr(0, audio.size()), audio);
    EXPECT_EQ(onDisk().substr(audio.size()),
              tagBlock(RawTag{"\xD6\xD0\xCE\xC4", "", "", "", "", 0, 7, 17}));

    Mp3TagRecord again(kPath);
    ASSERT_EQ(again.read(files, *cp), 4);
    again.setAlbum(u"Album");
    ASSERT_EQ(again.write(files, *cp), 1);
    EXPECT_EQ(onDisk().size(), audio.size() + 128);
    EXPECT_EQ(onDisk().substr(audio.size()),
              tagBlock(RawTag{"\xD6\xD0\xCE\xC4", "", "Album", "", "", 0, 7, 17}));
}

TEST_F(Id3Record, AFileShorterThanATagGetsOneAppended) {
    const std::string audio = frameAudio(10);
    int code = 0;
    Mp3TagRecord r = readFile(audio, &code);
    EXPECT_EQ(code, 2);
    ASSERT_TRUE(r.isMp3());
    r.setArtist(u"A");
    ASSERT_EQ(r.write(files, *cp), 1);
    EXPECT_EQ(onDisk(), audio + tagBlock(RawTag{"", "A"}));
}

TEST_F(Id3Record, WritingRefusedChangesNothing) {
    const std::string noMp3 = std::string(400, 'x') + tagBlock(RawTag{"T"});
    Mp3TagRecord notMp3 = readFile(noMp3);
    notMp3.setTitle(u"changed");
    EXPECT_EQ(notMp3.write(files, *cp), 0);
    EXPECT_EQ(onDisk(), noMp3);

    const std::string mp3 = frameAudio() + tagBlock(RawTag{"T"});
    Mp3TagRecord unread(kPath);
    files.addFile(kPath, mp3);
    EXPECT_EQ(unread.write(files, *cp), 0);  // never read, so not known to be MP3

    Mp3TagRecord readOnly = readFile(mp3);
    files.setReadOnly(kPath);
    readOnly.setTitle(u"changed");
    EXPECT_EQ(readOnly.write(files, *cp), 0);
    EXPECT_EQ(onDisk(), mp3);

    Mp3TagRecord diskFull = readFile(mp3);
    files.failWrites(kPath);
    diskFull.setTitle(u"changed");
    EXPECT_EQ(diskFull.write(files, *cp), 0);
    EXPECT_EQ(onDisk(), mp3);

    Mp3TagRecord gone = readFile(mp3);
    files.refuseOpen(kPath);
    EXPECT_EQ(gone.write(files, *cp), 0);
}

TEST_F(Id3Record, WrittenTrackAndGenreBytes) {
    struct Case {
        const char* what;
        std::u16string track;
        int genre;
        unsigned char mark, trackByte, genreByte;
    };
    const Case cases[] = {
        {"track with blanks and sign", u" +12", 5, 0, 12, 5},
        {"low byte of the track", u"300", 0, 0, 44, 0},
        {"not a number: no track", u"abc", 79, 0, 0, 79},
        {"no genre writes 255", u"1", -1, 0, 1, 255},
    };
    for (const Case& c : cases) {
        Mp3TagRecord r = readFile(frameAudio());
        r.setTrack(c.track);
        r.setGenreIndex(c.genre);
        ASSERT_EQ(r.write(files, *cp), 1) << c.what;
        const std::string block = onDisk().substr(onDisk().size() - 128);
        EXPECT_EQ(static_cast<unsigned char>(block[125]), c.mark) << c.what;
        EXPECT_EQ(static_cast<unsigned char>(block[126]), c.trackByte) << c.what;
        EXPECT_EQ(static_cast<unsigned char>(block[127]), c.genreByte) << c.what;
    }
}

TEST_F(Id3Record, UntouchedFieldsAreWrittenBackAsTheyWere) {
    RawTag raw{"Title", "Artist", "Album", "1999", "Comment", 0, 4, 255};
    const std::string mp3 = frameAudio() + tagBlock(raw);
    Mp3TagRecord none = readFile(mp3);
    ASSERT_EQ(none.write(files, *cp), 1);
    EXPECT_EQ(onDisk(), mp3);  // genre 255 stays 255

    // A genre beyond the table (other programs use them) is shown as none, but kept.
    raw.genre = 100;
    const std::string extended = frameAudio() + tagBlock(raw);
    Mp3TagRecord kept = readFile(extended);
    EXPECT_EQ(kept.genreIndex(), -1);
    ASSERT_EQ(kept.write(files, *cp), 1);
    EXPECT_EQ(onDisk(), extended);
}

TEST_F(Id3Record, ATitleLongerThan30BytesIsCut) {
    Mp3TagRecord r = readFile(frameAudio());
    r.setTitle(u"0123456789012345678901234567890123456789");
    ASSERT_EQ(r.write(files, *cp), 1);
    Mp3TagRecord back(kPath);
    ASSERT_EQ(back.read(files, *cp), 4);
    EXPECT_EQ(back.title(), u"012345678901234567890123456789");
}

TEST_F(Id3Record, ReadingAgainStartsFromScratch) {
    Mp3TagRecord r = readFile(frameAudio() + tagBlock(RawTag{"T", "", "", "", "", 0, 3, 1}));
    ASSERT_TRUE(r.hasTag());
    files.addFile(kPath, frameAudio());
    EXPECT_EQ(r.read(files, *cp), 3);
    EXPECT_FALSE(r.hasTag());
    EXPECT_EQ(r.title(), u"");
    EXPECT_EQ(r.trackText(), u"");
    EXPECT_FALSE(r.hasTrack());
    EXPECT_EQ(r.genreIndex(), -1);
}

TEST_F(Id3Record, ReadingNeverChangesTheFile) {
    const std::string mp3 =
        id3v2Header(3, 20) + std::string(20, '\0') + frameAudio() + tagBlock(RawTag{"T"});
    readFile(mp3);
    EXPECT_EQ(onDisk(), mp3);
}

}  // namespace
}  // namespace tessary
