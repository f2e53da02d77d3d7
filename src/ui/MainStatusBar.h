#pragma once
// The main window's status bar: the file count, the two move hints and what the last preview
// found, with the buttons "▽" and "△" that lie on panes 1 and 2. The window's layout places the
// bar and the buttons.

#include <windows.h>

#include <string_view>

#include "ui/ColorSB.h"

namespace tessary {

class MainStatusBar {
  public:
    // Creates the bar and the two buttons as children of `window`, in its font, with the
    // panes of a bar `width` wide and their first texts.
    void create(HWND window, int width);
    HWND handle() const { return handle_; }
    // The panes of a bar this wide.
    void setWidth(int width);
    void setText(int pane, std::u16string_view text);

  private:
    CColorSB bar_;
    HWND handle_ = nullptr;
};

}  // namespace tessary
