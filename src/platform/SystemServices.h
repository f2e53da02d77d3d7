#pragma once
// What the core asks of the system it runs on, made here for Windows (win32/) and natively
// (native/). The core itself only sees the interfaces; the window, the command-line tool and
// the tests choose these.

#include <memory>

#include "disk/OprFile.h"
#include "model/AnsiCodePage.h"
#include "tags/TagFile.h"

namespace tessary {

// CP_ACP on Windows; natively, GBK (code page 936), the code page of the Chinese desktop.
std::unique_ptr<AnsiCodePage> makeSystemAnsiCodePage();

// The system's files: Win32 on Windows, the standard library's elsewhere.
std::unique_ptr<TagFiles> makeSystemTagFiles();

// The local time now (GetLocalTime on Windows).
SavingTime localSavingTime();

}  // namespace tessary
