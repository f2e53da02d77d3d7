// Scrolling the main window's file list under Wine: a list of 200,000 rows from top to bottom
// page by page, against the floor of the same list with 20 rows, paged down and up as often. The
// list is made a few rows high so that 20 rows span several pages; each page moves the list and
// paints the rows that came into view (the list asks the model for their texts) in both cases,
// which the run counts and compares, so the ratio shows what the size of the list adds to a page.
// Usage: list_scroll [most pages] (the whole list unless a number of pages is given)

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "model/FileListModel.h"
#include "res/resource.h"
#include "ui/VarnelDlg.h"
#include "win32/BenchSupport.h"

using namespace tessary;
using namespace tessary::bench;

namespace {

constexpr int kLongList = 200'000;
constexpr int kShortList = 20;
constexpr int kRowsPerPage = 6;
constexpr int kChunkPages = 200;

std::u16string number(int n, int width) {
    std::string digits = std::to_string(n);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width - static_cast<int>(digits.size())), '0');
    }
    return ascii(digits);
}

// Rows as a photo folder fills them: every visible column has a text.
void fill(CVarnelDlg& window, int rows) {
    FileListModel& model = window.model();
    model.deleteAllRows();
    for (int r = 0; r < rows; ++r) {
        const std::u16string name = u"旅行照片_" + number(r, 6) + u".jpg";
        const int row = model.insertRow(model.rowCount(), name);
        model.setText(row, ColPreview, u"新名字_" + number(r + 1, 6) + u".jpg");
        model.setText(row, ColSize, ascii(std::to_string(100 + r % 9'000)) + u" KB");
        model.setText(row, ColPath, u"C:\\用户\\图片\\2026年\\第" + number(r / 1'000, 3) + u"组\\");
        model.setText(row, ColStatus, kStatusUnchanged);
        model.setText(row, ColOriginalName, name);
        model.setText(row, ColFullPath, u"C:\\用户\\图片\\" + name);
        model.setText(row, ColDateModified, u"2026-12-08 10:" + number(r % 60, 2));
        model.setText(row, ColExtension, u"jpg");
    }
    window.modelChanged();
}

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Turns one page down; false when the list was at its end already.
bool pageDown(HWND list) {
    const int top = ListView_GetTopIndex(list);
    SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    UpdateWindow(list);
    return ListView_GetTopIndex(list) != top;
}

// A main window holding `rows` rows, its list made kRowsPerPage rows high.
struct ListUnderTest {
    std::unique_ptr<CVarnelDlg> window;
    HWND list = nullptr;
    WNDPROC windowProc = nullptr;
    long long cellsAsked = 0;  // cells the list asked the window for while painting
    long long cellsTimed = 0;  // of those, the cells asked while timed
    double seconds = 0;
};

// Counts the cells each list asks for, so that the run can show both lists painted alike.
ListUnderTest* counted[2] = {};

LRESULT CALLBACK countingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    for (ListUnderTest* t : counted) {
        if (t == nullptr || t->window->hwnd() != window) continue;
        if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == LVN_GETDISPINFOW) {
            ++t->cellsAsked;
        }
        return CallWindowProcW(t->windowProc, window, message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void countCells(ListUnderTest& t, int slot) {
    counted[slot] = &t;
    t.windowProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        t.window->hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countingProc)));
}

// The two windows lie on each other: the one about to be paged is brought on top and painted
// whole before its time starts, or the covered list would paint nothing.
void bringOnTop(const ListUnderTest& t) {
    SetWindowPos(t.window->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    UpdateWindow(t.window->hwnd());
    pump();
}

template <typename Paging>
void timePaging(ListUnderTest& t, Paging paging) {
    const long long cellsBefore = t.cellsAsked;
    t.seconds += seconds(paging);
    t.cellsTimed += t.cellsAsked - cellsBefore;
}

// The long list: up to kChunkPages pages down from where it stands; returns the pages turned.
int timeLongPages(ListUnderTest& t, int most) {
    bringOnTop(t);
    int turned = 0;
    timePaging(t, [&] {
        while (turned < most && pageDown(t.list)) ++turned;
    });
    return turned;
}

// The short list: `pages` pages down, each timed alone. Only whole pages are timed: a page whose
// rows, and the row partly shown below them, exist, as on the long list. Before a page that is
// not whole the list goes back to its top untimed, as a jump to the top repaints the whole list.
// (Wine's list ignores SB_TOP in report view, so the first row is brought into view instead.)
void timeShortPages(ListUnderTest& t, int pages) {
    bringOnTop(t);
    const int count = ListView_GetItemCount(t.list);
    for (int turned = 0; turned < pages;) {
        const int perPage = ListView_GetCountPerPage(t.list);
        if (ListView_GetTopIndex(t.list) + 2 * perPage + 1 > count) {
            ListView_EnsureVisible(t.list, 0, FALSE);
            UpdateWindow(t.list);
            continue;
        }
        timePaging(t, [&] { pageDown(t.list); });
        ++turned;
    }
}

ListUnderTest open(int rows) {
    ListUnderTest t;
    t.window = std::make_unique<CVarnelDlg>(GetModuleHandleW(nullptr));
    if (t.window->Create() == nullptr) return {};
    pump();
    t.list = GetDlgItem(t.window->hwnd(), IDC_FILE_LIST);
    fill(*t.window, rows);
    RECT frame{};
    GetWindowRect(t.list, &frame);
    RECT header{};
    GetWindowRect(ListView_GetHeader(t.list), &header);
    const int rowHeight = HIWORD(ListView_GetItemSpacing(t.list, TRUE));
    const int height = (header.bottom - header.top) + kRowsPerPage * rowHeight +
                       2 * GetSystemMetrics(SM_CYEDGE) + GetSystemMetrics(SM_CYHSCROLL);
    SetWindowPos(t.list, nullptr, 0, 0, frame.right - frame.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pump();
    return t;
}

}  // namespace

int main(int argc, char** argv) {
    const int mostPages = argc > 1 ? std::max(1, std::atoi(argv[1])) : kLongList;

    // The window writes its settings file into the working folder: give it one of its own.
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() /
                            ("tessary-scroll-bench-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    fs::current_path(folder);

    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    ListUnderTest longList = open(kLongList);
    ListUnderTest shortList = open(kShortList);
    if (longList.list == nullptr || shortList.list == nullptr) {
        std::fprintf(stderr, "the main window could not be created\n");
        return 1;
    }
    std::printf("rows per page: %d\n", ListView_GetCountPerPage(longList.list));
    countCells(longList, 0);
    countCells(shortList, 1);

    // The long list is paged through once, a chunk at a time, each chunk followed by as many
    // pages of the short list: a machine that slows down meanwhile slows both alike.
    int pages = 0;
    while (pages < mostPages) {
        const int chunk = timeLongPages(longList, std::min(kChunkPages, mostPages - pages));
        if (chunk == 0) break;
        timeShortPages(shortList, chunk);
        pages += chunk;
    }
    const int top = ListView_GetTopIndex(longList.list);
    if (pages < mostPages && top < kLongList - ListView_GetCountPerPage(longList.list)) {
        std::fprintf(stderr, "the long list did not reach its end (top row %d)\n", top);
        return 1;
    }
    const double longCells = static_cast<double>(longList.cellsTimed) / pages;
    const double shortCells = static_cast<double>(shortList.cellsTimed) / pages;
    std::printf("%d pages: 200,000 rows %.1f us/page, 20 rows %.1f us/page\n", pages,
                longList.seconds / pages * 1e6, shortList.seconds / pages * 1e6);
    std::printf("cells painted per page: 200,000 rows %.1f, 20 rows %.1f\n", longCells, shortCells);
    // A floor that paints less than the measured list is no floor.
    if (shortCells < 0.95 * longCells) {
        std::fprintf(stderr, "the 20-row list painted fewer cells per page than the long one\n");
        return 1;
    }
    std::printf("scroll 200,000 rows: %.2f x the 20-row floor per page (goal 1.5)\n",
                longList.seconds / shortList.seconds);

    for (ListUnderTest* t : {&longList, &shortList}) {
        SetWindowLongPtrW(t->window->hwnd(), GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(t->windowProc));
        DestroyWindow(t->window->hwnd());
    }
    pump();
    longList = {};
    shortList = {};
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(folder, ignored);
    return 0;
}
