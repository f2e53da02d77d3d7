// The file dialogs come from a library loaded when first asked for, never linked at start.
#include <windows.h>
// after windows.h
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "ui/CommonDialogs.h"

namespace tessary {
namespace {

// The libraries this program names in its import table.
std::vector<std::string> importedLibraries() {
    const auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> names;
    if (directory.VirtualAddress == 0) return names;
    for (const auto* entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         entry->Name != 0; ++entry) {
        std::string name = reinterpret_cast<const char*>(base + entry->Name);
        for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        names.push_back(name);
    }
    return names;
}

TEST(CommonDialogs, AreNotLinkedAtStart) {
    const std::vector<std::string> names = importedLibraries();
    ASSERT_FALSE(names.empty());
    for (const std::string& name : names) {
        EXPECT_NE(name, "comdlg32.dll");
        EXPECT_NE(name, "winspool.drv");
    }
}

// Closes the dialog as soon as it is up, as Cancel would.
UINT_PTR CALLBACK cancelAtOnce(HWND hook, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) PostMessageW(GetParent(hook), WM_COMMAND, IDCANCEL, 0);
    return 0;
}

TEST(CommonDialogs, OpenFromTheLibraryLoadedOnFirstUse) {
    for (const bool save : {false, true}) {
        std::vector<wchar_t> name(MAX_PATH, L'\0');
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.lpstrFile = name.data();
        dialog.nMaxFile = MAX_PATH;
        dialog.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_NOCHANGEDIR;
        dialog.lpfnHook = cancelAtOnce;
        // Cancelled rather than failed: the dialog was shown.
        EXPECT_FALSE(save ? showSaveFileDialog(dialog) : showOpenFileDialog(dialog));
        EXPECT_EQ(commonDialogError(), 0u) << save;
    }
}

}  // namespace
}  // namespace tessary
