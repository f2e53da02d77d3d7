#pragma once
// CDlgProgress (221, drop batches) and CDlgProgress2 (222, pick batches): the small window that
// counts the files of an add-files batch while a feed worker hands them to the main window. It
// starts the worker when it opens and closes 100 ms after the worker reports the end.

#include <string>

#include "platform/win32/UniqueHandle.h"
#include "ui/AddFilesBatch.h"
#include "ui/ColorButton.h"
#include "ui/ColorDlg.h"

namespace tessary {

class CDlgProgress : public CColorDlg {
  public:
    // The worker the window starts; it runs with the window's handle recorded for its kind.
    using Worker = DWORD(WINAPI*)(void*);
    CDlgProgress(AddBatchState& batch, AddBatchKind kind, Worker worker, void* workerArgument);
    ~CDlgProgress() override;

    // Runs the window modally, then waits until the worker has ended.
    INT_PTR runBatch(HWND owner);

  protected:
    BOOL onInitDialog() override;
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The Stop button; the close box and Escape stop the batch as well (the window stays until
    // the worker has finished the file in hand).
    void onOK() override { requestStop(); }
    void onCancel() override { requestStop(); }

  private:
    void requestStop();
    void onProgress(WPARAM wParam, LPARAM lParam);
    // Moves the bar to the file at `index` when that changes a pixel of it.
    void showBarAt(std::uint32_t index);

    AddBatchState& batch_;
    AddBatchKind kind_;
    Worker worker_;
    void* workerArgument_;
    UniqueThread workerThread_;
    std::u16string shownPercent_;
    int shownPixel_ = -1;
    DWORD barShownAt_ = 0;
    std::uint32_t lastStep_ = 0;
    bool finished_ = false;
    bool barTimerSet_ = false;
    CColorButton stop_;
};

using CDlgProgress2 = CDlgProgress;

// Puts the text, the bar, the percent label and the Stop button of a progress window in their
// places; returns the client size the window takes.
SIZE placeProgressControls(HWND dialog);

}  // namespace tessary
