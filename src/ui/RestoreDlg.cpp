#include "ui/RestoreDlg.h"

// after windows.h
#include <commctrl.h>

#include "disk/RowRequests.h"
#include "res/resource.h"
#include "ui/RenameProgress.h"
#include "ui/Win32Prompter.h"

namespace tessary {
namespace {

constexpr int kPane0Width = 180;
// Room under the list for the buttons and the status bar.
constexpr int kBelowList = 60;

}  // namespace

CRestoreDlg::CRestoreDlg(std::u16string recordFile, FileSystem& fileSystem,
                         std::u16string journalPath, Prompter* prompter)
    : DialogBase(IDD_RESTORE),
      recordFile_(std::move(recordFile)),
      fileSystem_(fileSystem),
      journalPath_(std::move(journalPath)),
      prompter_(prompter) {
    onCommand(IDC_RESTORE_BUTTON, [this] { onRestore(); });
}

CRestoreDlg::~CRestoreDlg() = default;

BOOL CRestoreDlg::onInitDialog() {
    if (prompter_ == nullptr) {
        ownPrompter_ = std::make_unique<Win32Prompter>(hwnd());
        prompter_ = ownPrompter_.get();
    }
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                 hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    int panes[2] = {kPane0Width, -1};
    SendMessageW(statusBar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(panes));
    SendMessageW(statusBar_, SB_SETTEXTW, 0,
                 reinterpret_cast<LPARAM>(wideChars(kRestoreInitialPane0)));
    layOut();
    centerOverOwner(hwnd());

    HWND list = item(IDC_FILE_LIST);
    ListView_SetExtendedListViewStyle(
        list, LVS_EX_CHECKBOXES | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_HEADERDRAGDROP);
    int index = 0;
    for (RestoreColumnInfo& info : restoreColumns()) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(wideChars(info.header));
        column.cx = info.width;
        column.iSubItem = index;
        ListView_InsertColumn(list, index++, &column);
    }

    RestoreLoad load = loadRestoreRows(fileSystem_, recordFile_);
    if (!load.valid) {
        if (load.messageBox) {
            prompter_->platformMessageBox(load.messageBox->text, load.messageBox->caption,
                                          prompt::kOk | prompt::kIconError);
        }
        EnableWindow(item(IDC_RESTORE_BUTTON), FALSE);
        return TRUE;
    }
    rows_ = std::move(load.rows);
    showRows();
    SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wideChars(load.pane0)));
    SendMessageW(statusBar_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(wideChars(load.pane1)));
    return TRUE;
}

void CRestoreDlg::layOut() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    SendMessageW(statusBar_, WM_SIZE, 0, 0);
    MoveWindow(item(IDC_FILE_LIST), 0, 0, client.right, client.bottom - kBelowList, TRUE);
    const int y = client.bottom - kBelowList + 8;
    MoveWindow(item(IDC_RESTORE_BUTTON), client.right / 2 - 90, y, 75, 25, TRUE);
    MoveWindow(item(IDCANCEL), client.right / 2 + 15, y, 75, 25, TRUE);
}

void CRestoreDlg::showRows() {
    HWND list = item(IDC_FILE_LIST);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const RestoreRow& row = rows_[r];
        LVITEMW lvItem{};
        lvItem.mask = LVIF_TEXT;
        lvItem.iItem = r;
        lvItem.pszText = const_cast<wchar_t*>(wideChars(row.text(0)));
        ListView_InsertItem(list, &lvItem);
        for (int column = 1; column <= RestoreColStatus; ++column) {
            ListView_SetItemText(list, r, column,
                                 const_cast<wchar_t*>(wideChars(row.text(column))));
        }
        ListView_SetCheckState(list, r, row.checked);
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void CRestoreDlg::readChecks() {
    HWND list = item(IDC_FILE_LIST);
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        rows_[r].checked = ListView_GetCheckState(list, r) != FALSE;
    }
}

void CRestoreDlg::onRestore() {
    readChecks();
    WindowBatchRunner runner(hwnd());
    const RestoreRun run = restoreCheckedRows(rows_, fileSystem_, journalPath_, runner);
    if (run == RestoreRun::JournalNotWritten) {
        prompter_->platformMessageBox(kJournalNotWritten, kMessageBoxCaption,
                                      prompt::kOk | prompt::kIconError);
        return;
    }
    showRows();
    // A second restore would work on names that have changed; it needs the file again. After
    // a stop, restoring again finishes the batch: the rows done name their files as they are.
    if (run == RestoreRun::Finished) EnableWindow(item(IDC_RESTORE_BUTTON), FALSE);
}

void CRestoreDlg::onColumnClick(int column) {
    if (column < 0 || column > RestoreColStatus || !chooseSortOrder(sortOrder_, column)) return;
    readChecks();
    const auto text = [this, column](int row) -> const std::u16string& {
        return rows_[row].text(column);
    };
    const std::vector<int> order =
        sortedRowOrder(static_cast<int>(rows_.size()), text,
                       column == RestoreColSize ? SortKind::Size : SortKind::Text,
                       sortOrder_.ascending, collator_);
    std::vector<RestoreRow> sorted;
    sorted.reserve(rows_.size());
    for (int row : order) sorted.push_back(std::move(rows_[row]));
    rows_ = std::move(sorted);
    showRows();
}

std::optional<LRESULT> CRestoreDlg::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.idFrom == IDC_FILE_LIST && header.code == LVN_COLUMNCLICK) {
            onColumnClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
            return 0;
        }
    }
    return DialogBase::onMessage(message, wParam, lParam);
}

}  // namespace tessary
