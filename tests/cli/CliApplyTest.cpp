// tessary-cli apply and undo on real files, as a script would run them; and the batch killed
// at a random moment, put back by undo.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "cli/CliRun.h"

namespace {

namespace fs = std::filesystem;
using tessary::clitest::Result;
using tessary::clitest::slurp;

class CliApply : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        dir_ = fs::temp_directory_path() /
               ("tessary-cli-apply-" + std::to_string(::getpid()) + "-" + std::to_string(random()));
        files_ = dir_ / "files";
        fs::create_directories(files_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void file(const std::string& name, const std::string& content) {
        std::ofstream(files_ / name, std::ios::binary) << content;
    }
    std::string at(const std::string& name) const { return (files_ / name).string(); }
    std::string journal() const { return (dir_ / "journal").string(); }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(files_)) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }
    std::string paths(std::initializer_list<const char*> list) const {
        std::string input;
        for (const char* name : list) input += at(name) + "\n";
        return input;
    }
    Result cli(std::vector<std::string> args, const std::string& input = "") const {
        return tessary::clitest::runCli(dir_, args, input);
    }

    fs::path dir_;
    fs::path files_;
};

TEST_F(CliApply, AppliesARotationWholeAndUndoPutsItBack) {
    file("P(1).txt", "one");
    file("P(2).txt", "two");
    file("P.txt", "plain");
    const std::string input = paths({"P(1).txt", "P(2).txt", "P.txt"});

    const Result dry = cli(
        {"apply", "--rule", "newname", "--name", "P", "--dry-run", "--journal", journal()}, input);
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.out, "未修改\t" + at("P(1).txt") + "\tP.txt\n未修改\t" + at("P(2).txt") +
                           "\tP(1).txt\n未修改\t" + at("P.txt") + "\tP(2).txt\n");
    EXPECT_FALSE(fs::exists(journal()));
    EXPECT_EQ(slurp(files_ / "P.txt"), "plain");

    const Result applied =
        cli({"apply", "--rule", "newname", "--name", "P", "--journal", journal()}, input);
    EXPECT_EQ(applied.status, 0) << applied.err;
    EXPECT_EQ(applied.out, "改名成功\t" + at("P(1).txt") + "\tP.txt\n改名成功\t" + at("P(2).txt") +
                               "\tP(1).txt\n改名成功\t" + at("P.txt") + "\tP(2).txt\n");
    EXPECT_EQ(slurp(files_ / "P.txt"), "one");
    EXPECT_EQ(slurp(files_ / "P(2).txt"), "plain");
    EXPECT_TRUE(fs::exists(journal())) << "the journal is the undo file";

    // A second batch does not write over the first one's way back.
    const Result again =
        cli({"apply", "--rule", "newname", "--name", "Q", "--journal", journal()}, input);
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("already there"), std::string::npos);

    const Result undone = cli({"undo", "--journal", journal()});
    EXPECT_EQ(undone.status, 0) << undone.err;
    EXPECT_EQ(undone.out, "撤销改名成功\t" + at("P.txt") + "\tP(1).txt\n撤销改名成功\t" +
                              at("P(1).txt") + "\tP(2).txt\n撤销改名成功\t" + at("P(2).txt") +
                              "\tP.txt\n");
    EXPECT_EQ(slurp(files_ / "P(1).txt"), "one");
    EXPECT_EQ(slurp(files_ / "P.txt"), "plain");
    EXPECT_FALSE(fs::exists(journal())) << "every file is back";
    EXPECT_EQ(names(), (std::vector<std::string>{"P(1).txt", "P(2).txt", "P.txt"}));
}

TEST_F(CliApply, RenamesFromAListAndReportsWhatItRefused) {
    file("a.txt", "a");
    file("b.txt", "b");
    file("c.txt", "c");
    file("e.txt", "e");
    file("taken.txt", "someone else's");
    const std::string input = at("a.txt") + "\tb.txt\n" + at("b.txt") + "\ta.txt\n" + at("c.txt") +
                              "\ttaken.txt\n" + at("gone.txt") + "\tx.txt\n" + at("a.txt") +
                              "\td.txt\n" + at("e.txt") + "\tCON.txt\n";
    const Result dry = cli({"apply", "--names", "--dry-run", "--journal", journal()}, input);
    EXPECT_EQ(dry.status, 4);
    EXPECT_EQ(dry.out, "未修改\t" + at("a.txt") + "\tb.txt\n未修改\t" + at("b.txt") +
                           "\ta.txt\n冲突:已有同名文件\t" + at("c.txt") + "\ttaken.txt\n" +
                           "无效:原文件不存在\t" + at("gone.txt") + "\tx.txt\n" +
                           "冲突:与第1行是同一个文件\t" + at("a.txt") + "\td.txt\n" +
                           "无效:系统保留的名称\t" + at("e.txt") + "\tCON.txt\n");

    const Result applied = cli({"apply", "--names", "--journal", journal()}, input);
    EXPECT_EQ(applied.status, 4) << "some rows were refused; the others are still done";
    EXPECT_EQ(applied.out, "改名成功\t" + at("a.txt") + "\tb.txt\n改名成功\t" + at("b.txt") +
                               "\ta.txt\n失败:文件名重名\t" + at("c.txt") + "\ttaken.txt\n" +
                               "失败:原文件不存在\t" + at("gone.txt") + "\tx.txt\n" +
                               "失败:原文件不存在\t" + at("a.txt") + "\td.txt\n" +
                               "失败:系统保留的名称\t" + at("e.txt") + "\tCON.txt\n");
    EXPECT_EQ(slurp(files_ / "a.txt"), "b");
    EXPECT_EQ(slurp(files_ / "taken.txt"), "someone else's");

    const Result badLine = cli({"apply", "--names", "--journal", journal() + "2"}, at("a.txt"));
    EXPECT_EQ(badLine.status, 1);
    EXPECT_NE(badLine.err.find("line 1"), std::string::npos);
}

