// The whole job at full scale in the main window under Wine: files in folders of 1,000 are
// dropped, previewed on the Insert page with a running number, applied and undone. Each phase is
// timed beside its floor (the attribute loop every row needs, the preview alone without the
// window, a bare MoveFileW loop over the same names), while a second thread sends the window
// WM_NULL every 50 ms to find its longest unanswered stretch and samples the process's private
// memory. The bench keeps no copy of the paths, so the memory is the program's.
// Usage: end_to_end [files] [--no-move-floor] (200,000 files unless told; without the MoveFileW
// floors, which take as long as apply and undo together, to look at the rest quickly)

#include <windows.h>
// after windows.h
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

#include "res/resource.h"
#include "rules/Preview.h"
#include "ui/AddFilesBatch.h"
#include "ui/VarnelDlg.h"
#include "win32/BenchSupport.h"
#include "window/MainWindowBench.h"

using namespace tessary;
using namespace tessary::bench;

namespace {

constexpr int kFilesPerFolder = 1'000;
constexpr DWORD kPingEveryMs = 50;

enum Phase { Drop, Preview, Apply, Undo, kPhases };
constexpr const char* kPhaseNames[kPhases] = {"drop", "preview", "apply", "undo"};

// The path of file `i` under `root`, written into `out` (room for MAX_PATH units); its length.
std::size_t pathOf(const std::u16string& root, int i, char16_t* out) {
    const std::string tail = "folder" + std::to_string(i / kFilesPerFolder) + "\\photo_" +
                             std::to_string(i % kFilesPerFolder) + ".jpg";
    std::copy(root.begin(), root.end(), out);
    std::copy(tail.begin(), tail.end(), out + root.size());
    out[root.size() + tail.size()] = 0;
    return root.size() + tail.size();
}

// The drop handle of these files, written straight from their names.
HDROP dropOf(const std::u16string& root, int files) {
    std::size_t units = 1;
    char16_t path[MAX_PATH];
    for (int i = 0; i < files; ++i) units += pathOf(root, i, path) + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + units * sizeof(char16_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* at = reinterpret_cast<char16_t*>(header + 1);
    for (int i = 0; i < files; ++i) at += pathOf(root, i, at) + 1;
    *at = 0;
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

std::size_t privateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof(counters));
    // Windows keeps the peak itself; Wine reports the present use there, hence the sampling.
    return std::max<std::size_t>(counters.PrivateUsage, counters.PeakPagefileUsage);
}

// Sends the window WM_NULL every 50 ms while a phase of the program runs and notes, for each
// phase, the longest a message waited for its answer and the most private memory seen. While a
// floor runs the window's thread is busy with it, so no message is sent then.
class Watcher {
  public:
    explicit Watcher(HWND window) : window_(window), thread_([this] { run(); }) {}
    ~Watcher() {
        stop_ = true;
        thread_.join();
    }
    // Answers the message in flight first, which then counts for the phase it was sent in.
    void enter(int phase) {
        phase_ = phase;
        while (inFlight_) {
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
            Sleep(1);
        }
    }
    void enterFloor() { enter(kIdle); }
    double longestWait(Phase phase) const { return longestWaitMs_[phase] / 1000.0; }
    std::size_t mostMemory(Phase phase) const { return mostMemory_[phase]; }

  private:
    static constexpr int kIdle = -1;

    void run() {
        while (!stop_) {
            inFlight_ = true;
            const int phase = phase_;
            if (phase == kIdle) {
                inFlight_ = false;
                Sleep(1);
                continue;
            }
            const auto sent = std::chrono::steady_clock::now();
            DWORD_PTR answer = 0;
            SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 60'000, &answer);
            const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - sent)
                                    .count();
            inFlight_ = false;
            std::atomic<long long>& longest = longestWaitMs_[phase];
            longest = std::max<long long>(longest, waited);
            mostMemory_[phase] = std::max(mostMemory_[phase].load(), privateBytes());
            if (waited < kPingEveryMs) Sleep(kPingEveryMs - static_cast<DWORD>(waited));
        }
    }

