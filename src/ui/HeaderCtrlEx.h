// CHeaderCtrlEx: the file list's header. It knows which columns are hidden (width 0 and kept at
// the end of the display order) and resizes columns by their dividers itself, so that a column
// can be dragged down to width 0 and opened again, with a cursor that tells the two apart.
//
//   CHeaderCtrlEx header;
//   header.attach(ListView_GetHeader(list));
//   header.resetColumns(9);
//   header.hideColumn(5);
#pragma once

#include <windows.h>

#include <vector>

#include "DialogBase.h"

namespace tessary {

class CHeaderCtrlEx : public SubclassedControl {
  public:
    // Every column visible again; `count` is the number of columns now in the list.
    void resetColumns(int count);
    // The list gained a column at its end, or lost every column from `first` on.
    void columnAdded() { visible_.push_back(true); }
    void columnsRemovedFrom(int first);

    bool isVisible(int column) const;
    // Width 0, and moved to the end of the display order with the other hidden columns.
    void hideColumn(int column);
    // Visible columns first in their display order, then the hidden ones from the back.
    void keepHiddenColumnsLast();
    // `column` itself when it is visible, else the first visible column to its left in the
    // display order; -1 when there is none.
    int nearestVisibleColumn(int column) const;

    // The column whose width a drag started now changes; -1 when no drag is under way.
    int trackedColumn() const { return tracked_; }

  protected:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The header item whose divider lies under x; `open` when it is the divider of a column of
    // width 0 (dragging it opens that column again).
    struct DividerHit {
        int column = -1;
        bool open = false;
    };
    DividerHit hitDivider(int x) const;
    std::vector<int> displayOrder() const;
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);

    bool beginTracking(POINT point);
    void endTracking(bool keepWidth);
    // Inverts the one-pixel line that shows where the tracked divider would go.
    void invertTrackingLine(int pointerX);
    int trackedWidth(int pointerX) const;
    HCURSOR cursorAt(POINT point) const;

    std::vector<bool> visible_;
    int tracked_ = -1;
    int startX_ = 0;
    int startWidth_ = 0;
    int pointerX_ = 0;
    bool liveResize_ = false;
};

}  // namespace tessary
