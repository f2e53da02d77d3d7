#include "ui/AddFilesBatch.h"

// after windows.h
#include <shlobj.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "disk/LastOpenSettings.h"
#include "ui/DlgProgress.h"
#include "ui/Prompter.h"
#include "ui/VarnelDlgServices.h"

namespace tessary {
namespace {

// Ends a feed: the progress window is told, then (for picked files) the main window.
void finishFeed(AddBatchState& state, AddBatchKind kind) {
    if (kind == AddBatchKind::Drop) {
        SendMessageW(state.dropProgress, WM_ADDPROGRESS_DROP, 0, kProgressFinished);
    } else {
        SendMessageW(state.pickProgress, WM_ADDPROGRESS_PICK, 0, kProgressFinished);
        SendMessageW(state.mainWindow, WM_ADDFILE, 0, kAddBatchEnded);
    }
}

// Hands the paths to the main window a group at a time: the window builds each file's row and
// checks for Stop after each, so a stop still takes effect after the file in hand. Under Wine a
// message from one thread to another costs far more than building a row, which made one
// message per file the whole cost of a large batch.
void feedPaths(AddBatchState& state, PathList& paths, AddFileKind kind) {
    HWND main = state.mainWindow;
    const auto total = static_cast<std::uint32_t>(paths.size());
    const auto group = static_cast<std::uint32_t>(
        std::min<std::size_t>(state.filesPerMessage, state.queue.slotCount()));
    const UniqueEvent paused(CreateEventW(nullptr, FALSE, FALSE, nullptr));
    // A group the window did not build whole is queued again from where it stopped; its paths
    // are still in their slots, as a group never holds more paths than there are slots.
    std::uint32_t stored = 0;
    for (std::uint32_t i = 0; i < total && !state.stopRequested;) {
        const std::uint32_t end = std::min(total, i + group);
        for (; stored < end; ++stored) state.queue.store(stored, paths.next());
        state.queuedEnd = end;
        const LRESULT built = SendMessageW(main, WM_ADDFILE, i, kind);
        if (built <= 0) break;  // no window to take them
        i += static_cast<std::uint32_t>(built);
        if (i < total && paused &&
            PostMessageW(main, WM_ADDFILE_PAUSE, 0, reinterpret_cast<LPARAM>(paused.get()))) {
            // Bounded: a window that went away meanwhile never answers.
            WaitForSingleObject(paused.get(), 10'000);
        }
    }
    // The window reads no slot once its last group is built; none may outlive what it views.
    state.queue.release();
}

struct DropFeed {
    AddBatchState* state;
    HDROP drop;
};

DWORD WINAPI feedDroppedFiles(void* argument) {
    const DropFeed& feed = *static_cast<DropFeed*>(argument);
    AddBatchState& state = *feed.state;
    DroppedPaths dropped(feed.drop);
    SendMessageW(state.dropProgress, WM_ADDPROGRESS_DROP, dropped.size(), kProgressStart);
    feedPaths(state, dropped, kAddDropped);
    finishFeed(state, AddBatchKind::Drop);
    return 0;
}

DWORD WINAPI feedPickedFiles(void* argument) {
    AddBatchState& state = *static_cast<AddBatchState*>(argument);
    SendMessageW(state.pickProgress, WM_ADDPROGRESS_PICK, state.picked.size(), kProgressStart);
    StoredPaths picked(state.picked);
    feedPaths(state, picked, kAddPicked);
    finishFeed(state, AddBatchKind::Pick);
    return 0;
}

}  // namespace

DroppedPaths::DroppedPaths(HDROP drop) : drop_(drop) {
    const auto* block = static_cast<const char*>(GlobalLock(drop));
    if (block == nullptr) return;
    locked_ = true;
    const SIZE_T size = GlobalSize(drop);
    const auto& header = *reinterpret_cast<const DROPFILES*>(block);
    if (size < sizeof(DROPFILES) || header.pFiles < sizeof(DROPFILES) || header.pFiles >= size) {
        return;
    }
    // Never past the block, even when its last list is not terminated.
    const char* list = block + header.pFiles;
    const std::size_t bytes = size - header.pFiles;
    if (header.fWide) {
        const std::u16string_view paths(reinterpret_cast<const char16_t*>(list),
                                        bytes / sizeof(char16_t));
        for (ZeroSeparatedCursor<char16_t> counter(paths); counter.next();) ++count_;
        wide_ = ZeroSeparatedCursor<char16_t>(paths);
        return;
    }
    for (const std::string_view path : zeroSeparatedStrings(std::string_view(list, bytes))) {
        const int n = static_cast<int>(path.size());
        std::u16string wide(path.size(), u'\0');
        const int got = MultiByteToWideChar(CP_ACP, 0, path.data(), n,
                                            reinterpret_cast<wchar_t*>(wide.data()), n);
        wide.resize(static_cast<std::size_t>(std::max(got, 0)));
        converted_.push_back(std::move(wide));
    }
    count_ = converted_.size();
}

std::u16string_view DroppedPaths::next() {
    if (!converted_.empty()) return convertedPaths_.next();
    return wide_.next().value_or(std::u16string_view());
}

DroppedPaths::~DroppedPaths() {
    if (locked_) GlobalUnlock(drop_);
}

HDROP makeDropHandle(const std::vector<std::u16string>& paths) {
    std::size_t units = 1;
    for (const auto& p : paths) units += p.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + units * sizeof(char16_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    if (drop == nullptr) return nullptr;
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* text = reinterpret_cast<char16_t*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES));
    for (const auto& p : paths) text = std::copy(p.begin(), p.end(), text) + 1;
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

void runPickBatch(AddBatchState& batch, HWND mainWindow, MainWindowShell& shell, Prompter& prompter,
                  StartSettings& settings) {
    if (batch.running.exchange(true)) return;
    batch.mainWindow = mainWindow;
    FilePick pick = shell.pickFiles(mainWindow, settings.lastOpen.folder());
    if (pick.outcome == FilePick::Outcome::TooMany) {
        prompter.showMessage(kTooManyPicked);
    } else if (pick.outcome == FilePick::Outcome::Confirmed && !pick.files.empty()) {
        if (!settings.lastOpen.store(settings.file, pick.resultPath)) {
            prompter.platformMessageBox(kLastOpenNotWritten, u"", prompt::kOk);
        } else {
            batch.picked = std::move(pick.files);
            batch.total = static_cast<std::uint32_t>(batch.picked.size());
            CDlgProgress2 progress(batch, AddBatchKind::Pick, &feedPickedFiles, &batch);
            progress.runBatch(mainWindow);
            std::vector<std::u16string>().swap(batch.picked);
        }
    }
    batch.running = false;
}

void runDropBatch(AddBatchState& batch, HWND mainWindow, HDROP drop, Prompter& prompter) {
    if (batch.running.exchange(true)) return;
    // Counted here, so that the message is the window's own; the worker reads the paths.
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > kMostDroppedFiles) {
        prompter.showMessage(kTooManyDropped);
    } else {
        batch.mainWindow = mainWindow;
        DropFeed feed{&batch, drop};
        CDlgProgress progress(batch, AddBatchKind::Drop, &feedDroppedFiles, &feed);
        progress.runBatch(mainWindow);
    }
    batch.running = false;
}

void waitAnsweringSends(HANDLE thread) {
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace tessary
