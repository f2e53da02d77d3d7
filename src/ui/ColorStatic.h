// CColorStatic: a group box drawn as a thin rounded frame with its caption breaking the top line.
//
//   CColorStatic group;
//   group.attach(dialog, IDC_GRP_BASIC);
//   group.setLineColor(0x8B8B8B);
#pragma once

#include <windows.h>

#include "DialogBase.h"
#include "GdiHandles.h"

namespace tessary {

class CColorStatic : public SubclassedControl {
  public:
    void setLineColor(COLORREF color);
    COLORREF lineColor() const { return lineColor_; }
    void setBackgroundColor(COLORREF color);
    COLORREF backgroundColor() const { return background_; }

    // Draws the frame and the caption into dc, in the control's own coordinates.
    void draw(HDC dc) const;

  protected:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HFONT font() const;
    void eraseAroundControlsInside(HDC dc) const;

    COLORREF lineColor_ = 0x8B8B8B;
    COLORREF background_ = 0xD6D6D9;
    mutable UniqueFont font_;
};

}  // namespace tessary
