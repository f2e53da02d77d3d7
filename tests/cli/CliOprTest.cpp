// tessary-cli opr, run as a script would: record files written from lines and printed back.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRun.h"

namespace {

namespace fs = std::filesystem;
using tessary::clitest::Result;
using tessary::clitest::slurp;

class CliOpr : public ::testing::Test {
  protected:
    fs::path dir = fs::temp_directory_path() / ("tessary-cli-opr-" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    std::string file(const std::string& name) const { return (dir / name).string(); }

    Result run(const std::vector<std::string>& args, const std::string& input = "") const {
        std::vector<std::string> all{"opr"};
        all.insert(all.end(), args.begin(), args.end());
        return tessary::clitest::runCli(dir, all, input);
    }
};

TEST_F(CliOpr, WritesTheEightyTwoByteExample) {
    const Result w =
        run({"write", file("a.opr"), "--time", "2011-3-16 9:5:42"}, "C:\\\ta.txt\tb.txt\n");
    ASSERT_EQ(w.status, 0) << w.err;
    const std::string bytes = slurp(dir / "a.opr");
    ASSERT_EQ(bytes.size(), 82u);
    // 2011-03-16 was a Wednesday (3); milliseconds are 0.
    const std::string time("\xDB\x07\x03\x00\x03\x00\x10\x00\x09\x00\x05\x00\x2A\x00\x00\x00", 16);
    EXPECT_EQ(bytes.substr(0, 18), std::string("O\0P\0R\0E\0C\0F\0I\0L\0E\0", 18));
    EXPECT_EQ(bytes.substr(18, 4), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(bytes.substr(22, 16), time);
    EXPECT_EQ(bytes.substr(38, 12), std::string("\x03\0\0\0C\0:\0\\\0\0\0", 12));
}

TEST_F(CliOpr, DumpPrintsTheTimeAndEveryRecord) {
    const std::string lines =
        "C:\\照片\\\t海边.jpg\tIMG_01.jpg\r\nD:\\音乐\\\t歌.mp3\t歌.mp3\nE:\\\t\tempty earlier\n";
    ASSERT_EQ(run({"write", file("r.opr"), "--time", "2024-12-31 23:59"}, lines).status, 0);
    const Result d = run({"dump", file("r.opr")});
    EXPECT_EQ(d.status, 0) << d.err;
    EXPECT_EQ(d.out,
              "2024-12-31 23:59\n"
              "C:\\照片\\\t海边.jpg\tIMG_01.jpg\n"
              "D:\\音乐\\\t歌.mp3\t歌.mp3\n"
              "E:\\\t\tempty earlier\n");
    EXPECT_EQ(d.err, "");
}

TEST_F(CliOpr, WithoutATimeTheFileIsSavedNow) {
    ASSERT_EQ(run({"write", file("now.opr")}, "").status, 0);
    const Result d = run({"dump", file("now.opr")});
    ASSERT_EQ(d.status, 0);
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    EXPECT_EQ(d.out.substr(0, 5), std::to_string(local.tm_year + 1900) + "-") << d.out;
    EXPECT_EQ(std::count(d.out.begin(), d.out.end(), '\n'), 1);
}

TEST_F(CliOpr, InvalidAndUnreadableFiles) {
    std::ofstream(dir / "bad.opr", std::ios::binary) << "oprecfile? not really";
    Result d = run({"dump", file("bad.opr")});
    EXPECT_EQ(d.status, 2);
    EXPECT_EQ(d.out, "");
    EXPECT_EQ(d.err, "提示：您打开的是无效的操作记录文件(*.opr)\n");
    d = run({"dump", file("missing.opr")});
    EXPECT_EQ(d.status, 3);
    EXPECT_EQ(d.out, "");
    EXPECT_EQ(run({"write", file("no/such/folder.opr")}, "").status, 3);
}

TEST_F(CliOpr, UsageErrorsExitWithOneAndWriteNothing) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
    };
    const Case cases[] = {
        {{}, ""},
        {{"dump"}, ""},
        {{"list", file("x.opr")}, ""},
        {{"write", file("x.opr"), "--time"}, ""},
        {{"write", file("x.opr"), "--time", "2011-2-30 1:2:3"}, ""},
        {{"write", file("x.opr"), "--time", "2011-3-16 24:00"}, ""},
        {{"write", file("x.opr"), "--time", "16.3.2011 9:05"}, ""},
        {{"write", file("x.opr")}, "only\ttwo\n"},
        {{"write", file("x.opr")}, "a\tb\tc\td\n"},
    };
    for (const Case& c : cases) {
        const Result r = run(c.args, c.input);
        EXPECT_EQ(r.status, 1) << (c.args.empty() ? "" : c.args[0]) << " " << c.input;
        EXPECT_FALSE(fs::exists(dir / "x.opr"));
    }
}

}  // namespace
