// Adding files to the main window: the pick command, the drop of files, and the row the window
// builds for each file a feed worker hands over.

#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <algorithm>

#include "commands/AddFiles.h"
#include "commands/ListCommands.h"
#include "ui/AddFilesBatch.h"
#include "ui/VarnelDlg.h"

namespace tessary {
namespace {

// The list shows a batch growing at most this often. One paint of the list costs as much as
// building a few hundred rows under Wine; twice a second is enough to see the batch grow.
constexpr DWORD kListRefreshMs = 500;
// The progress window hears of the batch in steps of this fraction of it: finer than its
// percent label and than its bar (234 pixels), and each message has its cost.
constexpr std::uint64_t kProgressSteps = 250;

}  // namespace

void CVarnelDlg::onPickFiles() { runPickBatch(addBatch_, hwnd(), *shell_, *prompter_, *settings_); }

void CVarnelDlg::showBatchEnded() {
    modelChanged();
    setPaneText(0, fileCountText(model_.rowCount()));
}

void CVarnelDlg::onDropFiles(HDROP drop) {
    runDropBatch(addBatch_, hwnd(), drop, *prompter_);
    DragFinish(drop);
    showBatchEnded();
}

LRESULT CVarnelDlg::onAddFile(WPARAM index, LPARAM kind) {
    if (kind == kAddBatchEnded) {
        showBatchEnded();
        return 0;
    }
    if (kind != kAddDropped && kind != kAddPicked) return 0;
    AddBatchState& state = addBatch_;
    HWND progress = kind == kAddDropped ? state.dropProgress.load() : state.pickProgress.load();
    const UINT progressMessage = kind == kAddDropped ? WM_ADDPROGRESS_DROP : WM_ADDPROGRESS_PICK;
    const std::uint64_t total = std::max<std::uint32_t>(state.total, 1);
    const auto first = static_cast<std::uint32_t>(index);
    const std::uint32_t end = state.queuedEnd;
    const DWORD started = GetTickCount();
    std::uint32_t i = first;
    while (i < end && GetTickCount() - started < kRowsPerMessageMs) {
        addQueuedFile(model_, i, state.queue.at(i), *fileSystem_);
        ++fileCounter_;
        // The progress window is told of the files whose step changes what it shows.
        const std::uint64_t shown = std::uint64_t{i} * kProgressSteps / total;
        if (i == 0 || shown != shownStep_) {
            shownStep_ = shown;
            PostMessageW(progress, progressMessage, i, kProgressStep);
        }
        ++i;
        if (state.stopRequested) break;
    }
    state.rowsBuiltAt = std::chrono::steady_clock::now();
    // The list learns of the new rows a few times a second and once more when the batch ends;
    // the rows it still shows meanwhile are the model's first ones, all of them real.
    const DWORD now = GetTickCount();
    if (now - lastListRefresh_ >= kListRefreshMs) {
        lastListRefresh_ = now;
        modelChanged();
    }
    return static_cast<LRESULT>(i - first);
}

void CVarnelDlg::onAddFilePause(HANDLE resume) {
    // The progress window of a drop lives on this thread: let it show where the batch stands.
    if (HWND progress = addBatch_.dropProgress) UpdateWindow(progress);
    UpdateWindow(list_.handle());
    const DWORD pending = HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_INPUT));
    if ((pending & QS_POSTMESSAGE) != 0) {
        // Behind what was posted meanwhile (a Stop press among it).
        PostMessageW(hwnd(), WM_ADDFILE_PAUSE, 0, reinterpret_cast<LPARAM>(resume));
    } else if ((pending & QS_INPUT) != 0) {
        // A timer comes after the input waiting now.
        pausedFeed_ = resume;
        SetTimer(hwnd(), kAddFileResumeTimer, USER_TIMER_MINIMUM, nullptr);
    } else {
        SetEvent(resume);
    }
}

void CVarnelDlg::onAddFileResumeTimer() {
    KillTimer(hwnd(), kAddFileResumeTimer);
    if (pausedFeed_ != nullptr) SetEvent(pausedFeed_);
    pausedFeed_ = nullptr;
}

}  // namespace tessary
