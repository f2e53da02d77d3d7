// Operation records in the window: saving the list to a record file and loading one through
// their dialogs, and the restore dialog on real files.

#include <algorithm>
#include <fstream>
#include <iterator>

#include "VarnelDlgSupport.h"
#include "commands/AddFiles.h"
#include "commands/RecordedHistory.h"
#include "disk/OprFile.h"
#include "platform/win32/Win32FileSystem.h"
#include "ui/RestoreDlg.h"

namespace tessary::uitest {
namespace {

std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

TEST_F(MainWindowTest, SavingARecordWritesTheListAndLoadingOneOpensTheRestoreDialog) {
    // An empty list has nothing to save: the platform's message, and no dialog.
    prompter_.answerMessageBox(prompt::kAnswerOk);
    SendMessageW(hwnd(), WM_COMMAND, ID_SAVE_RECORD, 0);
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, u"列表框中没有改名记录,不能保存");
    EXPECT_TRUE(shell_.recordAsked.empty());

    std::ofstream(folder_.path() / "a.txt") << "a";
    Win32FileSystem fs;
    addQueuedFile(window_->model(), 0, folder_.listPath() + u"a.txt", fs);
    window_->model().setText(0, ColFileName, u"新.txt");
    window_->modelChanged();

    // Cancelled: no file.
    SendMessageW(hwnd(), WM_COMMAND, ID_SAVE_RECORD_TB, 0);
    ASSERT_EQ(shell_.recordAsked.size(), 1u);
    EXPECT_EQ(shell_.recordAsked[0], RecordFileDialog::Save);

    const std::filesystem::path record = folder_.path() / u"记录.opr";
    shell_.recordFile = record.u16string();
    SendMessageW(hwnd(), WM_COMMAND, ID_SAVE_RECORD, 0);
    EXPECT_EQ(statusPane(1), u"提示：操作记录已成功保存到 " + record.u16string());
    const std::optional<OprContent> saved = decodeOpr(bytesOf(record));
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->records.owned(),
              (std::vector<OprRecord>{{folder_.listPath(), u"a.txt", u"新.txt"}}));

    SendMessageW(hwnd(), WM_COMMAND, ID_LOAD_RECORD_TB, 0);
    ASSERT_EQ(shell_.recordAsked.size(), 3u);
    EXPECT_EQ(shell_.recordAsked[2], RecordFileDialog::Open);
    EXPECT_EQ(shell_.restoreShown, (std::vector<std::u16string>{record.u16string()}));
    shell_.recordFile.reset();
    SendMessageW(hwnd(), WM_COMMAND, ID_LOAD_RECORD, 0);
    EXPECT_EQ(shell_.restoreShown.size(), 1u);
}

TEST_F(MainWindowTest, RecordedBatchesGoBackOneByOneAndNeverRenameTheWrongFile) {
    Win32FileSystem fs;
    const std::filesystem::path files = folder_.path() / u"照片";
    std::filesystem::create_directory(files);
    for (const char16_t* name : {u"b.txt", u"a.txt"}) {
        std::ofstream(files / name) << "x";
        addQueuedFile(window_->model(), 0, (files / name).u16string(), fs);
    }
    window_->modelChanged();
    auto onDisk = [&] {
        std::vector<std::u16string> names;
        for (const auto& entry : std::filesystem::directory_iterator(files)) {
            names.push_back(entry.path().filename().u16string());
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    using Names = std::vector<std::u16string>;

    // Not saved: the hint says how to save later.
    setText(IDC_NEW_EXT, u"md");
    click(IDC_PREVIEW);
    prompter_.answerMessageBox(prompt::kAnswerNo);
    SendMessageW(hwnd(), WM_COMMAND, ID_RECORDED_APPLY, 0);
    EXPECT_EQ(onDisk(), (Names{u"a.md", u"b.md"}));
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, kRecordedApplyQuestion);
    EXPECT_EQ(statusPane(0), kRecordedApplyNotSavedHint);
    // The same extension again renames nothing and asks nothing.
    SendMessageW(hwnd(), WM_COMMAND, ID_RECORDED_APPLY_TB, 0);
    EXPECT_EQ(prompter_.shown().size(), 1u);

    // Saved: Yes runs the save command.
    setText(IDC_NEW_EXT, u"log");
    click(IDC_PREVIEW);
    prompter_.answerMessageBox(prompt::kAnswerYes);
    const std::filesystem::path record = files / u"batch.opr";
    shell_.recordFile = record.u16string();
    SendMessageW(hwnd(), WM_COMMAND, ID_RECORDED_APPLY, 0);
    EXPECT_EQ(onDisk(), (Names{u"a.log", u"b.log", u"batch.opr"}));
    EXPECT_EQ(statusPane(1), u"提示：操作记录已成功保存到 " + record.u16string());

    SendMessageW(hwnd(), WM_COMMAND, ID_RECORDED_UNDO, 0);
    EXPECT_EQ(onDisk(), (Names{u"a.md", u"b.md", u"batch.opr"}));
    EXPECT_EQ(text(IDC_NEW_EXT), u"md");

    // Sorted since: the first batch's rows now hold other files, which stay as they are.
    NMLISTVIEW click{};
    click.hdr = {item(IDC_FILE_LIST), static_cast<UINT_PTR>(IDC_FILE_LIST),
                 static_cast<UINT>(LVN_COLUMNCLICK)};
    click.iSubItem = ColFileName;
    SendMessageW(hwnd(), WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&click));
    ASSERT_EQ(listText(0, ColFileName), u"b.md");
    SendMessageW(hwnd(), WM_COMMAND, ID_RECORDED_UNDO_TB, 0);
    EXPECT_EQ(onDisk(), (Names{u"a.md", u"b.md", u"batch.opr"}));
    EXPECT_EQ(listText(0, ColStatus), u"失败");
    EXPECT_EQ(listText(1, ColStatus), u"失败");
    EXPECT_EQ(text(IDC_NEW_EXT), u"");
}

