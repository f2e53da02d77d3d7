// Long batches of renames, and the long preview's check of the disk, in the real main window:
// they run on a worker behind the progress window, Stop ends them after the step in hand, and
// the window answers meanwhile.

#include <fstream>

#include "VarnelDlgSupport.h"
#include "core/ForwardingFileSystem.h"
#include "platform/win32/Win32FileSystem.h"
#include "ui/RenameProgress.h"

namespace tessary::uitest {
namespace {

constexpr int kFiles = 400;
static_assert(kFiles > kMostRowsInline);

// Windows' file system, which presses the progress window's Stop at a chosen moment and notes
// on which threads the renames ran and whether the main window answered in the middle.
class WatchedFileSystem : public testing::ForwardingFileSystem {
  public:
    WatchedFileSystem() : ForwardingFileSystem(windows_) {}

    // 0 presses while the batch is being planned, before any rename.
    std::optional<int> pressStopAt;
    HWND mainWindow = nullptr;
    std::vector<DWORD> renameThreads;
    int renames = 0;
    mutable bool sawProgressWindow = false;
    bool windowAnsweredMidway = false;
    std::u16string percentMidway;
    mutable std::vector<DWORD> listThreads;
    mutable std::u16string progressWords;  // the progress window's, as a folder is read

    RenameOutcome rename(std::u16string_view from, std::u16string_view to) override {
        const RenameOutcome outcome = ForwardingFileSystem::rename(from, to);
        ++renames;
        renameThreads.push_back(GetCurrentThreadId());
        if (renames == kFiles / 2) {
            DWORD_PTR answer = 0;
            windowAnsweredMidway =
                SendMessageTimeoutW(mainWindow, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer) != 0;
            Sleep(3 * 50);  // the progress window shows where the batch stands
            percentMidway =
                windowText(GetDlgItem(CDlgRenameProgress::shown(), IDC_PROGRESS_PERCENT));
        }
        if (pressStopAt == renames) pressStop();
        return outcome;
    }
    bool listFolder(std::u16string_view folder,
                    const std::function<void(std::u16string_view)>& onName) const override {
        listThreads.push_back(GetCurrentThreadId());
        progressWords = windowText(GetDlgItem(CDlgRenameProgress::shown(), IDC_PROGRESS_TEXT));
        if (pressStopAt == 0) pressStop();
        return ForwardingFileSystem::listFolder(folder, onName);
    }

  private:
    static std::u16string windowText(HWND window) {
        wchar_t buffer[64] = {};
        GetWindowTextW(window, buffer, 64);
        return reinterpret_cast<const char16_t*>(buffer);
    }
    void pressStop() const { sawProgressWindow = pressRenameStop() || sawProgressWindow; }

    Win32FileSystem windows_;
};

class LongBatchWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        fileSystem_ = &disk_;
        MainWindowTest::SetUp();
        disk_.mainWindow = hwnd();
    }

    // kFiles files whose content is their name, listed as an add lists them; Preview gives
    // each a new name.
    void listFilesWithNewNames() {
        FileListModel& model = window_->model();
        for (int i = 0; i < kFiles; ++i) {
            const std::u16string name = nameOf(u"文件", i);
            std::ofstream(folder_.path() / std::filesystem::path(name)) << i;
            addQueuedFile(model, static_cast<std::uint32_t>(i), folder_.listPath() + name, disk_);
            model.setText(i, ColPreview, nameOf(u"照片", i));
        }
        window_->modelChanged();
        EnableWindow(item(IDC_APPLY), TRUE);  // as a preview leaves it
        pump();
    }
    static std::u16string nameOf(const std::u16string& stem, int i) {
        const std::string n = std::to_string(i);
        return stem + std::u16string(n.begin(), n.end()) + u".txt";
    }
    int rowsReading(const std::u16string& status) const {
        int count = 0;
        for (int row = 0; row < window_->model().rowCount(); ++row) {
            count += window_->model().text(row, ColStatus) == status ? 1 : 0;
        }
        return count;
    }
    // Every row names a file on disk that holds its first number.
    void expectEveryFileWhereItsRowSays() const {
        const FileListModel& model = window_->model();
        for (int row = 0; row < model.rowCount(); ++row) {
            std::ifstream file(folder_.path() /
                               std::filesystem::path(model.text(row, ColFileName)));
            int number = -1;
            file >> number;
            ASSERT_EQ(number, row) << "row " << row;
        }
    }

