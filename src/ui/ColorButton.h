// CColorButton: an owner-drawn push button shown with four pictures (normal, under the mouse,
// pressed, disabled) and its caption written over them.
//
//   CColorButton apply;
//   apply.attach(dialog, IDC_APPLY);                 // a BS_OWNERDRAW button of the template
//   apply.setPictures(IDB_APPLY_NORMAL, IDB_APPLY_HOVER, IDB_APPLY_PRESSED, IDB_APPLY_DISABLED);
//   apply.setTextMode(3, 3);
//
// The button draws itself when its parent reflects WM_DRAWITEM (DialogBase does).
#pragma once

#include <windows.h>

#include "DialogBase.h"
#include "GdiHandles.h"

namespace tessary {

class CColorButton : public SubclassedControl {
  public:
    enum class Picture { Normal, Hover, Pressed, Disabled };

    // Bitmap resource ids; 0 leaves that picture out.
    void setPictures(UINT normal, UINT hover, UINT pressed, UINT disabled);
    // 0: centred; 1: bottom edge; 2: top edge and again as 3; 3: bottom of the button less the
    // margin.
    void setTextMode(int mode, int margin = 0);
    // Attaches to a push button of the skinned dialogs: the dialog button's four pictures and
    // the caption centred on them.
    bool attachDialogButton(HWND control);

    bool mouseOver() const { return mouseOver_; }
    bool pressed() const { return pressed_; }
    // The picture the button shows in its current state.
    Picture currentPicture() const;

    // Draws the whole button into dc over rect (what WM_DRAWITEM does).
    void draw(HDC dc, const RECT& rect) const;

    std::optional<LRESULT> onReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

  protected:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HBITMAP pictureBitmap(Picture picture) const;
    void drawCaption(HDC dc, const RECT& rect) const;

    UniqueBitmap normal_, hover_, pressedPicture_, disabled_;
    bool mouseOver_ = false;
    bool pressed_ = false;
    int textMode_ = 0;
    int textMargin_ = 0;
};

}  // namespace tessary
