#include "ColorSB.h"

#include <commctrl.h>

namespace tessary {

HWND CColorSB::create(HWND parent, UINT id, DWORD extraStyle) {
    HWND bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | extraStyle, 0, 0,
                               0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
    if (bar == nullptr) return nullptr;
    // The platform adds a grip on its own under a resizable parent; this bar never has one.
    SetWindowLongPtrW(bar, GWL_STYLE, GetWindowLongPtrW(bar, GWL_STYLE) & ~SBARS_SIZEGRIP);
    if (!attach(bar)) {
        DestroyWindow(bar);
        return nullptr;
    }
    return bar;
}

bool CColorSB::setPanes(const std::vector<int>& widths) {
    std::vector<int> edges;
    int right = 0;
    for (int w : widths) {
        right += w;
        edges.push_back(right);
    }
    return SendMessageW(hwnd(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

int CColorSB::paneCount() const {
    return static_cast<int>(SendMessageW(hwnd(), SB_GETPARTS, 0, 0));
}

bool CColorSB::setText(int pane, const std::wstring& text) {
    return SendMessageW(hwnd(), SB_SETTEXTW, static_cast<WPARAM>(pane),
                        reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring CColorSB::text(int pane) const {
    const auto length = LOWORD(SendMessageW(hwnd(), SB_GETTEXTLENGTHW, pane, 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(hwnd(), SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

RECT CColorSB::paneRect(int pane) const {
    RECT r{};
    SendMessageW(hwnd(), SB_GETRECT, pane, reinterpret_cast<LPARAM>(&r));
    // The horizontal extent comes from the pane edges themselves: SB_GETRECT insets it by
    // border widths that differ between systems, and the move buttons are placed by the edges.
    const int count = paneCount();
    if (pane < 0 || pane >= count) return r;
    std::vector<int> edges(static_cast<size_t>(count));
    SendMessageW(hwnd(), SB_GETPARTS, count, reinterpret_cast<LPARAM>(edges.data()));
    r.left = pane == 0 ? 0 : edges[static_cast<size_t>(pane) - 1];
    if (edges[static_cast<size_t>(pane)] >= 0) r.right = edges[static_cast<size_t>(pane)];
    return r;
}

}  // namespace tessary
