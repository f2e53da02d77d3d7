// Start-up of the program under Wine: from process start until its main window is shown,
// against the floor of a program that shows one empty dialog (empty_dialog.exe), both started
// the same way in the same run. Each program is ended as soon as its window is seen.
// Usage: window_startup [repeats]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct FindArgs {
    DWORD process;
    bool needMarker;
    bool found = false;
};

BOOL CALLBACK findShown(HWND window, LPARAM lParam) {
    auto& args = *reinterpret_cast<FindArgs*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != args.process || !IsWindowVisible(window)) return TRUE;
    if (args.needMarker && GetPropW(window, L"Tessary Renamer") == nullptr) return TRUE;
    args.found = true;
    return FALSE;
}

// Seconds from CreateProcess until a visible window of the process (with the program's marker
// when asked) exists; negative when none appeared within 30 s.
double timeToWindow(const fs::path& exe, const fs::path& folder, bool needMarker) {
    std::wstring command = L"\"" + exe.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION p{};
    const auto begin = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &p)) {
        return -1;
    }
    double seconds = -1;
    while (std::chrono::steady_clock::now() - begin < std::chrono::seconds(30)) {
        FindArgs args{p.dwProcessId, needMarker};
        EnumWindows(findShown, reinterpret_cast<LPARAM>(&args));
        if (args.found) {
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
            break;
        }
        Sleep(1);
    }
    TerminateProcess(p.hProcess, 0);
    WaitForSingleObject(p.hProcess, 10'000);
    CloseHandle(p.hThread);
    CloseHandle(p.hProcess);
    return seconds;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path here = fs::path(self).parent_path();
    const fs::path folder =
        fs::temp_directory_path() / (L"tessary-startup-" + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(folder);

    std::vector<double> floor, program;
    for (int i = 0; i < repeats; ++i) {
        floor.push_back(timeToWindow(here / L"empty_dialog.exe", folder, false));
        program.push_back(timeToWindow(here / L"Tessary.exe", folder, true));
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    if (*std::min_element(floor.begin(), floor.end()) < 0 ||
        *std::min_element(program.begin(), program.end()) < 0) {
        std::printf("a window did not appear\n");
        return 1;
    }
    const double f = median(floor), t = median(program);
    std::printf("start-up until the window is shown, median of %d\n", repeats);
    std::printf("  floor: empty dialog   %8.1f ms\n", f * 1e3);
    std::printf("  Tessary main window   %8.1f ms  %.3f x floor (goal <= 1.5)\n", t * 1e3, t / f);
    return 0;
}
