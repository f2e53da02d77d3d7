#pragma once
// The main window as the program opens it, for the benchmarks that measure it.

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <cstdio>
#include <memory>

#include "ui/VarnelDlg.h"

namespace tessary::bench {

// The common controls first, as the program's start does; nothing (and a message) when the
// window could not be created.
inline std::unique_ptr<CVarnelDlg> openMainWindow() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    auto window = std::make_unique<CVarnelDlg>(GetModuleHandleW(nullptr));
    if (window->Create() == nullptr) {
        std::fprintf(stderr, "the main window could not be created\n");
        return nullptr;
    }
    return window;
}

}  // namespace tessary::bench
