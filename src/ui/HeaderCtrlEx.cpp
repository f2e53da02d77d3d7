#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "res/resource.h"
#include "ui/GdiHandles.h"
#include "ui/HeaderCtrlEx.h"

namespace tessary {
namespace {

// How far from a divider, in pixels either side, the pointer still grabs it.
constexpr int kDividerGrab = 4;

}  // namespace

void CHeaderCtrlEx::resetColumns(int count) {
    visible_.assign(static_cast<std::size_t>(std::max(count, 0)), true);
}

void CHeaderCtrlEx::columnsRemovedFrom(int first) {
    if (first >= 0 && first < static_cast<int>(visible_.size())) {
        visible_.resize(static_cast<std::size_t>(first));
    }
}

bool CHeaderCtrlEx::isVisible(int column) const {
    return column < 0 || column >= static_cast<int>(visible_.size()) || visible_[column];
}

std::vector<int> CHeaderCtrlEx::displayOrder() const {
    const int count = Header_GetItemCount(hwnd());
    if (count <= 0) return {};
    std::vector<int> order(static_cast<std::size_t>(count));
    Header_GetOrderArray(hwnd(), count, order.data());
    return order;
}

int CHeaderCtrlEx::columnWidth(int column) const {
    RECT rect{};
    Header_GetItemRect(hwnd(), column, &rect);
    return rect.right - rect.left;
}

void CHeaderCtrlEx::setColumnWidth(int column, int width) {
    // Through the list, so that its rows follow the header.
    ListView_SetColumnWidth(GetParent(hwnd()), column, std::max(width, 0));
}

void CHeaderCtrlEx::hideColumn(int column) {
    if (column < 0 || column >= static_cast<int>(visible_.size())) return;
    if (!visible_[column]) return;
    visible_[column] = false;
    setColumnWidth(column, 0);
    keepHiddenColumnsLast();
}

void CHeaderCtrlEx::keepHiddenColumnsLast() {
    std::vector<int> order = displayOrder();
    if (order.empty()) return;
    std::vector<int> rebuilt(order.size(), -1);
    int front = 0;
    int back = static_cast<int>(order.size()) - 1;
    for (int column : order) {
        if (isVisible(column)) rebuilt[front++] = column;
    }
    for (int column : order) {
        if (!isVisible(column)) rebuilt[back--] = column;
    }
    HWND list = GetParent(hwnd());
    ListView_SetColumnOrderArray(list, static_cast<int>(rebuilt.size()), rebuilt.data());
    InvalidateRect(list, nullptr, TRUE);
}

int CHeaderCtrlEx::nearestVisibleColumn(int column) const {
    const std::vector<int> order = displayOrder();
    const auto at = std::find(order.begin(), order.end(), column);
    if (at == order.end()) return -1;
    for (auto it = std::make_reverse_iterator(at + 1); it != order.rend(); ++it) {
        if (isVisible(*it)) return *it;
    }
    return -1;
}

CHeaderCtrlEx::DividerHit CHeaderCtrlEx::hitDivider(int x) const {
    // The divider nearest to x within reach. Several columns share it when some of them have
    // width 0: left of it the pointer grabs the one column that has a width, right of it the
    // last collapsed one, so that a collapsed column can always be dragged open again.
    int edge = 0;
    int bestDistance = kDividerGrab + 1;
    const std::vector<int> order = displayOrder();
    for (int column : order) {
        RECT rect{};
        Header_GetItemRect(hwnd(), column, &rect);
        const int distance = std::abs(x - static_cast<int>(rect.right));
        if (distance < bestDistance) {
            bestDistance = distance;
            edge = rect.right;
        }
    }
    if (bestDistance > kDividerGrab) return {};
    int wide = -1;
    int firstCollapsed = -1;
    int lastCollapsed = -1;
    for (int column : order) {
        RECT rect{};
        Header_GetItemRect(hwnd(), column, &rect);
        if (rect.right != edge) continue;
        if (rect.right > rect.left) {
            wide = column;
        } else {
            if (firstCollapsed < 0) firstCollapsed = column;
            lastCollapsed = column;
        }
    }
    if (lastCollapsed >= 0 && (x > edge || wide < 0)) {
        return {x > edge ? lastCollapsed : firstCollapsed, true};
    }
    return {wide, false};
}

HCURSOR CHeaderCtrlEx::cursorAt(POINT point) const {
    const DividerHit hit = hitDivider(point.x);
    HINSTANCE module = GetModuleHandleW(nullptr);
    if (hit.column < 0) return LoadCursorW(nullptr, IDC_ARROW);
    if (hit.open) {
        const int target = nearestVisibleColumn(hit.column);
        if (target >= 0 && columnWidth(target) == 0) {
            return LoadCursorW(module, MAKEINTRESOURCEW(IDC_CURSOR_COLUMN_OPEN));
        }
    }
    return LoadCursorW(module, MAKEINTRESOURCEW(IDC_CURSOR_COLUMN_RESIZE));
}

int CHeaderCtrlEx::trackedWidth(int pointerX) const {
    return std::max(startWidth_ + pointerX - startX_, 0);
}

void CHeaderCtrlEx::invertTrackingLine(int pointerX) {
    RECT column{};
    Header_GetItemRect(hwnd(), tracked_, &column);
    POINT at{std::max(column.left, column.right + pointerX - startX_), 0};
    // Header positions move with the list's horizontal scrolling.
    HWND list = GetParent(hwnd());
    MapWindowPoints(hwnd(), list, &at, 1);
    RECT client{};
    GetClientRect(list, &client);
    PatBlt(ClientDC(list), at.x, 0, 1, client.bottom, DSTINVERT);
}

bool CHeaderCtrlEx::beginTracking(POINT point) {
    const DividerHit hit = hitDivider(point.x);
    if (hit.column < 0) return false;
    ReleaseCapture();
    const int column = nearestVisibleColumn(hit.column);
    if (column < 0) return false;
    tracked_ = column;
    startX_ = point.x;
    pointerX_ = point.x;
    startWidth_ = columnWidth(column);
    BOOL fullWindows = FALSE;
    SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullWindows, 0);
    liveResize_ = fullWindows != FALSE;
    SetCapture(hwnd());
    SetCursor(cursorAt(point));
    if (!liveResize_) invertTrackingLine(pointerX_);
    return true;
}

