// Scrolling the main window's file list under Wine: a list of 200,000 rows from top to bottom
// page by page, against the floor of the same list with 20 rows, paged through as often. The list
// is made a few rows high so that 20 rows span several pages; each page down moves the list and
// paints the rows that came into view (the list asks the model for their texts) in both cases,
// so the ratio shows what the size of the list adds to a page.
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

// Turns one page; false when the list was at its end already.
bool pageDown(HWND list) {
    const int top = ListView_GetTopIndex(list);
    SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    UpdateWindow(list);
    return ListView_GetTopIndex(list) != top;
}

// From the top of the list page by page towards its end, at most `most` pages; the jump to the
// top counts as a page, as it paints one. Returns the pages turned.
int pageThrough(HWND list, int most) {
    SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    UpdateWindow(list);
    int pages = 1;
    while (pages < most && pageDown(list)) ++pages;
    return pages;
}

// The short list paged through again and again, until it has turned `pages` pages.
void pageThroughRepeatedly(HWND list, int pages) {
    for (int turned = 0; turned < pages;) turned += pageThrough(list, pages - turned);
}

// A main window holding `rows` rows, its list made kRowsPerPage rows high.
struct ListUnderTest {
    std::unique_ptr<CVarnelDlg> window;
    HWND list = nullptr;
};

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

    // The long list is paged through once, a chunk at a time, each chunk followed by as many
    // pages of the short list: a machine that slows down meanwhile slows both alike.
    SendMessageW(longList.list, WM_VSCROLL, MAKEWPARAM(SB_TOP, 0), 0);
    UpdateWindow(longList.list);
    double longSeconds = 0;
    double shortSeconds = 0;
    int pages = 0;
    for (bool more = true; more && pages < mostPages;) {
        int chunk = 0;
        longSeconds += seconds([&] {
            while (chunk < kChunkPages && pages + chunk < mostPages &&
                   (more = pageDown(longList.list))) {
                ++chunk;
            }
        });
        shortSeconds += seconds([&] { pageThroughRepeatedly(shortList.list, chunk); });
        pages += chunk;
    }
    const int top = ListView_GetTopIndex(longList.list);
    if (pages < mostPages && top < kLongList - ListView_GetCountPerPage(longList.list)) {
        std::fprintf(stderr, "the long list did not reach its end (top row %d)\n", top);
        return 1;
    }
    std::printf("%d pages: 200,000 rows %.1f us/page, 20 rows %.1f us/page\n", pages,
                longSeconds / pages * 1e6, shortSeconds / pages * 1e6);
    std::printf("scroll 200,000 rows: %.2f x the 20-row floor per page (goal 1.5)\n",
                longSeconds / shortSeconds);

    for (ListUnderTest* t : {&longList, &shortList}) DestroyWindow(t->window->hwnd());
    pump();
    longList = {};
    shortList = {};
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(folder, ignored);
    return 0;
}
