// tessary-cli tag read|write on real files, as a script would use it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "core/TagTestSupport.h"

namespace {

namespace fs = std::filesystem;
using tessary::clitest::Result;
using tessary::clitest::slurp;
using tessary::testing::frameAudio;
using tessary::testing::RawTag;
using tessary::testing::tagBlock;

constexpr char kNoId3v2[] =
    "v2.title: \nv2.artist: \nv2.album: \nv2.year: \nv2.track: \nv2.genre: \n";

class CliTag : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("tessary-cli-tag-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string file(const std::string& name, const std::string& content) {
        std::ofstream(dir / name, std::ios::binary) << content;
        return (dir / name).string();
    }
    Result run(const std::vector<std::string>& args) { return tessary::clitest::runCli(dir, args); }

    fs::path dir;
};

TEST_F(CliTag, ReadPrintsEveryFieldInOrder) {
    const std::string song =
        file("song.mp3", frameAudio() + tagBlock(RawTag{"\xD6\xD0\xCE\xC4", "Artist", "Album",
                                                        "1999", "note", 0, 7, 17}));
    const Result r = run({"tag", "read", song});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out,
              "code: 4\nisMp3: true\nhasTag: true\ntitle: 中文\nartist: Artist\nalbum: Album\n"
              "year: 1999\ncomment: note\ntrack: 7\ngenre: 17.Rock\n" +
                  std::string(kNoId3v2));
    EXPECT_EQ(r.err, "");
}

TEST_F(CliTag, ReadShowsTheId3v2ValuesAfterTheId3v1Fields) {
    // An ID3v2.3 tag with a UTF-16 title and a track "4/9", in front of the audio; no ID3v1 tag.
    const std::string title("TIT2\0\0\0\x07\0\0\x01\xFF\xFE\x2D\x4E\x87\x65", 17);
    const std::string track("TRCK\0\0\0\x04\0\0\0004/9", 14);
    const std::string song =
        file("v2.mp3", tessary::testing::id3v2Header(3, 31) + title + track + frameAudio());
    const Result r = run({"tag", "read", song});
    EXPECT_EQ(r.out,
              "code: 3\nisMp3: true\nhasTag: false\ntitle: \nartist: \nalbum: \nyear: \n"
              "comment: \ntrack: \ngenre: \nv2.title: 中文\nv2.artist: \nv2.album: \nv2.year: \n"
              "v2.track: 4\nv2.genre: \n");
}

TEST_F(CliTag, ReadReportsFilesWithoutTag) {
    struct Case {
        const char* what;
        std::string path;
        std::string head;
    };
    const Case cases[] = {
        {"missing", (dir / "none.mp3").string(), "code: 0\nisMp3: false\nhasTag: false\n"},
        {"no tag", file("plain.mp3", frameAudio()), "code: 3\nisMp3: true\nhasTag: false\n"},
        {"not MP3", file("a.txt", std::string(300, 'x')), "code: 2\nisMp3: false\nhasTag: false\n"},
        {"a folder", dir.string(), "code: 0\nisMp3: false\nhasTag: false\n"},
    };
    for (const Case& c : cases) {
        const Result r = run({"tag", "read", c.path});
        EXPECT_EQ(r.status, 0) << c.what;
        EXPECT_EQ(
            r.out,
            c.head + "title: \nartist: \nalbum: \nyear: \ncomment: \ntrack: \ngenre: \n" + kNoId3v2)
            << c.what;
    }
}

TEST_F(CliTag, WriteChangesTheGivenFieldsOnly) {
    const std::string audio = frameAudio(1000);
    const std::string song = file("song.mp3", audio);
    Result r = run({"tag", "write", song, "--title", "中文标题", "--track", "12", "--genre", "79"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(fs::file_size(song), audio.size() + 128);
    EXPECT_EQ(slurp(song).substr(audio.size(), 11), "TAG\xD6\xD0\xCE\xC4\xB1\xEA\xCC\xE2");

    r = run({"tag", "write", song, "--artist", "Artist", "--year", "2024", "--comment", "c",
             "--album", "Album"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(fs::file_size(song), audio.size() + 128);
    EXPECT_EQ(run({"tag", "read", song}).out,
              "code: 4\nisMp3: true\nhasTag: true\ntitle: 中文标题\nartist: Artist\n"
              "album: Album\nyear: 2024\ncomment: c\ntrack: 12\ngenre: 79.Hard Rock\n" +
                  std::string(kNoId3v2));

    r = run({"tag", "write", song, "--track", "0", "--genre", "-1", "--title", ""});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(run({"tag", "read", song}).out,
              "code: 4\nisMp3: true\nhasTag: true\ntitle: \nartist: Artist\n"
              "album: Album\nyear: 2024\ncomment: c\ntrack: \ngenre: \n" +
                  std::string(kNoId3v2));
}

TEST_F(CliTag, WriteFailsOnFilesItCannotTag) {
    const std::string text = std::string(300, 'x');
    const std::string notMp3 = file("a.txt", text);
    Result r = run({"tag", "write", notMp3, "--title", "T"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "修改失败！\n");
    EXPECT_EQ(slurp(notMp3), text);

    r = run({"tag", "write", (dir / "none.mp3").string(), "--title", "T"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "修改失败！\n");
    EXPECT_FALSE(fs::exists(dir / "none.mp3"));

    if (::geteuid() != 0) {  // root writes read-only files all the same
        const std::string locked = file("locked.mp3", frameAudio());
        fs::permissions(locked, fs::perms::owner_read);
        r = run({"tag", "write", locked, "--title", "T"});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(slurp(locked), frameAudio());
    }
}

TEST_F(CliTag, UsageErrorsTouchNothing) {
    const std::string song = file("song.mp3", frameAudio());
    const std::vector<std::vector<std::string>> bad = {
        {"tag"},
        {"tag", "read"},
        {"tag", "read", song, "extra"},
        {"tag", "erase", song},
        {"tag", "write", song, "--title"},
        {"tag", "write", song, "--bogus", "x"},
        {"tag", "write", song, "--track", "256"},
        {"tag", "write", song, "--track", "seven"},
        {"tag", "write", song, "--genre", "-2"},
        {"tag", "write", song, "--genre", "256"},
        {"tag", "write", song, "--title", "T", "--genre", ""},
    };
    for (const auto& args : bad) {
        const Result r = run(args);
        EXPECT_EQ(r.status, 1) << args.size();
        EXPECT_NE(r.err.find("usage: tessary-cli tag"), std::string::npos);
        EXPECT_EQ(slurp(song), frameAudio());
    }
}

TEST_F(CliTag, PreviewOfTheMp3PageNamesFilesFromTheirTags) {
    const std::string tagged =
        file("a.mp3", frameAudio() + tagBlock(RawTag{"Song", "AC/DC", "", "", "", 0, 4}));
    const std::string plain = file("b.mp3", frameAudio());
    const Result r = tessary::clitest::runCli(
        dir, {"preview", "--page", "mp3", "--template", "/D-/R /A - /T", "--start", "9"},
        tagged + "\n" + plain + "\n");
    EXPECT_EQ(r.status, 0) << r.err;
    // The tag's slash is made "_"; the untagged file keeps its name.
    EXPECT_EQ(r.out, "09-04 AC_DC - Song.mp3\nb.mp3\n");
    const Result empty = tessary::clitest::runCli(dir, {"preview", "--page", "mp3"}, tagged + "\n");
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.err, "请先输入命名模板!\n");
}

}  // namespace
