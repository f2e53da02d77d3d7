// Every handle the window and the program take is held by an owner (ui/GdiHandles.h,
// platform/win32/UniqueHandle.h) that gives it back however the code leaves the scope. A call
// that releases a handle by hand elsewhere in the window or the program is named here.

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string_view>

#include "core/SourceIncludes.h"

namespace {

using namespace tessary::test;
namespace fs = std::filesystem;

constexpr std::array<std::string_view, 13> kReleaseCalls = {
    "CloseHandle",  "DeleteObject", "ReleaseDC",         "DeleteDC",    "DestroyMenu",
    "EndPaint",     "DestroyIcon",  "ImageList_Destroy", "RegCloseKey", "FindClose",
    "SelectObject", "LocalFree",    "GlobalFree",
};

bool isNamePart(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// The release call a line of code makes by hand, or empty. Comments do not count.
std::string_view releaseCallIn(std::string_view line) {
    line = line.substr(0, line.find("//"));
    for (const std::string_view call : kReleaseCalls) {
        for (std::size_t at = line.find(call); at != std::string_view::npos;
             at = line.find(call, at + 1)) {
            const std::size_t end = at + call.size();
            const bool wholeName =
                (at == 0 || !isNamePart(line[at - 1])) && end < line.size() && line[end] == '(';
            if (wholeName) return call;
        }
    }
    return {};
}

TEST(OwnedHandles, AReleaseByHandIsFoundInCodeButNotInComments) {
    EXPECT_EQ(releaseCallIn("    if (h != nullptr) CloseHandle(h);"), "CloseHandle");
    EXPECT_EQ(releaseCallIn("    HGDIOBJ old = SelectObject(dc, font);"), "SelectObject");
    EXPECT_EQ(releaseCallIn("    // DeleteObject(part) once combined"), "");
    EXPECT_EQ(releaseCallIn("    MyCloseHandle(h);"), "");
    EXPECT_EQ(releaseCallIn("    closeHandles();"), "");
}

TEST(OwnedHandles, TheWindowAndTheProgramReleaseNothingByHand) {
    const fs::path src = fs::path(TESSARY_SOURCE_DIR) / "src";
    if (!fs::exists(src)) GTEST_SKIP() << "sources not reachable from here";
    std::set<fs::path> files;
    for (const char* layer : {"ui", "app"}) {
        forEachSourceLine(src / layer,
                          [&](const fs::path& file, int number, const std::string& line) {
                              if (file.filename() == "GdiHandles.h")
                                  return;  // the owners themselves
                              files.insert(file);
                              const std::string_view call = releaseCallIn(line);
                              EXPECT_TRUE(call.empty())
                                  << file.lexically_relative(src).generic_string() << ":" << number
                                  << ": " << call << " by hand; let an owner hold the handle";
                          });
    }
    EXPECT_GT(files.size(), 40u);
}

}  // namespace