    HWND window_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> inFlight_{false};
    std::atomic<int> phase_{kIdle};
    std::atomic<long long> longestWaitMs_[kPhases] = {};
    std::atomic<std::size_t> mostMemory_[kPhases] = {};
    std::thread thread_;
};

int attributeLoop(const std::u16string& root, int files) {
    int found = 0;
    char16_t path[MAX_PATH];
    for (int i = 0; i < files; ++i) {
        pathOf(root, i, path);
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (GetFileAttributesExW(reinterpret_cast<const wchar_t*>(path), GetFileExInfoStandard,
                                 &data))
            ++found;
    }
    return found;
}

// Renames every row's file between its listed name and its Preview name, as a bare loop would.
int moveLoop(const FileListModel& model, bool toPreview) {
    int moved = 0;
    char16_t listed[MAX_PATH];
    char16_t renamed[MAX_PATH];
    for (int row = 0; row < model.rowCount(); ++row) {
        const std::u16string_view full = model.text(row, ColFullPath);
        const std::u16string_view folder = model.text(row, ColPath);
        const std::u16string_view preview = model.text(row, ColPreview);
        *std::copy(full.begin(), full.end(), listed) = 0;
        *std::copy(preview.begin(), preview.end(),
                   std::copy(folder.begin(), folder.end(), renamed)) = 0;
        const auto* from = reinterpret_cast<const wchar_t*>(toPreview ? listed : renamed);
        const auto* to = reinterpret_cast<const wchar_t*>(toPreview ? renamed : listed);
        if (MoveFileW(from, to)) ++moved;
    }
    return moved;
}

int rowsReading(const FileListModel& model, std::u16string_view status) {
    int count = 0;
    for (int row = 0; row < model.rowCount(); ++row) count += model.text(row, ColStatus) == status;
    return count;
}

void click(HWND window, int id) { SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }

