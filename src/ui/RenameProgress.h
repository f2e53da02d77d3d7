#pragma once
// Long batches of renames, and the long preview's check of the disk, off the window's thread.
// CDlgRenameProgress is the small window that shows one running on a worker (percent, bar and
// "停止(&S)") while the window it is modal over keeps painting and answering; nothing else can
// change the list meanwhile. It starts the worker when it opens and closes as soon as the
// worker has ended. WindowBatchRunner runs the batches of more than a few hundred rows that way
// and the smaller ones where they are asked for, which is quicker than opening a window.

#include <exception>
#include <functional>
#include <string>
#include <thread>

#include "disk/BatchProgress.h"
#include "ui/ColorButton.h"
#include "ui/ColorDlg.h"

namespace tessary {

inline constexpr int kMostRowsInline = 300;

class CDlgRenameProgress : public CColorDlg {
  public:
    using Work = std::function<void(BatchProgress&)>;
    CDlgRenameProgress(BatchWork what, const Work& work);
    ~CDlgRenameProgress() override;

    // Runs the work to its end on a worker while the window is shown modally over `owner`;
    // where the window cannot be opened, runs it here. Throws what the work threw.
    void run(HWND owner);

    // The window of the batch under way, for its tests; none between batches.
    static HWND shown();

  protected:
    BOOL onInitDialog() override;
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The Stop button; the close box and Escape stop the batch as well. The window stays
    // until the worker has finished the step in hand.
    void onOK() override { requestStop(); }
    void onCancel() override { requestStop(); }

  private:
    void requestStop();
    void showProgress();
    void closeIfEnded();

    BatchWork what_;
    const Work& work_;
    BatchProgress progress_;
    std::thread worker_;
    std::exception_ptr failure_;
    std::atomic<bool> ended_{false};
    std::u16string shownPercent_;
    int shownPosition_ = -1;
    CColorButton stop_;
};

class WindowBatchRunner : public BatchRunner {
  public:
    explicit WindowBatchRunner(HWND owner = nullptr, int mostRowsInline = kMostRowsInline)
        : owner_(owner), mostRowsInline_(mostRowsInline) {}
    void setOwner(HWND owner) { owner_ = owner; }
    void run(int rows, BatchWork what, const std::function<void(BatchProgress&)>& work) override;
    // True while a batch runs on a worker: the owner's thread is in the progress window's
    // loop and must not change what the worker reads.
    bool running() const { return running_; }

  private:
    HWND owner_;
    int mostRowsInline_;
    bool running_ = false;
};

}  // namespace tessary
