// The file list: an owner-data report list that shows the rows of the model, its nine columns
// with the two hidden ones, the clicks that set the current row and the context menu.

#include <algorithm>
#include <iterator>

#include "commands/ListCommands.h"
#include "res/resource.h"
#include "ui/GdiHandles.h"
#include "ui/VarnelDlg.h"

namespace tessary {

void CVarnelDlg::setUpFileList() {
    // Kept: the list asks for its texts many times a page, and looking a control up by its id
    // costs a round trip to the window server under Wine.
    fileList_ = item(IDC_FILE_LIST);
    fileListHeader_ = ListView_GetHeader(fileList_);
    HWND list = fileList_;
    model_.deleteAllRows();
    ListView_SetItemCountEx(list, 0, 0);
    ListView_SetExtendedListViewStyle(
        list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP);
    while (ListView_DeleteColumn(list, 0)) {
    }
    for (int c = 0; c < model_.columnCount(); ++c) {
        std::u16string header = model_.column(c).header;
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = reinterpret_cast<wchar_t*>(header.data());
        column.cx = model_.column(c).width;
        column.iSubItem = c;
        ListView_InsertColumn(list, c, &column);
    }
    if (header_.hwnd() != fileListHeader_) {
        header_.detach();
        header_.attach(fileListHeader_);
    }
    header_.resetColumns(model_.columnCount());
    header_.hideColumn(ColOriginalName);
    header_.hideColumn(ColFullPath);
    // The list would size a column itself on a divider double click; ours measures the rows.
    SetWindowSubclass(list, &CVarnelDlg::fileListProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK CVarnelDlg::fileListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<NMHEADERW*>(lParam);
        if (header.hdr.code == HDN_DIVIDERDBLCLICKW || header.hdr.code == HDN_DIVIDERDBLCLICKA) {
            reinterpret_cast<CVarnelDlg*>(self)->onDividerDoubleClick(header.iItem);
            return 0;
        }
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

namespace {

int widestText(HWND list, const FileListModel& model, int column) {
    ClientDC dc(list);
    SelectScope keepFont(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const std::u16string& text = model.text(row, column);
        SIZE size{};
        GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()),
                              static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    return widest;
}

}  // namespace

void CVarnelDlg::onDividerDoubleClick(int column) {
    const int target = header_.nearestVisibleColumn(column);
    if (target < 0 || model_.rowCount() == 0) return;
    // The widest text of the column in the list's font, and a margin for the cell's padding.
    const int widest = widestText(fileList_, model_, target);
    ListView_SetColumnWidth(fileList_, target, widest + 12);
}

std::vector<int> CVarnelDlg::selectedRows() const {
    std::vector<int> rows;
    HWND list = item(IDC_FILE_LIST);
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

LRESULT CVarnelDlg::onHeaderEndDrag(NMHDR&) {
    // The new order is in place only after this notification; fix it up then.
    PostMessageW(hwnd(), kKeepHiddenColumnsLast, 0, 0);
    return 0;
}

LRESULT CVarnelDlg::onListDisplayInfo(NMHDR& header) {
    auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
    if ((info.item.mask & LVIF_TEXT) != 0 && info.item.pszText != nullptr &&
        info.item.cchTextMax > 0) {
        const std::u16string& text = model_.text(info.item.iItem, info.item.iSubItem);
        const std::size_t n =
            std::min<std::size_t>(text.size(), static_cast<std::size_t>(info.item.cchTextMax - 1));
        std::copy_n(reinterpret_cast<const wchar_t*>(text.data()), n, info.item.pszText);
        info.item.pszText[n] = L'\0';
    }
    return 0;
}

LRESULT CVarnelDlg::onListColumnClick(NMHDR& header) {
    const int column = reinterpret_cast<NMLISTVIEW&>(header).iSubItem;
    if (chooseSortOrder(sortOrder_, column)) {
        sortRows(model_, sortOrder_, collator_);
        modelChanged();
    }
    return 0;
}

void CVarnelDlg::pickClickedRow(const NMHDR& header) {
    const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(header);
    // The row under the pointer, or -1 below the last row.
    LVHITTESTINFO hit{};
    hit.pt = activate.ptAction;
    const int row = ListView_SubItemHitTest(fileList_, &hit);
    currentRow_ = model_.hasRow(row) ? row : -1;
}

LRESULT CVarnelDlg::onListClick(NMHDR& header) {
    pickClickedRow(header);
    return 0;
}

LRESULT CVarnelDlg::onListDoubleClick(NMHDR& header) {
    pickClickedRow(header);
    onRenameOne(SingleRenameOrigin::DoubleClick);
    return 0;
}

LRESULT CVarnelDlg::onListRightClick(NMHDR& header) {
    pickClickedRow(header);
    POINT screen = reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction;
    ClientToScreen(fileList_, &screen);
    openContextMenu(screen);
    return 0;
}

void CVarnelDlg::openContextMenu(POINT screen) {
    const UniqueMenu loaded(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_LIST_MENU)));
    if (!loaded) return;
    HMENU popup = GetSubMenu(loaded.get(), 0);
    if (model_.rowCount() == 0) {
        // Only adding files and refreshing make sense on an empty list.
        for (int i = 0, n = GetMenuItemCount(popup); i < n; ++i) {
            const UINT id = GetMenuItemID(popup, i);
            if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separators
            if (id == ID_LIST_ADD_FILES || id == ID_LIST_REFRESH) continue;
            EnableMenuItem(popup, static_cast<UINT>(i), MF_BYPOSITION | MF_GRAYED);
        }
    }
    // The commands of the record history and of the window, in their own submenu.
    auto grey = [popup](UINT id, bool off) {
        EnableMenuItem(popup, id, MF_BYCOMMAND | (off ? MF_GRAYED : MF_ENABLED));
    };
    grey(ID_RECORDED_APPLY, model_.rowCount() == 0);
    grey(ID_SAVE_RECORD, model_.rowCount() == 0);
    grey(ID_BULK_TAG_EDIT, model_.rowCount() == 0);
    grey(ID_RECORDED_UNDO, history_.empty());
    CheckMenuItem(popup, ID_TOPMOST, MF_BYCOMMAND | (topmost_ ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(popup, ID_SHOW_TAG_MENU,
                  MF_BYCOMMAND | (checked(IDC_MP3_SHOW_TAG) ? MF_CHECKED : MF_UNCHECKED));
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd(), nullptr);
}

void CVarnelDlg::updateFileCountPane() { setPaneText(0, fileCountText(fileCounter_)); }

}  // namespace tessary
