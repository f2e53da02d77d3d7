// The status bar: three panes with the file count and the two move hints, and the two small
// buttons "△" and "▽" that lie inside them.

#include <algorithm>
#include <vector>

#include "commands/ListCommands.h"
#include "res/resource.h"
#include "ui/VarnelDlg.h"
#include "ui/VarnelDlgControls.h"

namespace tessary {
namespace {

constexpr int kStatusBarId = 0xE801;
constexpr int kPaneWidths[] = {200, 135, 125};
constexpr int kPaneWidthsTotal = 200 + 135 + 125;

// The three fixed panes, and the last one to the right edge for what a preview found.
std::vector<int> paneWidths(int barWidth) {
    std::vector<int> widths(std::begin(kPaneWidths), std::end(kPaneWidths));
    widths.push_back(std::max(0, barWidth - kPaneWidthsTotal));
    return widths;
}

}  // namespace

void CVarnelDlg::createStatusBar() {
    // Placed by the window itself, at the bottom 20 pixels of the client area; it clips its
    // siblings so that the move buttons lying on it stay visible.
    statusBar_ = controls_->statusBar.create(
        hwnd(), kStatusBarId, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | WS_CLIPSIBLINGS);
    controls_->statusBar.setPanes(paneWidths(clientWidth()));
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
    placeStatusBar();
}

void CVarnelDlg::placeStatusBar() {
    if (statusBar_ == nullptr) return;
    const int width = clientWidth();
    const int top = clientHeight() - 20;
    SetWindowPos(statusBar_, nullptr, 0, top, width, 20, SWP_NOZORDER | SWP_NOACTIVATE);
    controls_->statusBar.setPanes(paneWidths(width));
    // Each button covers its pane with the left edge 85 pixels in and the right edge 35 (pane 1)
    // or 25 (pane 2) pixels in; the buttons are the window's own children so that their
    // commands reach it, kept above the bar.
    struct Placement {
        HWND button;
        int pane;
        int rightInset;
    };
    // The height is the bar's own: the pane rectangle's height is not dependable for a bar
    // that does not size itself (it can come back empty, which would hide the buttons).
    RECT bar{};
    GetClientRect(statusBar_, &bar);
    for (const Placement& p :
         {Placement{moveDownButton_, 1, 35}, Placement{moveUpButton_, 2, 25}}) {
        const RECT pane = controls_->statusBar.paneRect(p.pane);
        SetWindowPos(p.button, HWND_TOP, pane.left + 85, top,
                     (pane.right - p.rightInset) - (pane.left + 85), bar.bottom - bar.top,
                     SWP_NOACTIVATE);
    }
}

void CVarnelDlg::setPaneText(int pane, std::u16string_view text) {
    if (statusBar_ == nullptr) return;
    controls_->statusBar.setText(pane, std::wstring(text.begin(), text.end()));
}

void CVarnelDlg::updateFileCountPane() { setPaneText(0, fileCountText(fileCounter_)); }

}  // namespace tessary