TEST_F(MainWindowTest, ClearingTheListForgetsTheRecordedBatches) {
    Win32FileSystem fs;
    const std::filesystem::path files = folder_.path() / u"照片";
    std::filesystem::create_directory(files);
    std::ofstream(files / "a.txt") << "a";
    addQueuedFile(window_->model(), 0, (files / "a.txt").u16string(), fs);
    window_->modelChanged();
    setText(IDC_NEW_EXT, u"md");
    click(IDC_PREVIEW);
    prompter_.answerMessageBox(prompt::kAnswerNo);
    SendMessageW(hwnd(), WM_COMMAND, ID_RECORDED_APPLY, 0);
    ASSERT_TRUE(std::filesystem::exists(files / "a.md"));

    // The same file listed again after a clear: an undo has no batch to take back.
    SendMessageW(hwnd(), WM_COMMAND, ID_LIST_CLEAR, 0);
    addQueuedFile(window_->model(), 0, (files / "a.md").u16string(), fs);
    window_->modelChanged();
    SendMessageW(hwnd(), WM_COMMAND, ID_RECORDED_UNDO, 0);
    EXPECT_TRUE(std::filesystem::exists(files / "a.md"));
    EXPECT_EQ(listText(0, ColStatus), kStatusUnchanged);
}

class RestoreDialogTest : public ::testing::Test {
  protected:
    void open(const std::filesystem::path& record) {
        dialog_ =
            std::make_unique<CRestoreDlg>(record.u16string(), fs_, std::u16string(), &prompter_);
        ASSERT_NE(dialog_->createModeless(nullptr), nullptr);
        pumpMessages();
    }
    HWND list() const { return GetDlgItem(dialog_->hwnd(), IDC_FILE_LIST); }
    std::u16string cell(int row, int column) const {
        wchar_t buffer[512] = {};
        ListView_GetItemText(list(), row, column, buffer, 512);
        return reinterpret_cast<const char16_t*>(buffer);
    }
    std::u16string pane(int index) const {
        HWND bar = FindWindowExW(dialog_->hwnd(), nullptr, STATUSCLASSNAMEW, nullptr);
        wchar_t buffer[256] = {};
        SendMessageW(bar, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(buffer));
        return reinterpret_cast<const char16_t*>(buffer);
    }
    bool restoreEnabled() const {
        return IsWindowEnabled(GetDlgItem(dialog_->hwnd(), IDC_RESTORE_BUTTON)) != FALSE;
    }
    void clickHeader(int column) {
        NMLISTVIEW click{};
        click.hdr = {list(), static_cast<UINT_PTR>(IDC_FILE_LIST),
                     static_cast<UINT>(LVN_COLUMNCLICK)};
        click.iItem = -1;
        click.iSubItem = column;
        SendMessageW(dialog_->hwnd(), WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&click));
    }
    std::vector<std::u16string> column(int c) const {
        std::vector<std::u16string> texts;
        for (int r = 0; r < ListView_GetItemCount(list()); ++r) texts.push_back(cell(r, c));
        return texts;
    }

    WorkingFolder folder_;
    Win32FileSystem fs_;
    ScriptedPrompter prompter_;
    std::unique_ptr<CRestoreDlg> dialog_;
};

