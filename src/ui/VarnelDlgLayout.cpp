// Putting the controls where the layout says, at start and on every size change; the smallest
// and the maximised window.

#include <algorithm>
#include <climits>

#include "res/resource.h"
#include "ui/GdiHandles.h"
#include "ui/VarnelDlg.h"

namespace tessary {

namespace {

// Where a control that applyLayout() left alone is taken to be: never where the layout wants it.
constexpr RECT kNotPlaced{INT_MIN, INT_MIN, INT_MIN, INT_MIN};

// The width a static needs for its caption in its own font.
int textWidth(HWND control) {
    wchar_t text[128] = {};
    const int length = GetWindowTextW(control, text, 128);
    ClientDC dc(control);
    SelectScope keepFont(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text, length, &size);
    return size.cx;
}

}  // namespace

int CVarnelDlg::clientWidth() const {
    RECT client;
    GetClientRect(hwnd(), &client);
    return client.right;
}

int CVarnelDlg::clientHeight() const {
    RECT client;
    GetClientRect(hwnd(), &client);
    return client.bottom;
}

void CVarnelDlg::applyLayout() {
    // The label's font never changes: it is measured once, when the Insert page has been made.
    if (insertLabelWidth_ == 0 && pages_.made(RulePages::Part::Insert)) {
        insertLabelWidth_ = textWidth(item(IDC_LBL_INS_POS));
    }
    std::vector<ControlPlace> places =
        mainLayout({SIZE{clientWidth(), clientHeight()}, insertLabelWidth_});
    // Only what moved is touched: a size change moves a handful of the window's controls. The
    // layout lists its controls in the same order every time.
    const bool known = placed_.size() == places.size();
    for (std::size_t i = 0; i < places.size(); ++i) {
        ControlPlace& c = places[i];
        if (known && EqualRect(&placed_[i].rect, &c.rect)) continue;
        HWND control = c.id == kStatusBarId ? statusBar_.handle() : item(c.id);
        // The controls of the pages not shown are placed when their page is: moving them all
        // would cost a round trip each, at the opening and at every change of size. A page's
        // controls are made the first time it is shown.
        if (control == nullptr || (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) == 0) {
            c.rect = kNotPlaced;
            continue;
        }
        SetWindowPos(control, c.aboveSiblings ? HWND_TOP : nullptr, c.rect.left, c.rect.top,
                     c.rect.right - c.rect.left, c.rect.bottom - c.rect.top,
                     SWP_NOACTIVATE | (c.aboveSiblings ? 0 : SWP_NOZORDER));
    }
    statusBar_.setWidth(clientWidth());
    placed_ = std::move(places);
}

void CVarnelDlg::relayout() {
    placed_.clear();
    applyLayout();
}

void CVarnelDlg::onSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) return;
    if (kind == SIZE_MAXIMIZED) {
        // The 4-pixel frame lies just outside the work area.
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        RECT now;
        GetWindowRect(hwnd(), &now);
        const RECT wanted{work.left - 4, work.top - 4, work.right + 4, work.bottom + 4};
        if (!EqualRect(&now, &wanted)) {
            SetWindowPos(hwnd(), nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                         wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
            return;  // the move comes back here with the final size
        }
    }
    if (placed_.empty()) return;  // not laid out yet: the opening does it once, whole
    applyLayout();
    frame_.applyShape();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CVarnelDlg::onGetMinMaxInfo(MINMAXINFO& info) const {
    info.ptMinTrackSize = POINT{kMainMinWidth, kMainMinHeight};
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    info.ptMaxPosition = POINT{work.left - 4, work.top - 4};
    info.ptMaxSize = POINT{work.right - work.left + 8, work.bottom - work.top + 8};
}

void CVarnelDlg::centreOnScreen() {
    RECT rect;
    GetWindowRect(hwnd(), &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(hwnd(), nullptr, std::max(x, 0), std::max(y, 0), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tessary
