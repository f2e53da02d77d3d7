// Opening the main window, its message dispatch and the modal run.

#include "ui/VarnelDlg.h"

#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>

#include "platform/win32/Win32FileSystem.h"
#include "res/resource.h"
#include "ui/AddFilesBatch.h"
#include "ui/Win32Prompter.h"

namespace tessary {
static_assert(sizeof(wchar_t) == sizeof(char16_t));

CVarnelDlg::CVarnelDlg(HINSTANCE instance, Prompter* prompter, MainWindowShell* shell,
                       FileSystem* fileSystem, StartSettings* settings)
    : DialogBase(IDD_TESSARY_DIALOG), instance_(instance) {
    if (prompter == nullptr) {
        ownPrompter_ = std::make_unique<Win32Prompter>();
        prompter = ownPrompter_.get();
    }
    if (shell == nullptr) {
        ownShell_ = makeDesktopShell();
        shell = ownShell_.get();
    }
    if (fileSystem == nullptr) {
        ownFileSystem_ = std::make_unique<Win32FileSystem>();
        fileSystem = ownFileSystem_.get();
    }
    if (settings == nullptr) {
        ownSettings_ = std::make_unique<StartSettings>();
        ownSettings_->read();
        settings = ownSettings_.get();
    }
    prompter_ = prompter;
    shell_ = shell;
    fileSystem_ = fileSystem;
    settings_ = settings;
    // Beside LastOpen.ini, which is read from the working folder too.
    journals_ = JournalFolder(workingFolder());
    background_.reset(CreateSolidBrush(kMainBackground));
    mapCommands();
}

CVarnelDlg::~CVarnelDlg() {
    if (hwnd() != nullptr) DestroyWindow(hwnd());
}

INT_PTR CVarnelDlg::DoModal() {
    modal_ = true;
    if (Create() == nullptr) return -1;
    // Our own loop rather than the platform's modal one, so that Alt+F4 can be caught before
    // it becomes a close request.
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!PreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    if (hwnd() != nullptr) DestroyWindow(hwnd());
    return IDOK;
}

HWND CVarnelDlg::Create() { return createModeless(nullptr, true); }

bool CVarnelDlg::PreTranslateMessage(MSG& msg) {
    if (hwnd() == nullptr) return false;
    const bool ours = msg.hwnd == hwnd() || IsChild(hwnd(), msg.hwnd);
    if (!ours) return false;
    if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4) {
        confirmExit();
        return true;
    }
    if (handleShortcutKey(msg)) return true;
    return IsDialogMessageW(hwnd(), &msg) != FALSE;
}

void CVarnelDlg::onDestroyed() {
    // A worker still running sends nothing more to the window that is gone.
    addBatch_.stopRequested = true;
    addBatch_.mainWindow = nullptr;
}

