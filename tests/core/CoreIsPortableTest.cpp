// The core is compiled natively for tests, sanitizers and fuzzers, so it must never depend on a
// Win32 header; the adapters that do live in win32/ subfolders.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace {

// The header a line includes, in lower case; empty for any other line.
std::string includedHeader(const std::string& line) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] != '#') return {};
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || line.compare(i, 7, "include") != 0) return {};
    i = line.find_first_of("<\"", i + 7);
    if (i == std::string::npos) return {};
    const std::size_t end = line.find_first_of(">\"", i + 1);
    if (end == std::string::npos) return {};
    std::string name = line.substr(i + 1, end - i - 1);
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

TEST(CoreIsPortable, NoCoreSourceIncludesAWin32Header) {
    const std::filesystem::path src = std::filesystem::path(TESSARY_SOURCE_DIR) / "src";
    if (!std::filesystem::exists(src)) GTEST_SKIP() << "sources not reachable from here";
    const std::set<std::string> win32Headers = {
        "windows.h",  "windef.h",   "winbase.h",  "winuser.h", "wingdi.h",   "winnt.h",
        "winnls.h",   "winerror.h", "winreg.h",   "winsock.h", "winsock2.h", "ws2tcpip.h",
        "commctrl.h", "commdlg.h",  "shellapi.h", "shlobj.h",  "shlwapi.h",  "objbase.h",
        "ole2.h",     "oleauto.h",  "uxtheme.h",  "dwmapi.h",  "tchar.h",    "io.h",
        "direct.h",   "process.h",  "atlbase.h",  "afxwin.h",
    };
    int checked = 0;
    for (const char* dir : {"engine", "filelist", "records", "tags", "app"}) {
        if (!std::filesystem::exists(src / dir)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(src / dir)) {
            const auto ext = entry.path().extension();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
            std::ifstream file(entry.path());
            std::string line;
            int number = 0;
            while (std::getline(file, line)) {
                ++number;
                EXPECT_FALSE(win32Headers.count(includedHeader(line)))
                    << entry.path().filename() << ":" << number << ": " << line;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 10);
}

}  // namespace
