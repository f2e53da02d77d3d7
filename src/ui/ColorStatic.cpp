#include "ColorStatic.h"

#include <string>

namespace tessary {

void CColorStatic::setLineColor(COLORREF color) {
    lineColor_ = color;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

void CColorStatic::setBackgroundColor(COLORREF color) {
    background_ = color;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, TRUE);
}

HFONT CColorStatic::font() const {
    if (!font_) {
        font_.reset(CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, L"Dotum"));
    }
    return font_.get();
}

void CColorStatic::draw(HDC dc) const {
    if (!hwnd()) return;
    RECT r{};
    GetClientRect(hwnd(), &r);
    r.top += 10;

    UniquePen pen(CreatePen(PS_SOLID, 1, lineColor_));
    SelectScope keepPen(dc, pen.get());
    SelectScope keepBrush(dc, GetStockObject(NULL_BRUSH));
    // Corners of radius 5: quarter arcs in 10 x 10 boxes.
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 10, 10);

    const int length = GetWindowTextLengthW(hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd(), text.data(), length + 1)));
    SelectScope keepFont(dc, font());
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, background_);
    SetBkMode(dc, OPAQUE);
    // The caption interrupts the top line; a caption longer than the box ends at its edge.
    RECT client{};
    GetClientRect(hwnd(), &client);
    ExtTextOutW(dc, 18, 4, ETO_CLIPPED, &client, text.c_str(), static_cast<UINT>(text.size()),
                nullptr);
}

void CColorStatic::eraseAroundControlsInside(HDC dc) const {
    // The box is the only window over its area (the parent clips its children out), so it
    // paints its background itself; the controls that lie inside it are left out, as they
    // paint themselves and may be drawn before the box.
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int saved = SaveDC(dc);
    for (HWND sibling = GetWindow(GetParent(hwnd()), GW_CHILD); sibling != nullptr;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == hwnd() || !IsWindowVisible(sibling)) continue;
        RECT r{};
        GetWindowRect(sibling, &r);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
        const bool inside = r.left >= client.left && r.top >= client.top &&
                            r.right <= client.right && r.bottom <= client.bottom;
        if (inside) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    UniqueBrush fill(CreateSolidBrush(background_));
    FillRect(dc, &client, fill.get());
    RestoreDC(dc, saved);
}

std::optional<LRESULT> CColorStatic::onMessage(UINT message, WPARAM wParam, LPARAM) {
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
            eraseAroundControlsInside(reinterpret_cast<HDC>(wParam));
            return TRUE;
        case WM_SETTEXT:
        case WM_ENABLE:
            InvalidateRect(hwnd(), nullptr, TRUE);
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace tessary