TEST_F(CliApply, UsageHelpAndJournalsThatCannotBeUsed) {
    for (const char* command : {"apply", "undo"}) {
        const Result help = cli({command, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind(std::string("usage: tessary-cli ") + command, 0), 0u) << help.out;
        EXPECT_EQ(cli({command, "--bogus"}).status, 1);
        EXPECT_EQ(cli({command, "--journal"}).status, 1);
    }
    const Result missing = cli({"undo", "--journal", journal()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("cannot be read"), std::string::npos);
    std::ofstream(journal(), std::ios::binary) << "TSYJRNL1 and then nothing that holds";
    const Result damaged = cli({"undo", "--journal", journal()});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("damaged"), std::string::npos);
    EXPECT_TRUE(fs::exists(journal())) << "a damaged journal is kept";

    file("a.txt", "a");
    const Result unwritable =
        cli({"apply", "--names", "--journal", (dir_ / "no" / "journal").string()},
            at("a.txt") + "\tb.txt\n");
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(names(), std::vector<std::string>{"a.txt"}) << "nothing is renamed unjournaled";
    // The preview's own stops.
    EXPECT_EQ(cli({"apply", "--page", "delete", "--count", "0", "--journal", journal()},
                  at("a.txt") + "\n")
                  .status,
              3);
}

// The child applies the batch of dir/in and is killed after `after`; -1 lets it end.
struct KillRun {
    bool killed = false;
    double seconds = 0;
};

KillRun applyAndKill(const fs::path& dir, std::chrono::microseconds after) {
    const std::string input = (dir / "in").string();
    const pid_t child = ::fork();
    if (child == 0) {
        ::freopen(input.c_str(), "r", stdin);
        ::freopen("/dev/null", "w", stdout);
        ::freopen("/dev/null", "w", stderr);
        const std::string journal = (dir / "journal").string();
        ::execl(TESSARY_CLI, TESSARY_CLI, "apply", "--names", "--journal", journal.c_str(),
                nullptr);
        ::_exit(127);
    }
    const auto start = std::chrono::steady_clock::now();
    KillRun run;
    if (after.count() >= 0) {
        std::this_thread::sleep_for(after);
        run.killed = ::kill(child, SIGKILL) == 0;
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    run.killed = run.killed && WIFSIGNALED(status);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return run;
}

TEST(CliKill, ABatchKilledAtAnyMomentIsPutBackByUndo) {
    const int runs =
        std::getenv("TESSARY_KILL_RUNS") ? std::atoi(std::getenv("TESSARY_KILL_RUNS")) : 4;
    constexpr int kFiles = 20'000;
    std::random_device seed;
    const fs::path dir =
        fs::temp_directory_path() / ("tessary-cli-kill-" + std::to_string(::getpid()));
    const fs::path files = dir / "files";
    const auto name = [](int i) { return "f" + std::to_string(i) + ".dat"; };
    const auto makeFiles = [&] {
        fs::remove_all(dir);
        fs::create_directories(files);
        std::string input;
        for (int i = 1; i <= kFiles; ++i) {
            std::ofstream((files / name(i)).string(), std::ios::binary) << i;
            input += (files / name(i)).string() + "\t" + name(i + 1) + "\n";
        }
        std::ofstream((dir / "in").string(), std::ios::binary) << input;
    };
    // One run to its end tells how long a batch takes.
    makeFiles();
    const KillRun whole = applyAndKill(dir, std::chrono::microseconds(-1));
    ASSERT_TRUE(fs::exists(files / name(kFiles + 1)));
    std::mt19937 random(seed());
    int killedMidway = 0;
    for (int run = 0; run < runs; ++run) {
        makeFiles();
        const auto after = std::chrono::microseconds(std::uniform_int_distribution<long>(
            0, static_cast<long>(whole.seconds * 1.1e6))(random));
        const KillRun killed = applyAndKill(dir, after);
        const bool started = fs::exists(dir / "journal");
        const Result undo =
            tessary::clitest::runCli(dir, {"undo", "--journal", (dir / "journal").string()});
        if (killed.killed && started) ++killedMidway;
        // Every file has its first name and its content, whatever the moment was.
        int wrong = 0;
        for (int i = 1; i <= kFiles; ++i) {
            if (slurp(files / name(i)) != std::to_string(i)) ++wrong;
        }
        EXPECT_EQ(wrong, 0) << "run " << run << ", killed after " << after.count() << " us, undo "
                            << undo.status << ": " << undo.err;
        EXPECT_FALSE(fs::exists(files / name(kFiles + 1)));
    }
    std::printf("kill runs: %d, killed with the journal written %d, whole batch %.2f s\n", runs,
                killedMidway, whole.seconds);
    fs::remove_all(dir);
}

}  // namespace
