// CMyTabCtrl: the page tabs drawn with two tab pictures on the window's background, painted
// through a memory surface so switching pages does not flicker.
//
//   CMyTabCtrl tabs;
//   tabs.attach(dialog, IDC_TAB);
//   tabs.setBackgroundColor(0xD6D6D9);
//   tabs.setTabPictures(IDB_TAB, IDB_TAB_SELECTED);
#pragma once

#include <windows.h>

#include "DialogBase.h"
#include "GdiHandles.h"

namespace tessary {

class CMyTabCtrl : public SubclassedControl {
  public:
    void setBackgroundColor(COLORREF color);
    COLORREF backgroundColor() const { return background_; }
    // The picture of a tab that is not selected and the one of the selected tab.
    void setTabPictures(UINT normal, UINT selected);

    // Draws the whole control into dc, in its own coordinates.
    void draw(HDC dc);
    // The rectangle a tab is drawn in (the selected one reaches 3 pixels higher).
    RECT tabDrawRect(int index) const;
    // The bottom of the tab row, where the page frame starts.
    int tabRowBottom() const;

  protected:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void captureParentBackground(HDC compatible, int width, int height);

    COLORREF background_ = 0xD6D6D9;
    UniqueBitmap normalTab_, selectedTab_;
    // The parent's background behind the control, taken on the first paint after each size
    // change.
    UniqueBitmap parentBackground_;
    SIZE parentBackgroundSize_{0, 0};
};

}  // namespace tessary
