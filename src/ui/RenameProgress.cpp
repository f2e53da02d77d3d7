#include "ui/RenameProgress.h"

#include <algorithm>
#include <cstdint>
#include <system_error>

// after windows.h
#include <commctrl.h>

#include "commands/AddFiles.h"
#include "res/resource.h"
#include "ui/DlgProgress.h"
#include "ui/WindowMessages.h"

namespace tessary {
namespace {

// The bar and the label follow the worker this often; reading two counters costs the worker
// nothing, where a message for each step would cost it a round trip under Wine.
constexpr UINT_PTR kShowTimer = 1;
constexpr UINT kShowMs = 50;
// The bar's range: fine enough for its width in pixels.
constexpr int kBarRange = 1000;
// The window's words while the preview's names are checked against the disk; the form's own
// words are those of a batch of renames.
constexpr wchar_t kCheckingText[] = L"正在检查新名...请稍候!";

HWND shownWindow = nullptr;

}  // namespace

CDlgRenameProgress::CDlgRenameProgress(BatchWork what, const Work& work)
    : CColorDlg(IDD_DLG_RENAME_PROGRESS), what_(what), work_(work) {}

CDlgRenameProgress::~CDlgRenameProgress() {
    if (worker_.joinable()) worker_.join();
}

HWND CDlgRenameProgress::shown() { return shownWindow; }

void CDlgRenameProgress::run(HWND owner) {
    doModal(owner);
    if (worker_.joinable()) {
        worker_.join();
    } else {
        work_(progress_);
    }
    if (failure_) std::rethrow_exception(failure_);
}

BOOL CDlgRenameProgress::onInitDialog() {
    CColorDlg::onInitDialog();
    const SIZE size = placeProgressControls(hwnd());
    if (what_ == BatchWork::PreviewCheck) SetDlgItemTextW(hwnd(), IDC_PROGRESS_TEXT, kCheckingText);
    stop_.attachDialogButton(item(IDOK));
    setClientSizeCentered(size.cx, size.cy);
    SendMessageW(item(IDC_PROGRESS_BAR), PBM_SETRANGE32, 0, kBarRange);
    shownWindow = hwnd();

    HWND window = hwnd();
    try {
        worker_ = std::thread([this, window] {
            try {
                work_(progress_);
            } catch (...) {
                failure_ = std::current_exception();
            }
            ended_ = true;
            PostMessageW(window, WM_RENAME_BATCH_ENDED, 0, 0);
        });
    } catch (const std::system_error&) {
        // No worker: the window closes and the batch runs on the window's thread.
        endDialog(IDCANCEL);
        return FALSE;
    }
    // The timer also closes the window should the worker's message be lost.
    SetTimer(hwnd(), kShowTimer, kShowMs, nullptr);
    SetFocus(item(IDOK));
    return FALSE;  // the focus is set
}

std::optional<LRESULT> CDlgRenameProgress::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_RENAME_BATCH_ENDED || (message == WM_TIMER && wParam == kShowTimer)) {
        showProgress();
        closeIfEnded();
        return 0;
    }
    if (message == WM_DESTROY) {
        KillTimer(hwnd(), kShowTimer);
        shownWindow = nullptr;
    }
    return CColorDlg::onMessage(message, wParam, lParam);
}

void CDlgRenameProgress::showProgress() {
    const int total = progress_.total();
    if (total <= 0) return;
    const int done = std::min(progress_.done(), total);
    const int position = static_cast<int>(std::int64_t{done} * kBarRange / total);
    if (position != shownPosition_) {
        shownPosition_ = position;
        SendMessageW(item(IDC_PROGRESS_BAR), PBM_SETPOS, position, 0);
    }
    std::u16string percent =
        progressPercentText(static_cast<std::uint32_t>(done), static_cast<std::uint32_t>(total));
    if (percent != shownPercent_) {
        shownPercent_ = std::move(percent);
        SetDlgItemTextW(hwnd(), IDC_PROGRESS_PERCENT,
                        reinterpret_cast<const wchar_t*>(shownPercent_.c_str()));
    }
}

void CDlgRenameProgress::closeIfEnded() {
    if (ended_ && !result()) endDialog(IDOK);
}

void CDlgRenameProgress::requestStop() {
    progress_.requestStop();
    EnableWindow(item(IDOK), FALSE);
}

void WindowBatchRunner::run(int rows, BatchWork what,
                            const std::function<void(BatchProgress&)>& work) {
    if (rows <= mostRowsInline_ || owner_ == nullptr) {
        inlineBatchRunner().run(rows, what, work);
        return;
    }
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } running(running_);
    CDlgRenameProgress(what, work).run(owner_);
}

}  // namespace tessary
