#include "UiTestSupport.h"

#include <commctrl.h>

#include <cstdio>

#include "ui/GdiHandles.h"

namespace tessary::uitest {
namespace {

// The program registers the common control classes when it starts; so do the window tests.
const bool g_commonControls = [] {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&icc) != FALSE;
}();

UINT g_templateId = 0;
std::function<void(HWND)> g_action;
bool g_ran = false;
UINT_PTR g_timer = 0;

struct Search {
    UINT templateId;
    HWND found;
};

BOOL CALLBACK findDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DialogBase* dialog = DialogBase::fromHandle(window);
    if (IsWindowVisible(window) && dialog != nullptr &&
        dialog->templateId() == search->templateId) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD) {
    Search search{g_templateId, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &findDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return;
    KillTimer(nullptr, g_timer);
    g_timer = 0;
    auto action = std::move(g_action);
    g_action = nullptr;
    g_ran = true;
    action(search.found);
}

}  // namespace

void whenDialogShows(UINT templateId, std::function<void(HWND)> action) {
    if (g_timer != 0) KillTimer(nullptr, g_timer);
    g_templateId = templateId;
    g_action = std::move(action);
    g_ran = false;
    g_timer = SetTimer(nullptr, 0, 10, &onTimer);
}

bool dialogActionRan() { return g_ran; }

COLORREF resourcePixel(UINT bitmapId, int x, int y) {
    UniqueBitmap bitmap = loadBitmap(bitmapId);
    Surface surface(bitmapSize(bitmap.get()).cx, bitmapSize(bitmap.get()).cy);
    drawBitmap(surface.dc(), bitmap.get(), 0, 0);
    return surface.pixel(x, y);
}

bool Surface::save(const std::wstring& path) const {
    GdiFlush();
    const int rowBytes = (width_ * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = height_;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = static_cast<DWORD>(rowBytes * height_);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) return false;
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    std::vector<unsigned char> row(static_cast<size_t>(rowBytes));
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t v = bits_[static_cast<size_t>(y) * width_ + x];
            row[static_cast<size_t>(x) * 3] = v & 0xFF;
            row[static_cast<size_t>(x) * 3 + 1] = (v >> 8) & 0xFF;
            row[static_cast<size_t>(x) * 3 + 2] = (v >> 16) & 0xFF;
        }
        fwrite(row.data(), 1, row.size(), out);
    }
    return fclose(out) == 0;
}

}  // namespace tessary::uitest