bool fail(const char* what, int count, int files) {
    std::fprintf(stderr, "%s: %d of %d\n", what, count, files);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::max(kFilesPerFolder, std::atoi(argv[1])) : 200'000;
    const bool moveFloor = !(argc > 2 && std::string(argv[2]) == "--no-move-floor");
    const std::u16string root = makeBenchFolder(u"tessary-end-to-end");
    const double made = seconds([&] {
        char16_t path[MAX_PATH];
        for (int f = 0; f * kFilesPerFolder < files; ++f) {
            CreateDirectoryW(wide(root + u"folder" + ascii(std::to_string(f))), nullptr);
        }
        for (int i = 0; i < files; ++i) {
            pathOf(root, i, path);
            CloseHandle(CreateFileW(reinterpret_cast<const wchar_t*>(path), GENERIC_WRITE, 0,
                                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        }
    });
    std::printf("%d files in folders of %d made in %.1f s\n", files, kFilesPerFolder, made);
    // The window keeps its settings and journals in the working folder.
    SetCurrentDirectoryW(wide(root));
    const std::size_t memoryAtStart = privateBytes();

    const std::unique_ptr<CVarnelDlg> opened = openMainWindow();
    if (!opened) return 1;
    CVarnelDlg& window = *opened;
    const HWND hwnd = window.hwnd();
    FileListModel& model = window.model();
    double floor[kPhases] = {};
    double measured[kPhases] = {};
    bool ok = true;
    {
        Watcher watcher(hwnd);

        int found = 0;
        watcher.enterFloor();
        floor[Drop] = seconds([&] { found = attributeLoop(root, files); });
        if (found != files) ok = fail("attributes read", found, files);
        HDROP drop = dropOf(root, files);
        watcher.enter(Drop);
        const auto dropped = std::chrono::steady_clock::now();
        SendMessageW(hwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        const auto shown = std::chrono::steady_clock::now();
        measured[Drop] =
            std::chrono::duration<double>(window.addBatch().rowsBuiltAt - dropped).count();
        const double closing =
            std::chrono::duration<double>(shown - window.addBatch().rowsBuiltAt).count();
        if (model.rowCount() != files) ok = fail("rows listed", model.rowCount(), files);

        SendMessageW(GetDlgItem(hwnd, IDC_TAB), TCM_SETCURSEL, PageInsert, 0);
        NMHDR tabChanged{GetDlgItem(hwnd, IDC_TAB), static_cast<UINT_PTR>(IDC_TAB),
                         static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(hwnd, WM_NOTIFY, IDC_TAB, reinterpret_cast<LPARAM>(&tabChanged));
        click(hwnd, IDC_INS_SEQ);
        SetDlgItemTextW(hwnd, IDC_INS_TEXT, L"旅行-/N-");
        SetDlgItemTextW(hwnd, IDC_SEQ_DIGITS, L"6");
        const PageOptions options = window.readPageOptions();
        watcher.enterFloor();
        floor[Preview] = seconds([&] { runPreview(model, PageInsert, options); });
        watcher.enter(Preview);
        measured[Preview] = seconds([&] { click(hwnd, IDC_PREVIEW); });
        if (!IsWindowEnabled(GetDlgItem(hwnd, IDC_APPLY))) ok = fail("preview enabled Apply", 0, 1);

        if (moveFloor) {
            watcher.enterFloor();
            int moved = 0;
            floor[Apply] = seconds([&] { moved = moveLoop(model, true); });
            if (moved != files) ok = fail("bare renames", moved, files);
            floor[Undo] = seconds([&] { moved = moveLoop(model, false); });
            if (moved != files) ok = fail("bare renames back", moved, files);
        }

        watcher.enter(Apply);
        measured[Apply] = seconds([&] { click(hwnd, IDC_APPLY); });
        const int applied = rowsReading(model, u"改名成功");
        if (applied != files) ok = fail("rows renamed", applied, files);
        watcher.enter(Undo);
        measured[Undo] = seconds([&] { click(hwnd, IDC_UNDO); });
        const int undone = rowsReading(model, u"撤销改名成功");
        if (undone != files) ok = fail("rows renamed back", undone, files);

        std::printf("%-8s %9s %9s %7s %13s %13s  %s\n", "phase", "program", "floor", "ratio",
                    "longest wait", "most memory", "floor");
        const char* floorNames[kPhases] = {"attribute loop", "preview alone", "MoveFileW loop",
                                           "MoveFileW loop"};
        for (int p = 0; p < kPhases; ++p) {
            const auto phase = static_cast<Phase>(p);
            std::printf("%-8s %8.2fs %8.2fs %6.2fx %11.0fms %10.1f MB  %s\n", kPhaseNames[p],
                        measured[p], floor[p], floor[p] > 0 ? measured[p] / floor[p] : 0.0,
                        watcher.longestWait(phase) * 1000, watcher.mostMemory(phase) / 1e6,
                        floor[p] > 0 ? floorNames[p] : "not measured");
        }
        std::printf("the drop's progress window closed %.0f ms after the last row was built\n",
                    closing * 1000);
        std::printf("longest unanswered stretch during apply: %.0f ms (goal 250)\n",
                    watcher.longestWait(Apply) * 1000);
        std::size_t peak = 0;
        for (int p = 0; p < kPhases; ++p) peak = std::max(peak, watcher.mostMemory(Phase(p)));
        std::printf("peak private memory: %.1f MB (goal 120; %.1f MB before the window)\n",
                    peak / 1e6, memoryAtStart / 1e6);
    }
    if (!ok) std::printf("FAILED: see the messages above\n");

    DestroyWindow(hwnd);
    SetCurrentDirectoryW(L"C:\\");
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(root), ignored);
    return ok ? 0 : 1;
}
