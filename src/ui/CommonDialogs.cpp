#include "ui/CommonDialogs.h"

namespace tessary {

namespace {

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEW*);
using ErrorFunction = DWORD(WINAPI*)();

// A function of the library by name, as its own type.
template <class Function>
Function functionOf(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct CommonDialogLibrary {
    FileDialogFunction open = nullptr;
    FileDialogFunction save = nullptr;
    ErrorFunction error = nullptr;
};

// Loaded once, from the system's own folder only, and kept for the life of the process.
const CommonDialogLibrary& library() {
    static const CommonDialogLibrary loaded = [] {
        CommonDialogLibrary functions;
        wchar_t path[MAX_PATH + 16] = {};
        const UINT length = GetSystemDirectoryW(path, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return functions;
        lstrcatW(path, L"\\comdlg32.dll");
        HMODULE module = LoadLibraryW(path);
        if (module == nullptr) return functions;
        functions.open = functionOf<FileDialogFunction>(module, "GetOpenFileNameW");
        functions.save = functionOf<FileDialogFunction>(module, "GetSaveFileNameW");
        functions.error = functionOf<ErrorFunction>(module, "CommDlgExtendedError");
        return functions;
    }();
    return loaded;
}

}  // namespace

BOOL showOpenFileDialog(OPENFILENAMEW& dialog) {
    if (library().open == nullptr) return FALSE;
    return library().open(&dialog);
}

BOOL showSaveFileDialog(OPENFILENAMEW& dialog) {
    if (library().save == nullptr) return FALSE;
    return library().save(&dialog);
}

DWORD commonDialogError() {
    if (library().error == nullptr) return CDERR_INITIALIZATION;
    return library().error();
}

}  // namespace tessary
