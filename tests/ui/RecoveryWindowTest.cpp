// A batch cut short leaves its journal in the working folder: the next start offers to put
// the files back.

#include <algorithm>
#include <fstream>

#include "VarnelDlgSupport.h"
#include "disk/JournalFolder.h"
#include "disk/RenameJournal.h"
#include "platform/win32/Win32FileSystem.h"

namespace tessary {
namespace {

class Recovery : public uitest::MainWindowTest {
  protected:
    void write(const char* name, const std::string& content) {
        std::ofstream(folder_.path() / name, std::ios::binary) << content;
    }
    std::optional<std::string> read(const char* name) const {
        std::ifstream in(folder_.path() / name, std::ios::binary);
        if (!in) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool exists(const char* name) const { return std::filesystem::exists(folder_.path() / name); }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

    // A rotation of three whose batch was killed after its first two renames.
    void killedRotation() {
        write("1.jpg", "one");
        write("2.jpg", "two");
        write("3.jpg", "three");
        const std::u16string folder = folder_.listPath();
        const std::vector<RenameRequest> requests = {{folder, u"1.jpg", u"2.jpg"},
                                                     {folder, u"2.jpg", u"3.jpg"},
                                                     {folder, u"3.jpg", u"1.jpg"}};
        const RenamePlan plan = planRenames(requests, fs_);
        ASSERT_EQ(plan.steps.size(), 4u);
        ASSERT_TRUE(writeJournal(fs_, folder + u"Tessary.journal", plan));
        for (int i = 0; i < 2; ++i) {
            const RenameStep& step = plan.steps[i];
            ASSERT_EQ(
                fs_.rename(folder + std::u16string(step.from()), folder + std::u16string(step.to())),
                RenameOutcome::Renamed);
        }
    }
    void restart() {
        window_.reset();
        uitest::pumpMessages();
        open();
    }

    Win32FileSystem fs_;
};

TEST_F(Recovery, AKilledBatchIsOfferedAtTheNextStartAndPutBack) {
    killedRotation();
    EXPECT_EQ(read("1.jpg"), "three");  // set aside, then taken by the third
    prompter_.answerAsk(true);
    restart();
    EXPECT_EQ(prompter_.texts(),
              (std::vector<std::u16string>{kRecoveryQuestion, u"已改回2个文件。"}));
    EXPECT_EQ(read("1.jpg"), "one");
    EXPECT_EQ(read("2.jpg"), "two");
    EXPECT_EQ(read("3.jpg"), "three");
    EXPECT_FALSE(exists("Tessary.journal"));
    EXPECT_EQ(names(), (std::vector<std::string>{"1.jpg", "2.jpg", "3.jpg", "LastOpen.ini"}));
}

TEST_F(Recovery, NoKeepsTheJournalAndADamagedOneIsKeptAndSaidSo) {
    killedRotation();
    prompter_.answerAsk(false);
    restart();
    EXPECT_EQ(prompter_.texts(), std::vector<std::u16string>{kRecoveryQuestion});
    EXPECT_TRUE(exists("Tessary.journal"));
    EXPECT_EQ(read("1.jpg"), "three");

    // A second journal that is damaged: the first is still put back, the second is kept.
    write("Tessary-2.journal", "TSYJRNL1 cut short");
    prompter_.answerAsk(true);
    restart();
    ASSERT_EQ(prompter_.texts().size(), 3u);
    EXPECT_EQ(prompter_.texts()[2],
              u"已改回2个文件。\r\n改名日志已损坏，没有据此改名，日志已保留：" +
                  folder_.listPath() + u"Tessary-2.journal");
    EXPECT_EQ(read("1.jpg"), "one");
    EXPECT_FALSE(exists("Tessary.journal"));
    EXPECT_TRUE(exists("Tessary-2.journal"));

    // The next batch does not write over the journal that is kept.
    EXPECT_EQ(JournalFolder(folder_.listPath()).nextPath(fs_),
              folder_.listPath() + u"Tessary-3.journal");
}

}  // namespace
}  // namespace tessary