    WatchedFileSystem disk_;
};

TEST_F(LongBatchWindowTest, StopAtTheStartMiddleOrEndLeavesEveryFileWhereItsRowSays) {
    struct Case {
        int pressAt;
        int renamed;
        std::u16string pane;
    };
    for (const Case& c : {Case{0, 0, u"已停止：成功0个，失败0个，未修改400个"},
                          Case{100, 100, u"已停止：成功100个，失败0个，未修改300个"},
                          Case{kFiles, kFiles, u"成功400个，失败0个，未修改0个"}}) {
        SCOPED_TRACE(c.pressAt);
        window_->model().deleteAllRows();
        for (int i = 0; i < kFiles; ++i) {
            std::filesystem::remove(folder_.path() / std::filesystem::path(nameOf(u"文件", i)));
        }
        listFilesWithNewNames();
        disk_.pressStopAt = c.pressAt;
        disk_.sawProgressWindow = false;
        disk_.renames = 0;
        click(IDC_APPLY);

        EXPECT_TRUE(disk_.sawProgressWindow);
        EXPECT_EQ(CDlgRenameProgress::shown(), nullptr) << "closed once the batch ended";
        EXPECT_EQ(rowsReading(u"改名成功"), c.renamed);
        EXPECT_EQ(rowsReading(kStatusUnchanged), kFiles - c.renamed);
        EXPECT_EQ(statusPane(kPlanPane), c.pane);
        expectEveryFileWhereItsRowSays();
        EXPECT_EQ(enabled(IDC_APPLY), c.renamed < kFiles) << "a stopped batch can go on";
        ASSERT_TRUE(enabled(IDC_UNDO));

        disk_.pressStopAt.reset();
        click(IDC_UNDO);
        EXPECT_EQ(rowsReading(u"撤销改名成功"), kFiles);
        for (int i = 0; i < kFiles; ++i) {
            EXPECT_TRUE(std::filesystem::exists(folder_.path() /
                                                std::filesystem::path(nameOf(u"文件", i))));
        }
    }
    EXPECT_TRUE(prompter_.shown().empty());
}

TEST_F(LongBatchWindowTest, TheWindowAnswersWhileALongApplyRunsOnAWorker) {
    listFilesWithNewNames();
    click(IDC_APPLY);
    ASSERT_EQ(disk_.renames, kFiles);
    for (const DWORD thread : disk_.renameThreads) ASSERT_NE(thread, GetCurrentThreadId());
    EXPECT_TRUE(disk_.windowAnsweredMidway);
    // Counted once each rename has returned: 199 of 400 when the 200th is in hand.
    EXPECT_EQ(disk_.percentMidway, u"%49");
    EXPECT_EQ(rowsReading(u"改名成功"), kFiles);
}

TEST_F(LongBatchWindowTest, ALongPreviewChecksItsNamesOnAWorker) {
    listFilesWithNewNames();
    setText(IDC_NEW_EXT, u"bak");
    disk_.listThreads.clear();  // the journals' folder, read at the start
    click(IDC_PREVIEW);
    ASSERT_FALSE(disk_.listThreads.empty());
    for (const DWORD thread : disk_.listThreads) EXPECT_NE(thread, GetCurrentThreadId());
    EXPECT_EQ(disk_.progressWords, u"正在检查新名...请稍候!");
    EXPECT_EQ(CDlgRenameProgress::shown(), nullptr);
    EXPECT_EQ(statusPane(kPlanPane), u"将改名400个，拒绝0个");
    EXPECT_EQ(listText(kFiles - 1, ColPreview), u"文件399.bak");
    EXPECT_EQ(disk_.renames, 0);
}

TEST_F(LongBatchWindowTest, ASmallBatchRunsWithoutAProgressWindow) {
    FileListModel& model = window_->model();
    std::ofstream(folder_.path() / "a.txt") << 0;
    addQueuedFile(model, 0, folder_.listPath() + u"a.txt", disk_);
    model.setText(0, ColPreview, u"b.txt");
    EnableWindow(item(IDC_APPLY), TRUE);
    disk_.pressStopAt = 1;
    click(IDC_APPLY);
    EXPECT_FALSE(disk_.sawProgressWindow);
    EXPECT_EQ(disk_.renameThreads, std::vector<DWORD>{GetCurrentThreadId()});
    EXPECT_EQ(model.text(0, ColStatus), u"改名成功");
}

}  // namespace
}  // namespace tessary::uitest
