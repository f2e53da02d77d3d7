#include "ui/DlgProgress.h"

// after windows.h
#include <commctrl.h>

#include <algorithm>

#include "res/resource.h"

namespace tessary {
namespace {

constexpr UINT_PTR kCloseTimer = 1000;
// Catches the bar up with a step it skipped, should no further step come soon.
constexpr UINT_PTR kBarTimer = 1001;
constexpr UINT kCloseDelayMs = 100;
constexpr int kWidth = 330;
// The bar moves at most this often during a batch. The progress control paints itself at once
// on every move, which under Wine cost about as much as adding the files; twenty moves a
// second still look smooth.
constexpr DWORD kBarMoveMs = 50;

}  // namespace

CDlgProgress::CDlgProgress(AddBatchState& batch, AddBatchKind kind, Worker worker,
                           void* workerArgument)
    : CColorDlg(kind == AddBatchKind::Drop ? IDD_DLG_PROGRESS : IDD_DLG_PROGRESS2),
      batch_(batch),
      kind_(kind),
      worker_(worker),
      workerArgument_(workerArgument) {}

CDlgProgress::~CDlgProgress() = default;

INT_PTR CDlgProgress::runBatch(HWND owner) {
    const INT_PTR result = doModal(owner);
    if (workerThread_) {
        waitAnsweringSends(workerThread_.get());
        workerThread_.reset();
    }
    return result;
}

SIZE placeProgressControls(HWND dialog) {
    MoveWindow(GetDlgItem(dialog, IDC_PROGRESS_TEXT), 20, 16, kWidth - 40, 18, FALSE);
    MoveWindow(GetDlgItem(dialog, IDC_PROGRESS_BAR), 20, 44, kWidth - 40 - 56, 18, FALSE);
    MoveWindow(GetDlgItem(dialog, IDC_PROGRESS_PERCENT), kWidth - 20 - 48, 45, 48, 18, FALSE);
    MoveWindow(GetDlgItem(dialog, IDOK), (kWidth - 70) / 2, 80, 70, 25, FALSE);
    return SIZE{kWidth, 80 + 25 + 16};
}

BOOL CDlgProgress::onInitDialog() {
    CColorDlg::onInitDialog();
    const SIZE size = placeProgressControls(hwnd());
    stop_.attachDialogButton(item(IDOK));
    setClientSizeCentered(size.cx, size.cy);

    HWND bar = item(IDC_PROGRESS_BAR);
    SendMessageW(bar, PBM_SETRANGE32, 1, 100);
    SendMessageW(bar, PBM_SETSTEP, 1, 0);
    SendMessageW(bar, PBM_SETPOS, 1, 0);

    AddBatchState& state = batch_;
    (kind_ == AddBatchKind::Drop ? state.dropProgress : state.pickProgress) = hwnd();
    state.stopRequested = false;
    workerThread_.reset(CreateThread(nullptr, 0, worker_, workerArgument_, 0, nullptr));
    if (!workerThread_) {
        // Nothing will feed the window: it closes as a finished batch does.
        SetTimer(hwnd(), kCloseTimer, kCloseDelayMs, nullptr);
    }
    SetFocus(item(IDOK));
    return FALSE;  // the focus is set
}

std::optional<LRESULT> CDlgProgress::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT progressMessage =
        kind_ == AddBatchKind::Drop ? WM_ADDPROGRESS_DROP : WM_ADDPROGRESS_PICK;
    if (message == progressMessage) {
        onProgress(wParam, lParam);
        return 0;
    }
    if (message == WM_TIMER && wParam == kBarTimer) {
        KillTimer(hwnd(), kBarTimer);
        barTimerSet_ = false;
        showBarAt(lastStep_);
        return 0;
    }
    if (message == WM_TIMER && wParam == kCloseTimer) {
        KillTimer(hwnd(), kCloseTimer);
        endDialog(IDOK);
        return 0;
    }
    if (message == WM_DESTROY) {
        AddBatchState& state = batch_;
        (kind_ == AddBatchKind::Drop ? state.dropProgress : state.pickProgress) = nullptr;
    }
    return CColorDlg::onMessage(message, wParam, lParam);
}

void CDlgProgress::onProgress(WPARAM wParam, LPARAM lParam) {
    AddBatchState& state = batch_;
    HWND bar = item(IDC_PROGRESS_BAR);
    switch (lParam) {
        case kProgressStart:
            state.total = static_cast<std::uint32_t>(wParam);
            SendMessageW(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(wParam));
            break;
        case kProgressStep: {
            const auto index = static_cast<std::uint32_t>(wParam);
            lastStep_ = index;
            // The bar and the label are repainted only when what they show changes: painting
            // them for each of many thousand files would cost more than adding the files.
            if (finished_ || GetTickCount() - barShownAt_ >= kBarMoveMs) {
                showBarAt(index);
            } else if (!barTimerSet_) {
                barTimerSet_ = SetTimer(hwnd(), kBarTimer, kBarMoveMs, nullptr) != 0;
            }
            std::u16string text = progressPercentText(index, state.total);
            if (text != shownPercent_) {
                shownPercent_ = std::move(text);
                SetDlgItemTextW(hwnd(), IDC_PROGRESS_PERCENT,
                                reinterpret_cast<const wchar_t*>(shownPercent_.c_str()));
            }
            break;
        }
        case kProgressFinished:
            // The bar ends where the batch did. The worker's report can overtake the last steps,
            // which the main window posts: those that come after it move the bar at once.
            finished_ = true;
            showBarAt(lastStep_);
            SetTimer(hwnd(), kCloseTimer, kCloseDelayMs, nullptr);
            break;
        default:
            break;
    }
}

void CDlgProgress::showBarAt(std::uint32_t index) {
    HWND bar = item(IDC_PROGRESS_BAR);
    RECT inside{};
    GetClientRect(bar, &inside);
    const std::uint64_t total = std::max<std::uint32_t>(batch_.total, 1);
    const auto pixel = static_cast<int>(std::uint64_t{index} * (inside.right + 1) / total);
    if (pixel == shownPixel_) return;
    shownPixel_ = pixel;
    barShownAt_ = GetTickCount();
    SendMessageW(bar, PBM_SETPOS, index, 0);
}

void CDlgProgress::requestStop() {
    batch_.stopRequested = true;
    EnableWindow(item(IDOK), FALSE);
}

}  // namespace tessary
