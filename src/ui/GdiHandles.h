// Owners for GDI objects, menus and device contexts, so that every drawing path gives back
// what it takes even when it returns early.
//
//   UniqueBitmap bmp = loadBitmap(IDB_CAPTION_TILE);
//   MemoryDC mem(screenDc);
//   SelectScope keep(mem, bmp.get());      // restores the old bitmap before mem is deleted
//   BitBlt(screenDc, 0, 0, 2, 40, mem, 0, 0, SRCCOPY);
#pragma once

#include <windows.h>

#include "platform/win32/UniqueHandle.h"

namespace tessary {

template <class Object>
struct GdiObjectKind {
    using Handle = Object;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle object) noexcept { DeleteObject(object); }
};

using UniqueBitmap = UniqueHandle<GdiObjectKind<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectKind<HBRUSH>>;
using UniquePen = UniqueHandle<GdiObjectKind<HPEN>>;
using UniqueFont = UniqueHandle<GdiObjectKind<HFONT>>;
using UniqueRegion = UniqueHandle<GdiObjectKind<HRGN>>;

struct MenuKind {
    using Handle = HMENU;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle menu) noexcept { DestroyMenu(menu); }
};
using UniqueMenu = UniqueHandle<MenuKind>;

// Loads a bitmap resource of this program (the exe or the test exe that links the resources).
inline UniqueBitmap loadBitmap(UINT id) {
    return UniqueBitmap(static_cast<HBITMAP>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// Width and height of a bitmap, {0, 0} for none.
inline SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

// Selects an object into a DC for the lifetime of the scope.
class SelectScope {
  public:
    // A null object selects nothing and restores nothing.
    SelectScope(HDC dc, HGDIOBJ object)
        : dc_(dc), old_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~SelectScope() {
        if (old_ != nullptr && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }
    SelectScope(const SelectScope&) = delete;
    SelectScope& operator=(const SelectScope&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A memory DC compatible with another one.
class MemoryDC {
  public:
    explicit MemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
    ~MemoryDC() {
        if (dc_ != nullptr) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    operator HDC() const { return dc_; }
    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

// The DC of a whole window (frame included), released on scope exit.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// The DC of a window's client area, released on scope exit.
class ClientDC {
  public:
    explicit ClientDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~ClientDC() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint for WM_PAINT.
class PaintDC {
  public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    ~PaintDC() { EndPaint(window_, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    operator HDC() const { return dc_; }
    const PAINTSTRUCT& paint() const { return ps_; }

  private:
    HWND window_;
    HDC dc_;
    PAINTSTRUCT ps_{};
};

// Copies a bitmap 1:1 to (x, y), cut to width x height (a negative size means the whole bitmap).
inline void drawBitmap(HDC target, HBITMAP bitmap, int x, int y, int width = -1, int height = -1,
                       int sourceX = 0, int sourceY = 0) {
    if (bitmap == nullptr) return;
    const SIZE size = bitmapSize(bitmap);
    if (width < 0) width = size.cx;
    if (height < 0) height = size.cy;
    MemoryDC mem(target);
    SelectScope keep(mem, bitmap);
    BitBlt(target, x, y, width, height, mem, sourceX, sourceY, SRCCOPY);
}

}  // namespace tessary
