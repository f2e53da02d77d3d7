#pragma once
// The main window's six picture buttons: add files, preview, apply, undo, help and exit, each
// drawn from its four pictures with its caption at the bottom. The window's layout places them
// and its command table answers them.

#include <windows.h>

#include <array>

#include "ui/ColorButton.h"

namespace tessary {

class ButtonRow {
  public:
    // Takes over the six buttons of the window's form; apply and undo start disabled.
    void attach(HWND window);
    void enableApply(bool on) const;
    void enableUndo(bool on) const;

  private:
    HWND window_ = nullptr;
    std::array<CColorButton, 6> buttons_;
};

}  // namespace tessary
