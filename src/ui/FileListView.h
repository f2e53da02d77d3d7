#pragma once
// The main window's file list: an owner-data report list that shows the model's rows, its
// columns with the two hidden ones kept last by the header, the current row and the selection,
// sorting by a clicked column, and the context menu.

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <vector>

#include "model/FileListModel.h"
#include "model/SortRows.h"
#include "platform/win32/Win32Collator.h"
#include "ui/HeaderCtrlEx.h"

namespace tessary {

class FileListView {
  public:
    explicit FileListView(FileListModel& model) : model_(model) {}
    FileListView(const FileListView&) = delete;
    FileListView& operator=(const FileListView&) = delete;

    // Takes over the form's list control: no rows, the model's columns, the two hidden ones.
    void attach(HWND list);
    HWND handle() const { return list_; }
    bool isHeader(HWND control) const { return control == headerHandle_ && control != nullptr; }

    // Tells the list that the model's rows changed.
    void rowsChanged();
    // The list's columns made the model's, after columns were added or removed.
    void syncColumns();
    // Puts the hidden columns back at the end of the display order after a header drag.
    void keepHiddenColumnsLast() { header_.keepHiddenColumnsLast(); }

    // The row the list commands act on; -1 for none.
    int currentRow() const { return currentRow_; }
    void setCurrentRow(int row) { currentRow_ = row; }
    // The row under a click becomes current (none below the last row).
    void pickClickedRow(const NMHDR& click);
    // The current row after a move, selected, focused and scrolled into view.
    void showMovedRow(int row);
    std::vector<int> selectedRows() const;
    bool hasSelectedRows() const { return ListView_GetSelectedCount(list_) > 0; }
    void clearSelection();
    void selectAll();

    const SortOrder& sortOrder() const { return sortOrder_; }
    // Sorts the rows by the clicked column (a second click reverses); true when they moved.
    bool sortByColumn(int column);

    // Hands the list the text of the cell it is about to paint.
    LRESULT onDisplayInfo(NMHDR& header) const;

    // What the context menu shows checked or greyed beyond the list itself.
    struct MenuState {
        bool historyEmpty = true;
        bool topmost = false;
        bool tagsShown = false;
    };
    // Opens the context menu at a click; its commands go to `owner`.
    void openContextMenu(const NMHDR& click, HWND owner, const MenuState& state) const;

  private:
    // The list control itself, seen first for the header's divider double click: the list
    // would size the column itself, ours measures the rows.
    class ListControl : public SubclassedControl {
      public:
        explicit ListControl(FileListView& view) : view_(view) {}

      protected:
        std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

      private:
        FileListView& view_;
    };
    // A divider double click: the column as wide as its widest text.
    void fitColumnToText(int column);

    FileListModel& model_;
    // Kept: the list asks for its texts many times a page, and looking a control up by its id
    // costs a round trip to the window server under Wine.
    HWND list_ = nullptr;
    HWND headerHandle_ = nullptr;
    ListControl listControl_{*this};
    CHeaderCtrlEx header_;
    SortOrder sortOrder_;
    Win32Collator collator_;
    int currentRow_ = -1;
};

}  // namespace tessary
