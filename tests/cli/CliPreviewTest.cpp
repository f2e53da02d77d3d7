// Runs the built tessary-cli as a script would and checks what it prints and returns.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliRun.h"

namespace {

using tessary::clitest::Result;

Result runCli(const std::vector<std::string>& args, const std::string& input) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("tessary-cli-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    Result r = tessary::clitest::runCli(dir, args, input);
    std::filesystem::remove_all(dir);
    return r;
}

struct CliCase {
    const char* what;
    std::vector<std::string> args;
    std::string input;
    int status;
    std::string out;
};

class CliPreview : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliPreview, PrintsPreviewsAndStatus) {
    const CliCase& c = GetParam();
    const Result r = runCli(c.args, c.input);
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.out, c.out);
    if (c.status == 0) {
        EXPECT_EQ(r.err, "");
    }
}

const CliCase kCases[] = {
    {"default is a new, empty extension", {"preview"}, "a.doc\nREADME\n", 0, "a\nREADME\n"},
    {"new name with counter",
     {"preview", "--rule", "newname", "--name", "Photo"},
     "a.jpg\nb.jpg\r\nc.png",
     0,
     "Photo.jpg\nPhoto(1).jpg\nPhoto(2).png\n"},
    {"swap",
     {"preview", "--rule", "swap"},
     "song.mp3\nREADME\n.profile\n",
     0,
     "mp3.song\n.README\nprofile\n"},
    {"empty input is an empty list", {"preview", "--rule", "delext"}, "", 0, ""},
    {"empty line is a row", {"preview", "--ext", "txt"}, "\nx\n", 0, ".txt\nx.txt\n"},
    {"insert a Chinese text from the tail",
     {"preview", "--page", "insert", "--text", "新", "--at", "tail", "--pos", "2"},
     "照片.jpg\n",
     0,
     "照新片.jpg\n"},
    {"sequence replaces the name",
     {"preview", "--page", "insert", "--text", "/N", "--seq", "--replace-name", "--start", "1",
      "--digits", "3"},
     "a.jpg\nb.jpg\nc.png\n",
     0,
     "001.jpg\n002.jpg\n003.png\n"},
    {"insert into the extension",
     {"preview", "--page", "insert", "--text", "X", "--object", "ext"},
     "a.txt\nREADME\n",
     0,
     "a.Xtxt\nREADME.X\n"},
    {"delete from the tail",
     {"preview", "--page", "delete", "--at", "tail", "--count", "2"},
     "abcdef.txt\n",
     0,
     "abcd.txt\n"},
    {"delete count 0 stops silently",
     {"preview", "--page", "delete", "--count", "0"},
     "a.txt\n",
     3,
     ""},
    {"replace text",
     {"preview", "--page", "replace", "--find", "a", "--with", "o"},
     "banana.txt\n",
     0,
     "bonono.txt\n"},
    {"replace with empty search writes nothing",
     {"preview", "--page", "replace"},
     "a.txt\n",
     0,
     "\n"},
    {"replace by position inverted",
     {"preview", "--page", "replace", "--by", "position", "--count", "2", "--pos", "2", "--with",
      "XY", "--invert"},
     "abcdef.txt\n",
     0,
     "XYbcXY.txt\n"},
    {"advanced mode 1",
     {"preview", "--page", "advanced", "--sep", "-", "--with", "X"},
     "artist-title-album.mp3\n",
     0,
     "X-title-album.mp3\n"},
    {"advanced mode 2",
     {"preview", "--page", "advanced", "--sep", " - ", "--with", "X", "--mode", "2"},
     "a - b - c\n",
     0,
     "a X - c\n"},
    {"advanced mode 1 with N 0 stops silently",
     {"preview", "--page", "advanced", "--n", "0"},
     "a-b\n",
     3,
     ""},
};

INSTANTIATE_TEST_SUITE_P(Pages, CliPreview, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(CliPreviewErrors, Mode2WithEndNotAfterStartPrintsTheMessage) {
    const Result r = runCli(
        {"preview", "--page", "advanced", "--mode", "2", "--from", "2", "--to", "2"}, "a-b-c\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "终止值应该大于开始值，请检查后重试！\n");
}

TEST(CliPreviewErrors, UsageErrorsExitWithOne) {
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"nonsense"},
                                                                  {"preview", "--page", "mp4"},
                                                                  {"preview", "--ext"},
                                                                  {"preview", "--bogus"},
                                                                  {"preview", "--mode", "3"}}) {
        const Result r = runCli(args, "a.txt\n");
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("usage"), std::string::npos);
    }
}

}  // namespace
