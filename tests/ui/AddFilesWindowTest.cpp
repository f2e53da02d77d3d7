// Adding files to the real main window: drops with a real HDROP, pick batches through a scripted
// open-file dialog, the progress window's percent label and its Stop button.

#include <fstream>

#include "VarnelDlgSupport.h"
#include "commands/ListCommands.h"
#include "disk/LastOpenSettings.h"
#include "disk/MemoryFileSystem.h"
#include "ui/AddFilesBatch.h"
#include "ui/DlgProgress.h"

namespace tessary::uitest {
namespace {

// Records what the progress window's percent label is set to and where its bar is moved, and can
// press a button of the progress window when the label first shows a given text.
class PercentWatch {
  public:
    PercentWatch() {
        current_ = this;
        hook_ =
            SetWindowsHookExW(WH_CALLWNDPROC, &PercentWatch::onCall, nullptr, GetCurrentThreadId());
    }
    ~PercentWatch() {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    PercentWatch(const PercentWatch&) = delete;
    PercentWatch& operator=(const PercentWatch&) = delete;

    void pressAt(std::u16string text, int button) {
        pressAt_ = std::move(text);
        button_ = button;
    }
    std::vector<std::u16string> texts;
    std::vector<WPARAM> barPositions;

  private:
    static LRESULT CALLBACK onCall(int code, WPARAM wParam, LPARAM lParam) {
        const auto& call = *reinterpret_cast<CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && current_ != nullptr && call.message == PBM_SETPOS &&
            GetDlgCtrlID(call.hwnd) == IDC_PROGRESS_BAR) {
            current_->barPositions.push_back(call.wParam);
        }
        if (code == HC_ACTION && current_ != nullptr && call.message == WM_SETTEXT &&
            GetDlgCtrlID(call.hwnd) == IDC_PROGRESS_PERCENT) {
            std::u16string text(reinterpret_cast<const char16_t*>(call.lParam));
            if (!current_->pressAt_.empty() && text == current_->pressAt_) {
                current_->pressAt_.clear();
                PostMessageW(GetParent(call.hwnd), WM_COMMAND, current_->button_, 0);
            }
            current_->texts.push_back(std::move(text));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline PercentWatch* current_ = nullptr;
    HHOOK hook_ = nullptr;
    std::u16string pressAt_;
    int button_ = IDOK;
};

class AddFilesWindowTest : public MainWindowTest {
  protected:
    // Files with their own name as content in a folder of the working folder.
    std::vector<std::u16string> makeFiles(const std::u16string& folder, int count) {
        const std::filesystem::path dir = folder_.path() / std::filesystem::path(folder);
        std::filesystem::create_directories(dir);
        std::vector<std::u16string> paths;
        for (int i = 0; i < count; ++i) {
            const std::string number = std::to_string(i);
            const std::filesystem::path file =
                dir / (u"文件" + std::u16string(number.begin(), number.end()) + u".txt");
            std::ofstream(file) << "content " << i;
            paths.push_back(file.u16string());
        }
        return paths;
    }
    void drop(const std::vector<std::u16string>& paths) {
        SendMessageW(hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(makeDropHandle(paths)), 0);
        pump();
    }
    // Clicks "添加文件" and waits until the batch has ended.
    void pickBatch() {
        click(IDC_ADD_FILES);
        for (int i = 0; i < 1000 && window_->addBatch().running; ++i) pump();
        EXPECT_FALSE(window_->addBatch().running);
        pump();
    }
    std::vector<std::u16string> fileNames() const {
        std::vector<std::u16string> names;
        for (int row = 0; row < window_->model().rowCount(); ++row) {
            names.emplace_back(window_->model().text(row, ColFileName));
        }
        return names;
    }
    static std::u16string nameOf(const std::u16string& path) {
        return path.substr(path.rfind(u'\\') + 1);
    }
};

TEST_F(AddFilesWindowTest, ADropLandsAboveTheOldRowsWithItsPercentSequence) {
    const auto first = makeFiles(u"一", 2);
    drop(first);
    ASSERT_EQ(window_->model().rowCount(), 2);
    EXPECT_EQ(statusPane(0), u"列表中的文件数:2个");

    // Three files and a folder, which becomes a row of its own.
    auto second = makeFiles(u"二", 3);
    second.push_back((folder_.path() / u"一").u16string());
    PercentWatch watch;
    drop(second);
    EXPECT_EQ(watch.texts, (std::vector<std::u16string>{u"%0", u"%25", u"%50", u"%75"}));
    EXPECT_EQ(fileNames(), (std::vector<std::u16string>{u"文件0.txt", u"文件1.txt", u"文件2.txt",
                                                        u"一", u"文件0.txt", u"文件1.txt"}));
    EXPECT_EQ(window_->model().text(0, ColFullPath), second[0]);
    EXPECT_EQ(window_->model().text(3, ColSize), u"0 KB");
    EXPECT_EQ(window_->model().text(4, ColPath), folder_.listPath() + u"一\\");
    EXPECT_EQ(statusPane(0), u"列表中的文件数:6个");
    EXPECT_EQ(listText(0, ColFileName), u"文件0.txt");
    EXPECT_EQ(listText(5, ColFileName), u"文件1.txt");
    // The progress window is gone and the main window takes input again.
    EXPECT_EQ(window_->addBatch().dropProgress.load(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(hwnd()));
}

TEST_F(AddFilesWindowTest, ThreeFilesShowZeroThirtyThreeSixtySix) {
    PercentWatch watch;
    drop(makeFiles(u"三", 3));
    EXPECT_EQ(watch.texts, (std::vector<std::u16string>{u"%0", u"%33", u"%66"}));
    // The bar may skip steps while files come fast, but ends at the last.
    ASSERT_FALSE(watch.barPositions.empty());
    EXPECT_EQ(watch.barPositions.back(), 2u);
}

// Two steps at once, then a long wait for the next file: the second step's move of the bar is
// held back, but not for the rest of the wait.
DWORD WINAPI twoQuickSteps(void* batch) {
    HWND progress = static_cast<AddBatchState*>(batch)->pickProgress;
    SendMessageW(progress, WM_ADDPROGRESS_PICK, 1000, kProgressStart);
    PostMessageW(progress, WM_ADDPROGRESS_PICK, 0, kProgressStep);
    PostMessageW(progress, WM_ADDPROGRESS_PICK, 500, kProgressStep);
    return 0;
}

TEST_F(AddFilesWindowTest, TheBarCatchesUpWithAStepItHeldBack) {
    AddBatchState batch;
    CDlgProgress2 progress(batch, AddBatchKind::Pick, &twoQuickSteps, &batch);
    ASSERT_NE(progress.createModeless(nullptr), nullptr);
    HWND bar = GetDlgItem(progress.hwnd(), IDC_PROGRESS_BAR);
    for (int i = 0; i < 100 && SendMessageW(bar, PBM_GETPOS, 0, 0) != 500; ++i) {
        pump();
        Sleep(5);
    }
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 500);
    DestroyWindow(progress.hwnd());
}

TEST_F(AddFilesWindowTest, StopAndEscapeEndTheBatchAfterTheFilesInHand) {
    // Small groups, so that the batch is still under way when the press is seen.
    window_->addBatch().filesPerMessage = 8;
    const auto paths = makeFiles(u"停", 60);
    for (int button : {IDOK, IDCANCEL}) {
        window_->model().deleteAllRows();
        PercentWatch watch;
        watch.pressAt(u"%3", button);
        drop(paths);
        const int rows = window_->model().rowCount();
        EXPECT_GE(rows, 3) << button;
        EXPECT_LT(rows, 60) << button;
        // The rows that were added are the batch's first files, in order.
        for (int row = 0; row < rows; ++row) {
            EXPECT_EQ(window_->model().text(row, ColFullPath), paths[row]) << button;
        }
        EXPECT_EQ(statusPane(0), fileCountText(rows));
    }
    window_->addBatch().filesPerMessage = kFilesPerMessage;
}

// More files than the path table has slots: the batch goes through it in rounds, with one
// progress window, and Stop works in any round. The files live in memory: what is tested is the
// hand-over, not the disk.
class HugeDropTest : public AddFilesWindowTest {
  protected:
    HugeDropTest() { fileSystem_ = &memory_; }
    MemoryFileSystem memory_;
};

TEST_F(HugeDropTest, TwoHundredFiftyThousandFilesAreAddedInRoundsAndStopWorksInTheSecond) {
    constexpr int kCount = 250'000;
    static_assert(kCount > PathQueue::kSlots);
    std::vector<std::u16string> paths;
    paths.reserve(kCount);
    for (int i = 0; i < kCount; ++i) {
        const std::string n = std::to_string(i);
        paths.push_back(u"C:\\大批\\文件" + std::u16string(n.begin(), n.end()) + u".txt");
    }
    const FileListModel& model = window_->model();
    {
        PercentWatch watch;
        drop(paths);
        ASSERT_EQ(model.rowCount(), kCount);
        EXPECT_EQ(watch.texts.back(), u"%99");
    }
    for (int row = 0; row < kCount; ++row) {
        ASSERT_EQ(model.text(row, ColFullPath), paths[row]) << row;
        ASSERT_EQ(model.itemValue(row), row);
    }
    EXPECT_EQ(model.text(kCount - 1, ColFileName), u"文件249999.txt");
    EXPECT_EQ(statusPane(0), fileCountText(kCount));
    EXPECT_EQ(window_->fileCounter(), kCount);

    window_->model().deleteAllRows();
    PercentWatch watch;
    watch.pressAt(u"%84", IDOK);  // file 210,000: beyond the first round
    drop(paths);
    const int rows = model.rowCount();
    EXPECT_GE(rows, 210'000);
    EXPECT_LT(rows, kCount);
    for (int row = 0; row < rows; ++row) ASSERT_EQ(model.text(row, ColFullPath), paths[row]);
    EXPECT_EQ(statusPane(0), fileCountText(rows));
}

TEST_F(AddFilesWindowTest, APickBatchAddsTheFilesAndRemembersTheirFolder) {
    const auto paths = makeFiles(u"选", 3);
    const std::u16string folder = (folder_.path() / u"选").u16string();
    shell_.pick.outcome = FilePick::Outcome::Confirmed;
    shell_.pick.resultPath = folder;
    shell_.pick.files = paths;
    pickBatch();
    EXPECT_EQ(fileNames(), (std::vector<std::u16string>{u"文件0.txt", u"文件1.txt", u"文件2.txt"}));
    EXPECT_EQ(statusPane(0), u"列表中的文件数:3个");
    SettingsFile settings;
    EXPECT_EQ(decodeLastOpen(settings.read(kLastOpenReadBytes).value_or("")), folder);

    // One file picked: its own path is the next folder, and the dialog opens there next time.
    shell_.pick.resultPath = paths[1];
    shell_.pick.files = {paths[1]};
    pickBatch();
    EXPECT_EQ(window_->model().rowCount(), 4);
    EXPECT_EQ(window_->model().text(0, ColFileName), u"文件1.txt");
    ASSERT_EQ(shell_.pickedIn.size(), 2u);
    EXPECT_EQ(shell_.pickedIn[1], folder);
    EXPECT_EQ(decodeLastOpen(settings.read(kLastOpenReadBytes).value_or("")), paths[1]);
    EXPECT_TRUE(prompter_.shown().empty());
    // The dialog is the window's own: opened on its thread, with no second message loop.
    EXPECT_EQ(shell_.pickedOnThread,
              (std::vector<DWORD>{GetWindowThreadProcessId(window_->hwnd(), nullptr),
                                  GetWindowThreadProcessId(window_->hwnd(), nullptr)}));
}

TEST_F(AddFilesWindowTest, ACancelledOrOverfullPickAddsNothing) {
    SettingsFile settings;
    const auto before = settings.read(kLastOpenReadBytes);
    shell_.pick.outcome = FilePick::Outcome::Cancelled;
    pickBatch();
    EXPECT_TRUE(prompter_.shown().empty());

    shell_.pick.outcome = FilePick::Outcome::TooMany;
    pickBatch();
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, kTooManyPicked);
    EXPECT_EQ(window_->model().rowCount(), 0);
    EXPECT_EQ(settings.read(kLastOpenReadBytes), before);
}

}  // namespace
}  // namespace tessary::uitest
