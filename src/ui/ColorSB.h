// CColorSB: the main window's status bar - the platform's status bar without the size grip.
//
//   CColorSB status;
//   status.create(dialog, IDC_STATUS);
//   status.setPanes({200, 135, 125});
//   status.setText(0, L"列表中的文件数:0个");
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "DialogBase.h"

namespace tessary {

class CColorSB : public SubclassedControl {
  public:
    // Creates the status bar as a child of parent and attaches to it; nullptr on failure.
    HWND create(HWND parent, UINT id, DWORD extraStyle = 0);

    // Pane widths in pixels, left to right.
    bool setPanes(const std::vector<int>& widths);
    int paneCount() const;
    bool setText(int pane, const std::wstring& text);
    std::wstring text(int pane) const;
    RECT paneRect(int pane) const;
};

}  // namespace tessary
