#pragma once
// The process: one copy at a time, a second start hands the desktop over to the running copy,
// and the main window runs as a modal dialog whose end is the end of the process.

#include <windows.h>

namespace tessary {

inline constexpr wchar_t kInstanceMutexName[] = L"Tessary批量改名器";
inline constexpr wchar_t kMutexFailedText[] = L"创建Mutex对象失败，程序退出！";

// The running copy's main window: the first top-level window, in Z order, that carries the
// instance marker; null when the walk finds none.
HWND findRunningInstance();

// Restores the running copy's window when it is minimised and brings it to the front.
void activateRunningInstance(HWND window);

class CVarnelApp {
  public:
    explicit CVarnelApp(HINSTANCE instance) : instance_(instance) {}
    CVarnelApp(const CVarnelApp&) = delete;
    CVarnelApp& operator=(const CVarnelApp&) = delete;

    // Runs the whole life of the program; reports that no message loop is to follow (false).
    bool InitInstance();

  private:
    HINSTANCE instance_;
};

}  // namespace tessary
