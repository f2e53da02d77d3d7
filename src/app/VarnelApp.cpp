#include "app/VarnelApp.h"

#include <commctrl.h>

#include "disk/LastOpenSettings.h"
#include "platform/win32/UniqueHandle.h"
#include "ui/VarnelDlg.h"

namespace tessary {

HWND findRunningInstance() {
    // Walk the top-level windows in Z order; the walk ends at the first handle that is no
    // longer a window (the end of the list, or one that went away meanwhile).
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); IsWindow(window);
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetPropW(window, kInstanceMarker) != nullptr) return window;
    }
    return nullptr;
}

void activateRunningInstance(HWND window) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
}

bool CVarnelApp::InitInstance() {
    // Held while the window runs: a later start that finds it hands over to this copy.
    UniqueMutex mutex(CreateMutexW(nullptr, TRUE, kInstanceMutexName));
    if (!mutex) {
        MessageBoxW(nullptr, kMutexFailedText, nullptr, MB_OK);
        return false;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // A copy still initialising has no marker yet; this one then ends silently.
        if (HWND running = findRunningInstance()) activateRunningInstance(running);
        return false;
    }

    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);

    // Read before the window opens; the window says so if the file could not be created.
    StartSettings settings;
    settings.read();
    {
        CVarnelDlg dialog(instance_, nullptr, nullptr, nullptr, &settings);
        dialog.DoModal();
    }
    return false;
}

}  // namespace tessary
