#include "ui/AddFilesBatch.h"

#include <shellapi.h>

#include <memory>

#include "app/LastOpenSettings.h"
#include "ui/DlgProgress.h"
#include "ui/Prompter.h"
#include "ui/VarnelDlg.h"
#include "ui/VarnelDlgServices.h"

namespace tessary {
namespace {

// Ends a feed: the progress window is told, then (for picked files) the main window.
void finishFeed(AddBatchKind kind) {
    AddBatchState& state = addBatchState();
    if (kind == AddBatchKind::Drop) {
        SendMessageW(state.dropProgress, WM_ADDPROGRESS_DROP, 0, kProgressFinished);
    } else {
        SendMessageW(state.pickProgress, WM_ADDPROGRESS_PICK, 0, kProgressFinished);
        SendMessageW(CVarnelDlg::readyWindow(), WM_ADDFILE, 0, kAddBatchEnded);
    }
}

struct DropFeed {
    HDROP drop;
    Prompter* prompter;
};

DWORD WINAPI feedDroppedFiles(void* argument) {
    const DropFeed& feed = *static_cast<DropFeed*>(argument);
    AddBatchState& state = addBatchState();
    const UINT count = DragQueryFileW(feed.drop, 0xFFFFFFFF, nullptr, 0);
    if (count > 2'147'483'648u) {
        feed.prompter->showMessage(kTooManyDropped);
        finishFeed(AddBatchKind::Drop);
        return 0;
    }
    SendMessageW(state.dropProgress, WM_ADDPROGRESS_DROP, count, kProgressStart);
    HWND main = CVarnelDlg::readyWindow();
    std::u16string path;
    for (UINT i = 0; i < count; ++i) {
        // The whole path, however long: a cut one would name another file.
        const UINT length = DragQueryFileW(feed.drop, i, nullptr, 0);
        path.assign(length + 1, u'\0');
        const UINT got =
            DragQueryFileW(feed.drop, i, reinterpret_cast<wchar_t*>(path.data()), length + 1);
        path.resize(std::min(got, length));
        state.queue.store(i, path);
        SendMessageW(main, WM_ADDFILE, i, kAddDropped);
        if (state.stopRequested) break;
    }
    finishFeed(AddBatchKind::Drop);
    return 0;
}

DWORD WINAPI feedPickedFiles(void*) {
    AddBatchState& state = addBatchState();
    const auto total = static_cast<std::uint32_t>(state.picked.size());
    SendMessageW(state.pickProgress, WM_ADDPROGRESS_PICK, total, kProgressStart);
    HWND main = CVarnelDlg::readyWindow();
    for (std::uint32_t i = 0; i < total; ++i) {
        state.queue.store(i, state.picked[i]);
        SendMessageW(main, WM_ADDFILE, i, kAddPicked);
        if (state.stopRequested) break;
    }
    finishFeed(AddBatchKind::Pick);
    return 0;
}

struct PickArguments {
    HWND main;
    MainWindowShell* shell;
    Prompter* prompter;
};

DWORD WINAPI pickFilesThread(void* argument) {
    const std::unique_ptr<PickArguments> args(static_cast<PickArguments*>(argument));
    AddBatchState& state = addBatchState();
    const FilePick pick = args->shell->pickFiles(args->main, lastOpenSettings().folder());
    if (pick.outcome == FilePick::Outcome::TooMany) {
        args->prompter->showMessage(kTooManyPicked);
    } else if (pick.outcome == FilePick::Outcome::Confirmed && !pick.files.empty()) {
        SettingsFile settings;
        if (!lastOpenSettings().store(settings, pick.resultPath)) {
            args->prompter->platformMessageBox(kLastOpenNotWritten, u"", prompt::kOk);
        } else {
            state.picked = pick.files;
            state.total = static_cast<std::uint32_t>(state.picked.size());
            CDlgProgress2 progress(AddBatchKind::Pick, &feedPickedFiles, nullptr);
            progress.runBatch(args->main);
            state.picked.clear();
        }
    }
    state.running = false;
    return 0;
}

}  // namespace

AddBatchState& addBatchState() {
    static AddBatchState state;
    return state;
}

void startPickBatch(HWND mainWindow, MainWindowShell& shell, Prompter& prompter) {
    AddBatchState& state = addBatchState();
    if (state.running.exchange(true)) return;
    auto* args = new PickArguments{mainWindow, &shell, &prompter};
    HANDLE thread = CreateThread(nullptr, 0, &pickFilesThread, args, 0, nullptr);
    if (thread == nullptr) {
        delete args;
        state.running = false;
        return;
    }
    CloseHandle(thread);
}

void runDropBatch(HWND mainWindow, HDROP drop, Prompter& prompter) {
    AddBatchState& state = addBatchState();
    if (state.running.exchange(true)) return;
    state.drop = drop;
    DropFeed feed{drop, &prompter};
    CDlgProgress progress(AddBatchKind::Drop, &feedDroppedFiles, &feed);
    progress.runBatch(mainWindow);
    state.drop = nullptr;
    state.running = false;
}

void waitAnsweringSends(HANDLE thread) {
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace tessary
