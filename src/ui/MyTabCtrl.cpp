#include "MyTabCtrl.h"

#include <commctrl.h>

#include <algorithm>

namespace tessary {

void CMyTabCtrl::setBackgroundColor(COLORREF color) {
    background_ = color;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

void CMyTabCtrl::setTabPictures(UINT normal, UINT selected) {
    normalTab_ = loadBitmap(normal);
    selectedTab_ = loadBitmap(selected);
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

RECT CMyTabCtrl::tabDrawRect(int index) const {
    RECT r{};
    if (!hwnd() || !TabCtrl_GetItemRect(hwnd(), index, &r)) return RECT{};
    if (index == TabCtrl_GetCurSel(hwnd())) r.top -= 3;
    return r;
}

int CMyTabCtrl::tabRowBottom() const {
    int bottom = 0;
    const int count = hwnd() ? TabCtrl_GetItemCount(hwnd()) : 0;
    for (int i = 0; i < count; ++i) {
        RECT r{};
        if (TabCtrl_GetItemRect(hwnd(), i, &r)) bottom = std::max<int>(bottom, r.bottom);
    }
    return bottom;
}

void CMyTabCtrl::captureParentBackground(HDC compatible, int width, int height) {
    parentBackground_.reset(CreateCompatibleBitmap(compatible, width, height));
    parentBackgroundSize_ = SIZE{width, height};
    MemoryDC mem(compatible);
    SelectScope keep(mem, parentBackground_.get());
    const RECT all{0, 0, width, height};
    UniqueBrush fill(CreateSolidBrush(background_));
    FillRect(mem, &all, fill.get());
    // The parent paints its own background into our copy (not the screen, which may show
    // another window on top).
    HWND parent = GetParent(hwnd());
    if (parent == nullptr) return;
    POINT origin{0, 0};
    MapWindowPoints(hwnd(), parent, &origin, 1);
    POINT old{};
    SetViewportOrgEx(mem, -origin.x, -origin.y, &old);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem.get()), 0);
    SetViewportOrgEx(mem, old.x, old.y, nullptr);
}

void CMyTabCtrl::draw(HDC dc) {
    if (!hwnd()) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int width = client.right;
    const int height = client.bottom;
    if (width <= 0 || height <= 0) return;

    // 1. Background, with the parent's own pixels behind the tab row.
    UniqueBrush fill(CreateSolidBrush(background_));
    FillRect(dc, &client, fill.get());
    if (!parentBackground_ || parentBackgroundSize_.cx != width ||
        parentBackgroundSize_.cy != height) {
        captureParentBackground(dc, width, height);
    }
    const int rowBottom = tabRowBottom();
    drawBitmap(dc, parentBackground_.get(), 0, 0, width, rowBottom);

    // 2. The page frame below the tab row: light on the left and top, dark on the right and
    //    bottom.
    {
        UniquePen white(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
        SelectScope keep(dc, white.get());
        MoveToEx(dc, 0, height - 2, nullptr);
        LineTo(dc, 0, rowBottom);
        LineTo(dc, width - 1, rowBottom);
    }
    {
        UniquePen grey(CreatePen(PS_SOLID, 1, 0x646464));
        SelectScope keep(dc, grey.get());
        MoveToEx(dc, width - 2, rowBottom + 1, nullptr);
        LineTo(dc, width - 2, height - 2);
        LineTo(dc, 0, height - 2);
    }

    // 3. The tabs: a picture each, the selected one reaching higher, and the text centred.
    auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    SelectScope keepFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const int selected = TabCtrl_GetCurSel(hwnd());
    const int count = TabCtrl_GetItemCount(hwnd());
    for (int i = 0; i < count; ++i) {
        RECT r = tabDrawRect(i);
        HBITMAP picture = i == selected ? selectedTab_.get() : normalTab_.get();
        drawBitmap(dc, picture, r.left, r.top, r.right - r.left, r.bottom - r.top);
        wchar_t text[128] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = static_cast<int>(std::size(text));
        if (TabCtrl_GetItem(hwnd(), i, &item)) {
            DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
}

std::optional<LRESULT> CMyTabCtrl::onMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_PAINT: {
            PaintDC screen(hwnd());
            RECT client{};
            GetClientRect(hwnd(), &client);
            MemoryDC mem(screen);
            UniqueBitmap surface(CreateCompatibleBitmap(screen, std::max<LONG>(client.right, 1),
                                                        std::max<LONG>(client.bottom, 1)));
            SelectScope keep(mem, surface.get());
            draw(mem);
            BitBlt(screen, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
            return 0;
        }
        case WM_PRINTCLIENT:
            draw(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_NCPAINT:
            return 0;  // no border of its own
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(hwnd(), &client);
            UniqueBrush fill(CreateSolidBrush(background_));
            FillRect(reinterpret_cast<HDC>(wParam), &client, fill.get());
            return TRUE;
        }
        case WM_SIZE:
            parentBackground_.reset();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace tessary
