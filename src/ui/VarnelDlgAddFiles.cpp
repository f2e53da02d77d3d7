// Adding files to the main window: the pick command, the drop of files, and the row the window
// builds for each file a feed worker hands over.

#include <windows.h>
// after windows.h
#include <shellapi.h>

#include "filelist/AddFiles.h"
#include "filelist/ListCommands.h"
#include "res/resource.h"
#include "ui/AddFilesBatch.h"
#include "ui/VarnelDlg.h"

namespace tessary {
namespace {

// The list shows a batch growing at most this often; painting it for every file would cost
// more than building the rows.
constexpr DWORD kListRefreshMs = 100;

}  // namespace

void CVarnelDlg::onPickFiles() { startPickBatch(hwnd(), *shell_, *prompter_); }

void CVarnelDlg::onDropFiles(HDROP drop) {
    runDropBatch(hwnd(), drop, *prompter_);
    DragFinish(drop);
    modelChanged();
    setPaneText(0, fileCountText(model_.rowCount()));
}

LRESULT CVarnelDlg::onAddFile(WPARAM index, LPARAM kind) {
    if (kind == kAddBatchEnded) {
        modelChanged();
        setPaneText(0, fileCountText(model_.rowCount()));
        return 0;
    }
    if (kind != kAddDropped && kind != kAddPicked) return 0;
    AddBatchState& state = addBatchState();
    const auto i = static_cast<std::uint32_t>(index);
    addQueuedFile(model_, i, state.queue.at(i), *fileSystem_);
    ++fileCounter_;
    ListView_SetItemCountEx(fileList_, model_.rowCount(), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    const DWORD now = GetTickCount();
    if (now - lastListRefresh_ >= kListRefreshMs) {
        lastListRefresh_ = now;
        InvalidateRect(fileList_, nullptr, FALSE);
    }
    if (kind == kAddDropped) {
        PostMessageW(state.dropProgress, WM_ADDPROGRESS_DROP, index, kProgressStep);
    } else {
        PostMessageW(state.pickProgress, WM_ADDPROGRESS_PICK, index, kProgressStep);
    }
    return 0;
}

}  // namespace tessary
