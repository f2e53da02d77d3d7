// The core is compiled natively for tests, sanitizers and fuzzers, so it must never depend on a
// Win32 header; what does lives in the platform layer.

#include <gtest/gtest.h>

#include <set>

#include "core/SourceIncludes.h"

namespace {

using namespace tessary::test;

TEST(CoreIsPortable, NoCoreSourceIncludesAWin32Header) {
    const std::filesystem::path core = std::filesystem::path(TESSARY_SOURCE_DIR) / "src" / "core";
    if (!std::filesystem::exists(core)) GTEST_SKIP() << "sources not reachable from here";
    const std::set<std::string> win32Headers = {
        "windows.h",  "windef.h",   "winbase.h",  "winuser.h", "wingdi.h",   "winnt.h",
        "winnls.h",   "winerror.h", "winreg.h",   "winsock.h", "winsock2.h", "ws2tcpip.h",
        "commctrl.h", "commdlg.h",  "shellapi.h", "shlobj.h",  "shlwapi.h",  "objbase.h",
        "ole2.h",     "oleauto.h",  "uxtheme.h",  "dwmapi.h",  "tchar.h",    "io.h",
        "direct.h",   "process.h",  "atlbase.h",  "afxwin.h",
    };
    const std::vector<IncludeLine> includes = includesUnder(core);
    for (const IncludeLine& include : includes) {
        EXPECT_FALSE(win32Headers.count(lowerCase(include.header)))
            << include.file.lexically_relative(core).generic_string() << ":" << include.number
            << ": " << include.header;
    }
    EXPECT_GT(includes.size(), 100u);
}

}  // namespace