TEST_F(RestoreDialogTest, FoundFilesComeFirstAndTheCheckedOnesGetTheirNamesBack) {
    for (const char* name : {"1 now.txt", "3 now.txt", "taken.txt"}) {
        std::ofstream(folder_.path() / name) << std::string(2'100, 'x');
    }
    std::ofstream(folder_.path() / "4 now.txt") << "4";
    const std::u16string dir = folder_.listPath();
    const std::vector<OprRecord> records = {
        {dir, u"1 was.txt", u"1 now.txt"},
        {dir, u"2 was.txt", u"2 now.txt"},  // gone since
        {dir, u"taken.txt", u"3 now.txt"},  // its earlier name is used by another file
        {dir, u"4 was.txt", u"4 now.txt"},  // left unchecked
    };
    const SavingTime time{2026, 3, 2, 9, 9, 5, 7, 0};
    const std::filesystem::path record = folder_.path() / "r.opr";
    writeBytes(record, *encodeOpr(time, records));
    open(record);

    using Texts = std::vector<std::u16string>;
    EXPECT_EQ(column(RestoreColCurrentName),
              (Texts{u"1 now.txt", u"3 now.txt", u"4 now.txt", u"2 now.txt"}));
    EXPECT_EQ(column(RestoreColSize), (Texts{u"2 KB", u"2 KB", u"0 KB", u""}));
    EXPECT_EQ(column(RestoreColStatus),
              (Texts{u"成功载入", u"成功载入", u"成功载入", u"拟还原文件不存在"}));
    EXPECT_EQ(pane(0), u"打开有效操作记录个数:3");
    EXPECT_EQ(pane(1), u"该操作记录文件的保存时间：2026年3月9日 9:5");
    for (int r = 0; r < 4; ++r) EXPECT_TRUE(ListView_GetCheckState(list(), r));

    // Sorting keeps each row's check box with it. The list starts sorted by the current name
    // ascending, so the first click on it sorts descending.
    ListView_SetCheckState(list(), 2, FALSE);
    clickHeader(RestoreColCurrentName);
    EXPECT_EQ(column(RestoreColCurrentName),
              (Texts{u"4 now.txt", u"3 now.txt", u"2 now.txt", u"1 now.txt"}));
    EXPECT_FALSE(ListView_GetCheckState(list(), 0));

    SendMessageW(dialog_->hwnd(), WM_COMMAND, IDC_RESTORE_BUTTON, 0);
    pumpMessages();
    EXPECT_EQ(column(RestoreColStatus),
              (Texts{u"成功载入", u"失败:文件名重名", u"失败:被还原文件不存在", u"还原成功"}));
    EXPECT_EQ(cell(3, RestoreColCurrentName), u"1 was.txt");
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / "1 was.txt"));
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / "3 now.txt"));
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / "4 now.txt"));
    EXPECT_FALSE(restoreEnabled());
}

TEST_F(RestoreDialogTest, AFileInUseIsSaidToBeOutOfReach) {
    std::ofstream(folder_.path() / "busy now.txt") << "b";
    const std::filesystem::path record = folder_.path() / "r.opr";
    writeBytes(record,
               *encodeOpr(SavingTime{}, {{folder_.listPath(), u"busy was.txt", u"busy now.txt"}}));
    open(record);
    // Held open by another program that lets nobody delete or rename it.
    HANDLE held = CreateFileW((folder_.path() / "busy now.txt").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    SendMessageW(dialog_->hwnd(), WM_COMMAND, IDC_RESTORE_BUTTON, 0);
    CloseHandle(held);
    EXPECT_EQ(cell(0, RestoreColStatus), u"失败:文件不允许访问");
    EXPECT_EQ(cell(0, RestoreColCurrentName), u"busy now.txt");
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / "busy now.txt"));
}

TEST_F(RestoreDialogTest, AFileThatIsNoRecordSaysSoAndOffersNothingToRestore) {
    const std::filesystem::path record = folder_.path() / "bad.opr";
    std::string bytes = *encodeOpr(SavingTime{}, {{u"C:\\", u"a", u"b"}});
    bytes[0] = 'o';  // "oPRECFILE"
    writeBytes(record, bytes);
    prompter_.answerMessageBox(prompt::kAnswerOk);
    open(record);
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, kOprInvalidFileMessage);
    EXPECT_EQ(prompter_.shown()[0].flags & prompt::kIconError, prompt::kIconError);
    EXPECT_EQ(ListView_GetItemCount(list()), 0);
    EXPECT_EQ(pane(0), u"打开操作记录个数:0");
    EXPECT_FALSE(restoreEnabled());
}

}  // namespace
}  // namespace tessary::uitest
