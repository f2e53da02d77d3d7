// Helpers of the window tests: message pumping, points for non-client messages, dialog
// templates built at run time, pixels read back from drawings, and answering a modal dialog
// from inside its own modal loop.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/DialogBase.h"

namespace tessary::uitest {

inline void pumpMessages() {
    MSG msg;
    for (int round = 0; round < 4; ++round) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(1);
    }
}

// A point given in window coordinates, as the screen-coordinate lParam of WM_NC* messages.
inline LPARAM screenPoint(HWND window, int x, int y) {
    RECT r{};
    GetWindowRect(window, &r);
    return MAKELPARAM(static_cast<short>(r.left + x), static_cast<short>(r.top + y));
}

inline std::wstring windowText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

// Builds a DLGTEMPLATE with DS_SETFONT and items in memory.
class DialogTemplate {
  public:
    DialogTemplate(DWORD style, short cx, short cy, const std::wstring& title = L"") {
        align();
        put32(style | DS_SETFONT);
        put32(0);
        countAt_ = words_.size();
        put16(0);
        put16(0);
        put16(0);
        put16(static_cast<WORD>(cx));
        put16(static_cast<WORD>(cy));
        put16(0);  // menu
        put16(0);  // class
        putString(title);
        put16(9);
        putString(L"MS Shell Dlg");
    }
    // className: L"Button", L"Static", L"Edit", or a registered class name.
    DialogTemplate& add(const std::wstring& className, const std::wstring& text, WORD id,
                        DWORD style, short x, short y, short cx, short cy) {
        align();
        put32(style | WS_CHILD | WS_VISIBLE);
        put32(0);
        put16(static_cast<WORD>(x));
        put16(static_cast<WORD>(y));
        put16(static_cast<WORD>(cx));
        put16(static_cast<WORD>(cy));
        put16(id);
        putString(className);
        putString(text);
        put16(0);
        ++words_[countAt_];
        return *this;
    }
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    void put16(WORD w) { words_.push_back(w); }
    void put32(DWORD d) {
        put16(LOWORD(d));
        put16(HIWORD(d));
    }
    void putString(const std::wstring& s) {
        for (wchar_t c : s) put16(static_cast<WORD>(c));
        put16(0);
    }
    void align() {
        while (words_.size() % 2 != 0) put16(0);
    }
    std::vector<WORD> words_;
    size_t countAt_ = 0;
};

// A 32-bit drawing surface whose pixels can be read back.
class Surface {
  public:
    Surface(int width, int height, COLORREF fill = RGB(1, 2, 3)) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                   nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        HBRUSH brush = CreateSolidBrush(fill);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    int width() const { return width_; }
    int height() const { return height_; }
    COLORREF pixel(int x, int y) const {
        GdiFlush();
        const std::uint32_t v = bits_[static_cast<size_t>(y) * width_ + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Writes the surface as a 24-bit .bmp file.
    bool save(const std::wstring& path) const;

  private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

// Pixel colour of a bitmap resource at (x, y).
COLORREF resourcePixel(UINT bitmapId, int x, int y);

// Colour distance, for comparisons that survive halftone stretching.
inline int colorDistance(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}

// Runs action on the first dialog of this thread with the given template that becomes visible,
// from a timer inside whatever modal loop is running. One at a time.
void whenDialogShows(UINT templateId, std::function<void(HWND)> action);
// True if the scheduled action has run.
bool dialogActionRan();

}  // namespace tessary::uitest