void CHeaderCtrlEx::endTracking(bool keepWidth) {
    const int column = tracked_;
    if (column < 0) return;
    if (!liveResize_) invertTrackingLine(pointerX_);
    // Ended before the capture goes, so that losing it does not end the drag a second time.
    tracked_ = -1;
    if (GetCapture() == hwnd()) ReleaseCapture();
    if (keepWidth) {
        setColumnWidth(column, trackedWidth(pointerX_));
    } else if (liveResize_) {
        setColumnWidth(column, startWidth_);
    }
}

std::optional<LRESULT> CHeaderCtrlEx::onMessage(UINT message, WPARAM, LPARAM lParam) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
        case WM_LBUTTONDOWN:
            if (beginTracking(point)) return 0;
            return std::nullopt;
        case WM_MOUSEMOVE:
            if (tracked_ < 0) return std::nullopt;
            if (liveResize_) {
                pointerX_ = point.x;
                setColumnWidth(tracked_, trackedWidth(pointerX_));
            } else {
                invertTrackingLine(pointerX_);
                pointerX_ = point.x;
                invertTrackingLine(pointerX_);
            }
            return 0;
        case WM_LBUTTONUP:
            if (tracked_ < 0) return std::nullopt;
            pointerX_ = point.x;
            endTracking(true);
            return 0;
        case WM_CAPTURECHANGED:
            if (tracked_ >= 0 && reinterpret_cast<HWND>(lParam) != hwnd()) endTracking(false);
            return std::nullopt;
        case WM_SETCURSOR: {
            if (LOWORD(lParam) != HTCLIENT) return std::nullopt;
            POINT pointer{};
            GetCursorPos(&pointer);
            ScreenToClient(hwnd(), &pointer);
            SetCursor(cursorAt(pointer));
            return TRUE;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace tessary
