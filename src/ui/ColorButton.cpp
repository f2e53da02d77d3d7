#include "ColorButton.h"

#include <string>

#include "ColorDlg.h"
#include "res/resource.h"

namespace tessary {

void CColorButton::setPictures(UINT normal, UINT hover, UINT pressed, UINT disabled) {
    normal_ = normal ? loadBitmap(normal) : UniqueBitmap();
    hover_ = hover ? loadBitmap(hover) : UniqueBitmap();
    pressedPicture_ = pressed ? loadBitmap(pressed) : UniqueBitmap();
    disabled_ = disabled ? loadBitmap(disabled) : UniqueBitmap();
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

bool CColorButton::attachDialogButton(HWND control) {
    if (!attach(control)) return false;
    setPictures(IDB_DLG_BUTTON, IDB_DLG_BUTTON_HOVER, IDB_DLG_BUTTON_PRESSED,
                IDB_DLG_BUTTON_DISABLED);
    setTextMode(0);
    return true;
}

void CColorButton::setTextMode(int mode, int margin) {
    textMode_ = mode;
    textMargin_ = margin;
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

CColorButton::Picture CColorButton::currentPicture() const {
    if (hwnd() && !IsWindowEnabled(hwnd())) return Picture::Disabled;
    if (!mouseOver_) return Picture::Normal;
    return pressed_ ? Picture::Pressed : Picture::Hover;
}

HBITMAP CColorButton::pictureBitmap(Picture picture) const {
    switch (picture) {
        case Picture::Normal:
            return normal_.get();
        case Picture::Hover:
            return hover_.get();
        case Picture::Pressed:
            return pressedPicture_.get();
        case Picture::Disabled:
            return disabled_.get();
    }
    return nullptr;
}

void CColorButton::draw(HDC target, const RECT& rect) const {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    // Composed off screen: the picture, then the caption, copied in one go.
    MemoryDC mem(target);
    UniqueBitmap surface(CreateCompatibleBitmap(target, width, height));
    SelectScope keepSurface(mem, surface.get());
    const RECT local{0, 0, width, height};
    // A missing or smaller picture leaves the window background, not stale pixels.
    UniqueBrush background(CreateSolidBrush(frame::kBackground));
    FillRect(mem, &local, background.get());

    const Picture picture = currentPicture();
    if (HBITMAP bitmap = pictureBitmap(picture)) {
        MemoryDC source(target);
        SelectScope keep(source, bitmap);
        if (picture == Picture::Disabled) {
            const SIZE size = bitmapSize(bitmap);
            SetStretchBltMode(mem, HALFTONE);
            StretchBlt(mem, 0, 0, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
        } else {
            BitBlt(mem, 0, 0, width, height, source, 0, 0, SRCCOPY);
        }
    }
    drawCaption(mem, local);
    BitBlt(target, rect.left, rect.top, width, height, mem, 0, 0, SRCCOPY);
}

void CColorButton::drawCaption(HDC dc, const RECT& rect) const {
    if (!hwnd()) return;
    const int length = GetWindowTextLengthW(hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd(), text.data(), length + 1)));

    auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd(), WM_GETFONT, 0, 0));
    SelectScope keepFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(hwnd()) ? RGB(24, 32, 48) : RGB(128, 128, 128));

    RECT r = rect;
    const auto write = [&](UINT flags) {
        RECT box = r;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, flags);
    };
    const auto writeAboveMargin = [&] {
        if (textMargin_ < r.bottom) r.bottom -= textMargin_;
        write(DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    };
    switch (textMode_) {
        case 0:
            write(DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            break;
        case 1:
            write(DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
            break;
        case 2:
            write(DT_CENTER | DT_TOP | DT_SINGLELINE);
            writeAboveMargin();
            break;
        default:
            writeAboveMargin();
            break;
    }
}

std::optional<LRESULT> CColorButton::onReflected(UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_DRAWITEM) return std::nullopt;
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    draw(item->hDC, item->rcItem);
    return TRUE;
}

std::optional<LRESULT> CColorButton::onMessage(UINT message, WPARAM, LPARAM) {
    // Each state change redraws; the button's own handling (capture, the click) runs after.
    switch (message) {
        case WM_MOUSEMOVE:
            if (!mouseOver_) {
                mouseOver_ = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
                TrackMouseEvent(&track);
                InvalidateRect(hwnd(), nullptr, FALSE);
            }
            break;
        case WM_MOUSELEAVE:
            mouseOver_ = false;
            InvalidateRect(hwnd(), nullptr, FALSE);
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            pressed_ = true;
            InvalidateRect(hwnd(), nullptr, FALSE);
            break;
        case WM_LBUTTONUP:
            pressed_ = false;
            InvalidateRect(hwnd(), nullptr, FALSE);
            break;
        case WM_ERASEBKGND:
            return TRUE;  // the drawing covers the whole button
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace tessary
