#include "MyStatic.h"

#include "ColorDlg.h"
#include "GdiHandles.h"

namespace tessary {

void CMyStatic::showTip(const std::wstring& text, UINT milliseconds) {
    if (!hwnd()) return;
    SetWindowTextW(hwnd(), text.c_str());
    ShowWindow(hwnd(), SW_SHOWNA);
    InvalidateRect(hwnd(), nullptr, TRUE);
    if (milliseconds != 0) SetTimer(hwnd(), kHideTimer, milliseconds, nullptr);
}

void CMyStatic::hideTip() {
    if (!hwnd()) return;
    KillTimer(hwnd(), kHideTimer);
    ShowWindow(hwnd(), SW_HIDE);
    SetWindowTextW(hwnd(), L"");
}

void CMyStatic::draw(HDC dc) const {
    RECT r{};
    GetClientRect(hwnd(), &r);
    UniqueBrush outside(CreateSolidBrush(frame::kBackground));
    FillRect(dc, &r, outside.get());
    UniqueBrush fill(CreateSolidBrush(kFill));
    UniquePen pen(CreatePen(PS_SOLID, 1, RGB(196, 184, 110)));
    SelectScope keepBrush(dc, fill.get());
    SelectScope keepPen(dc, pen.get());
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 15, 15);

    const int length = GetWindowTextLengthW(hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd(), text.data(), length + 1)));
    auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    SelectScope keepFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    InflateRect(&r, -6, -4);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_LEFT | DT_NOPREFIX);
}

std::optional<LRESULT> CMyStatic::onMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_PAINT: {
            PaintDC dc(hwnd());
            draw(dc);
            return 0;
        }
        case WM_PRINTCLIENT:
            draw(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_ERASEBKGND:
            return TRUE;
        case WM_TIMER:
            if (wParam == kHideTimer) {
                hideTip();
                return 0;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace tessary
