// Adding 20,000 files to the main window under Wine in one drop batch (20 folders of 1,000, as
// Wine's lookups slow down with a folder's size), against the floor of a bare loop that asks for
// the attributes of the same files, which every row needs. The batch is the real one: a feed
// worker hands each path to the window, which builds the row while the progress window counts.
// The batch is timed to the moment the window built its last row; the progress window's closing
// delay after it is reported apart.
// Usage: add_files [repeats]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/AddFilesBatch.h"
#include "ui/VarnelDlg.h"
#include "win32/BenchSupport.h"
#include "window/MainWindowBench.h"

using namespace tessary;
using namespace tessary::bench;

namespace {

constexpr int kFolders = 20;
constexpr int kFilesPerFolder = 1'000;

int attributeLoop(const std::vector<std::u16string>& paths) {
    int found = 0;
    for (const auto& path : paths) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (GetFileAttributesExW(wide(path), GetFileExInfoStandard, &data)) ++found;
    }
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    namespace fs = std::filesystem;
    const fs::path root =
        fs::temp_directory_path() / ("tessary-add-bench-" + std::to_string(GetCurrentProcessId()));
    std::vector<std::u16string> paths;
    for (int f = 0; f < kFolders; ++f) {
        const fs::path folder = root / ("folder" + std::to_string(f));
        fs::create_directories(folder);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const fs::path file = folder / ("photo_" + std::to_string(i) + ".jpg");
            HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            CloseHandle(h);
            paths.push_back(file.u16string());
        }
    }
    // The window keeps its settings file in the working folder.
    fs::current_path(root);

    const std::unique_ptr<CVarnelDlg> opened = openMainWindow();
    if (!opened) return 1;
    CVarnelDlg& window = *opened;

    double bestBatch = 1e9;
    double bestFloor = 1e9;
    double bestClosing = 1e9;
    double bestOneFile = 1e9;
    for (int round = 0; round < repeats; ++round) {
        int found = 0;
        const double floor = seconds([&] { found = attributeLoop(paths); });
        window.model().deleteAllRows();
        window.modelChanged();
        HDROP drop = makeDropHandle(paths);
        const auto dropped = std::chrono::steady_clock::now();
        SendMessageW(window.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        const auto closed = std::chrono::steady_clock::now();
        const auto built = window.addBatch().rowsBuiltAt;
        const double batch = std::chrono::duration<double>(built - dropped).count();
        const double closing = std::chrono::duration<double>(closed - built).count();
        if (found != static_cast<int>(paths.size()) ||
            window.model().rowCount() != static_cast<int>(paths.size())) {
            std::fprintf(stderr, "round %d: %d files found, %d rows\n", round + 1, found,
                         window.model().rowCount());
            return 1;
        }
        std::printf("round %d: drop batch %.3f s (then %.0f ms to close), attribute loop %.3f s\n",
                    round + 1, batch, closing * 1000, floor);
        bestBatch = std::min(bestBatch, batch);
        // What any batch costs, whatever its size: a drop of one file.
        window.model().deleteAllRows();
        window.modelChanged();
        const std::vector<std::u16string> one(paths.begin(), paths.begin() + 1);
        HDROP oneDrop = makeDropHandle(one);
        const auto oneDropped = std::chrono::steady_clock::now();
        SendMessageW(window.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(oneDrop), 0);
        if (window.model().rowCount() != 1) {
            std::fprintf(stderr, "round %d: the drop of one file left %d rows\n", round + 1,
                         window.model().rowCount());
            return 1;
        }
        bestOneFile = std::min(
            bestOneFile,
            std::chrono::duration<double>(window.addBatch().rowsBuiltAt - oneDropped).count());
        bestClosing = std::min(bestClosing, closing);
        bestFloor = std::min(bestFloor, floor);
    }
    std::printf("add 20,000 files: %.2f x the attribute loop (goal 2), to the last row built\n",
                bestBatch / bestFloor);
    std::printf("the progress window's closing delay after it: %.0f ms at the least\n",
                bestClosing * 1000);
    std::printf("of the batch, what a drop of one file takes: %.0f ms at the least\n",
                bestOneFile * 1000);

    DestroyWindow(window.hwnd());
    std::error_code ignored;
    fs::current_path(fs::temp_directory_path(), ignored);
    fs::remove_all(root, ignored);
    return 0;
}
