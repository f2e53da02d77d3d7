// The status bar: three panes with the file count and the two move hints, and the two small
// buttons "△" and "▽" that lie inside them.

#include <algorithm>
#include <vector>

#include "commands/ListCommands.h"
#include "res/resource.h"
#include "ui/VarnelDlg.h"
#include "ui/VarnelDlgControls.h"

namespace tessary {
void CVarnelDlg::createStatusBar() {
    // Placed by the window's layout, at the bottom of the client area; it clips its siblings so
    // that the move buttons lying on it stay visible.
    statusBar_ = controls_->statusBar.create(
        hwnd(), kStatusBarId, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | WS_CLIPSIBLINGS);
    controls_->statusBar.setPanes(statusPaneWidths(clientWidth()));
    setPaneText(0, fileCountText(0));
    setPaneText(1, u"向下移动一行-");
    setPaneText(2, u"向上移动一行-");
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    auto makeButton = [&](const wchar_t* text, int id) {
        HWND button = CreateWindowExW(
            0, L"Button", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 15, 20, hwnd(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return button;
    };
    moveDownButton_ = makeButton(L"▽", IDC_MOVE_DOWN);
    moveUpButton_ = makeButton(L"△", IDC_MOVE_UP);
}

void CVarnelDlg::setPaneText(int pane, std::u16string_view text) {
    if (statusBar_ == nullptr) return;
    controls_->statusBar.setText(pane, std::wstring(text.begin(), text.end()));
}

void CVarnelDlg::updateFileCountPane() { setPaneText(0, fileCountText(fileCounter_)); }

}  // namespace tessary