BOOL CVarnelDlg::onInitDialog() {
    frame_.attach(hwnd());
    renamer_.setOwner(hwnd());
    if (auto* own = dynamic_cast<Win32Prompter*>(ownPrompter_.get())) own->setOwner(hwnd());
    SetWindowLongPtrW(hwnd(), GWL_STYLE,
                      GetWindowLongPtrW(hwnd(), GWL_STYLE) | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    if (settings_->loaded == LastOpenLoad::CreateFailed) {
        prompter_->showMessage(kLastOpenCreateFailed);
    }
    rebuildSystemMenu();

    icon_ =
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                      IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SetWindowTextW(hwnd(), kMainTitle);
    // The form's size in dialog units may come out smaller than the smallest window allowed.
    RECT rect;
    GetWindowRect(hwnd(), &rect);
    if (rect.right - rect.left < kMainMinWidth || rect.bottom - rect.top < kMainMinHeight) {
        SetWindowPos(hwnd(), nullptr, 0, 0, std::max<int>(rect.right - rect.left, kMainMinWidth),
                     std::max<int>(rect.bottom - rect.top, kMainMinHeight),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    GetWindowRect(hwnd(), &openingRect_);
    frame_.applyShape();

    list_.attach(item(IDC_FILE_LIST));
    buttons_.attach(hwnd());
    pages_.attach(hwnd());
    statusBar_.create(hwnd(), clientWidth());
    relayout();

    history_.clear();
    centreOnScreen();
    pages_.setDefaults();
    finishOpening();
    PostMessageW(hwnd(), kOfferRecovery, 0, 0);
    return FALSE;  // the focus is set
}

void CVarnelDlg::finishOpening() {
    SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(IDC_NEW_EXT)), TRUE);
    applyLayout();
    // Last: a second start recognises this window by it, and only once it is complete.
    SetPropW(hwnd(), kInstanceMarker, reinterpret_cast<HANDLE>(this));
}

void CVarnelDlg::modelChanged() { list_.rowsChanged(); }

void CVarnelDlg::setPaneText(int pane, std::u16string_view text) { statusBar_.setText(pane, text); }

void CVarnelDlg::setItemText(int id, std::u16string_view text) {
    const std::u16string copy(text);
    SetDlgItemTextW(hwnd(), id, reinterpret_cast<const wchar_t*>(copy.c_str()));
}

bool CVarnelDlg::checked(int id) const { return IsDlgButtonChecked(hwnd(), id) == BST_CHECKED; }

bool CVarnelDlg::refusedWhileRenaming(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!renamer_.running()) return false;
    switch (message) {
        case WM_COMMAND:
        case WM_ADDFILE:
        case WM_CLOSE:
            return true;
        case WM_SYSCOMMAND:
            // Minimising and restoring from the taskbar still work; closing waits.
            return wParam == IDM_FRAME_CLOSE || (wParam & 0xFFF0) == SC_CLOSE;
        case WM_DROPFILES:
            DragFinish(reinterpret_cast<HDROP>(wParam));
            return true;
        case WM_NOTIFY:
            return reinterpret_cast<const NMHDR*>(lParam)->code != LVN_GETDISPINFOW;
        default:
            return false;
    }
}

std::optional<LRESULT> CVarnelDlg::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (refusedWhileRenaming(message, wParam, lParam)) return 0;
    if (message == WM_SIZE) {
        // The frame reshapes the window; the controls follow.
        frame_.handle(message, wParam, lParam);
        onSize(wParam);
        return 0;
    }
    if (auto handled = frame_.handle(message, wParam, lParam)) return handled;
    switch (message) {
        case WM_GETMINMAXINFO:
            onGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SYSCOMMAND: {
            bool handled = false;
            onSysCommand(wParam, lParam, handled);
            if (handled) return 0;
            return std::nullopt;
        }
        case WM_INITMENU:
        case WM_INITMENUPOPUP:
            updateSystemMenuStates();
            return std::nullopt;
        case WM_SYSKEYDOWN:
            if (wParam == VK_F4) {
                confirmExit();
                return 0;
            }
            return std::nullopt;
        case kKeepHiddenColumnsLast:
            list_.keepHiddenColumnsLast();
            return 0;
        case kOfferRecovery:
            offerRecovery();
            return 0;
        case WM_ADDFILE:
            return onAddFile(wParam, lParam);
        case WM_ADDFILE_PAUSE:
            onAddFilePause(reinterpret_cast<HANDLE>(lParam));
            return 0;
        case WM_TIMER:
            if (wParam != kAddFileResumeTimer) return std::nullopt;
            onAddFileResumeTimer();
            return 0;
        case WM_DROPFILES:
            onDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_CLOSE:
            // A close request that did not come through the exit confirmation does nothing.
            return 0;
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, background_.get());
            return TRUE;
        }
        case WM_CTLCOLORDLG:
            return reinterpret_cast<LRESULT>(background_.get());
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            if (const auto reflected = DialogBase::onMessage(message, wParam, lParam)) {
                return reflected;
            }
            wchar_t className[16] = {};
            GetClassNameW(reinterpret_cast<HWND>(lParam), className, 16);
            if (lstrcmpiW(className, L"Edit") == 0) return std::nullopt;
            SetBkColor(reinterpret_cast<HDC>(wParam), kMainBackground);
            return reinterpret_cast<LRESULT>(background_.get());
        }
        case WM_NOTIFY:
            return onNotify(*reinterpret_cast<NMHDR*>(lParam));
        default:
            break;
    }
    return DialogBase::onMessage(message, wParam, lParam);
}

}  // namespace tessary
