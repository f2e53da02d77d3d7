#include "ui/FileListView.h"

#include <algorithm>

#include "res/resource.h"
#include "ui/GdiHandles.h"

namespace tessary {
namespace {

void insertColumn(HWND list, const FileListModel& model, int c) {
    std::u16string title = model.column(c).header;
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = reinterpret_cast<wchar_t*>(title.data());
    column.cx = model.column(c).width;
    column.iSubItem = c;
    ListView_InsertColumn(list, c, &column);
}

int widestText(HWND list, const FileListModel& model, int column) {
    ClientDC dc(list);
    SelectScope keepFont(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const std::u16string_view text = model.text(row, column);
        SIZE size{};
        GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(text.data()),
                              static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    return widest;
}

}  // namespace

void FileListView::attach(HWND list) {
    list_ = list;
    headerHandle_ = ListView_GetHeader(list);
    model_.deleteAllRows();
    ListView_SetItemCountEx(list, 0, 0);
    ListView_SetExtendedListViewStyle(
        list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP);
    while (ListView_DeleteColumn(list, 0)) {
    }
    for (int c = 0; c < model_.columnCount(); ++c) insertColumn(list, model_, c);
    if (header_.hwnd() != headerHandle_) {
        header_.detach();
        header_.attach(headerHandle_);
    }
    header_.resetColumns(model_.columnCount());
    header_.hideColumn(ColOriginalName);
    header_.hideColumn(ColFullPath);
    if (listControl_.hwnd() != list) {
        listControl_.detach();
        listControl_.attach(list);
    }
}

std::optional<LRESULT> FileListView::ListControl::onMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        const auto& header = *reinterpret_cast<NMHEADERW*>(lParam);
        if (header.hdr.code == HDN_DIVIDERDBLCLICKW || header.hdr.code == HDN_DIVIDERDBLCLICKA) {
            view_.fitColumnToText(header.iItem);
            return 0;
        }
    }
    return std::nullopt;
}

void FileListView::fitColumnToText(int column) {
    const int target = header_.nearestVisibleColumn(column);
    if (target < 0 || model_.rowCount() == 0) return;
    // The widest text of the column in the list's font, and a margin for the cell's padding.
    ListView_SetColumnWidth(list_, target, widestText(list_, model_, target) + 12);
}

void FileListView::rowsChanged() {
    ListView_SetItemCountEx(list_, model_.rowCount(), LVSICF_NOSCROLL);
    InvalidateRect(list_, nullptr, FALSE);
}

void FileListView::syncColumns() {
    int shown = Header_GetItemCount(headerHandle_);
    while (shown > model_.columnCount()) ListView_DeleteColumn(list_, --shown);
    header_.columnsRemovedFrom(shown);
    for (; shown < model_.columnCount(); ++shown) {
        insertColumn(list_, model_, shown);
        header_.columnAdded();
    }
    // New columns go to the end of the display order; the hidden ones stay behind them.
    header_.keepHiddenColumnsLast();
}

void FileListView::pickClickedRow(const NMHDR& click) {
    const auto& activate = reinterpret_cast<const NMITEMACTIVATE&>(click);
    // The row under the pointer, or -1 below the last row.
    LVHITTESTINFO hit{};
    hit.pt = activate.ptAction;
    const int row = ListView_SubItemHitTest(list_, &hit);
    currentRow_ = model_.hasRow(row) ? row : -1;
}

void FileListView::showMovedRow(int row) {
    currentRow_ = row;
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list_, row, state, state);
    ListView_EnsureVisible(list_, row, FALSE);
}

std::vector<int> FileListView::selectedRows() const {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list_, row, LVNI_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

void FileListView::clearSelection() { ListView_SetItemState(list_, -1, 0, LVIS_SELECTED); }

void FileListView::selectAll() { ListView_SetItemState(list_, -1, LVIS_SELECTED, LVIS_SELECTED); }

bool FileListView::sortByColumn(int column) {
    if (!chooseSortOrder(sortOrder_, column)) return false;
    sortRows(model_, sortOrder_, collator_);
    return true;
}

LRESULT FileListView::onDisplayInfo(NMHDR& header) const {
    auto& info = reinterpret_cast<NMLVDISPINFOW&>(header);
    if ((info.item.mask & LVIF_TEXT) != 0 && info.item.pszText != nullptr &&
        info.item.cchTextMax > 0) {
        const std::u16string_view text = model_.text(info.item.iItem, info.item.iSubItem);
        const std::size_t n =
            std::min<std::size_t>(text.size(), static_cast<std::size_t>(info.item.cchTextMax - 1));
        std::copy_n(reinterpret_cast<const wchar_t*>(text.data()), n, info.item.pszText);
        info.item.pszText[n] = L'\0';
    }
    return 0;
}

void FileListView::openContextMenu(const NMHDR& click, HWND owner, const MenuState& state) const {
    POINT screen = reinterpret_cast<const NMITEMACTIVATE&>(click).ptAction;
    ClientToScreen(list_, &screen);
    const UniqueMenu loaded(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_LIST_MENU)));
    if (!loaded) return;
    HMENU popup = GetSubMenu(loaded.get(), 0);
    const bool empty = model_.rowCount() == 0;
    if (empty) {
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
    grey(ID_RECORDED_APPLY, empty);
    grey(ID_SAVE_RECORD, empty);
    grey(ID_BULK_TAG_EDIT, empty);
    grey(ID_RECORDED_UNDO, state.historyEmpty);
    auto tick = [popup](UINT id, bool on) {
        CheckMenuItem(popup, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    tick(ID_TOPMOST, state.topmost);
    tick(ID_SHOW_TAG_MENU, state.tagsShown);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr);
}

}  // namespace tessary
