#include "ui/MainStatusBar.h"

#include <commctrl.h>

#include <string>

#include "commands/ListCommands.h"
#include "res/resource.h"
#include "ui/MainLayout.h"

namespace tessary {

void MainStatusBar::create(HWND window, int width) {
    // It clips its siblings so that the move buttons lying on it stay visible.
    handle_ = bar_.create(window, kStatusBarId,
                          CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | WS_CLIPSIBLINGS);
    setWidth(width);
    setText(0, fileCountText(0));
    setText(1, u"向下移动一行-");
    setText(2, u"向上移动一行-");
    // The buttons are the window's own children, so that their commands reach it.
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    for (const auto& [text, id] : {std::pair{L"▽", IDC_MOVE_DOWN}, std::pair{L"△", IDC_MOVE_UP}}) {
        HWND button = CreateWindowExW(
            0, L"Button", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 15, 20, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

void MainStatusBar::setWidth(int width) {
    if (handle_ != nullptr) bar_.setPanes(statusPaneWidths(width));
}

void MainStatusBar::setText(int pane, std::u16string_view text) {
    if (handle_ != nullptr) bar_.setText(pane, std::wstring(text.begin(), text.end()));
}

}  // namespace tessary
