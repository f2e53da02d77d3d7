#pragma once
// The add-files batches of the window: the state the feed workers, the progress windows and the
// main window share, and the two batches, each run on the main window's thread. The main window
// owns the state and hands it to each worker and progress window. The workers never touch the list:
// they queue a group of paths and wait while the main window builds their rows.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "commands/AddFiles.h"
#include "platform/win32/UniqueHandle.h"
#include "ui/WindowMessages.h"

namespace tessary {

class MainWindowShell;
class Prompter;
struct StartSettings;

// The most files queued for one message, and the longest the window builds rows in one go.
inline constexpr std::size_t kFilesPerMessage = 4096;
inline constexpr DWORD kRowsPerMessageMs = 30;

enum AddFileKind : LPARAM { kAddDropped = 0, kAddPicked = 1, kAddBatchEnded = 2 };
enum AddProgressStep : LPARAM { kProgressStart = 0, kProgressFinished = 1, kProgressStep = 2 };

enum class AddBatchKind { Drop, Pick };

inline constexpr UINT kMostDroppedFiles = 2'147'483'648u;
inline constexpr char16_t kTooManyDropped[] =
    u"允许添加到列表的最大文件数是2,147,483,648个，您超出了该限制!";

// One window's batches; one runs at a time.
struct AddBatchState {
    AddBatchState() = default;
    AddBatchState(const AddBatchState&) = delete;
    AddBatchState& operator=(const AddBatchState&) = delete;

    PathQueue queue;
    std::atomic<std::uint32_t> total{0};
    std::atomic<std::uint32_t> queuedEnd{0};
    std::size_t filesPerMessage = kFilesPerMessage;
    std::atomic<bool> stopRequested{false};
    // The window the feed workers send their files to, set when a batch starts.
    std::atomic<HWND> mainWindow{nullptr};
    std::atomic<HWND> dropProgress{nullptr};
    std::atomic<HWND> pickProgress{nullptr};
    // The paths of a pick batch, in the dialog's order: written before its feed worker starts,
    // read by that feed worker only, cleared after it has ended.
    std::vector<std::u16string> picked;
    // True from the start of a batch until its worker has ended: two never run at once.
    std::atomic<bool> running{false};
    // When the window last built rows of a batch (its thread only): how long a batch took
    // without the progress window's closing delay.
    std::chrono::steady_clock::time_point rowsBuiltAt;
};

// Runs a pick batch on the calling thread (the main window's): the open-file dialog in the
// folder of the last pick, then the progress window, fed by a worker, until it has closed and the
// worker has ended. The folder of a confirmed pick is stored first; when it cannot be, nothing
// is added.
void runPickBatch(AddBatchState& batch, HWND mainWindow, MainWindowShell& shell, Prompter& prompter,
                  StartSettings& settings);

// Runs a drop batch on the calling thread (the main window's): the progress window, fed by a
// worker, until it has closed and the worker has ended; a drop of more than kMostDroppedFiles
// is refused with a message. Does not release the drop handle.
void runDropBatch(AddBatchState& batch, HWND mainWindow, HDROP drop, Prompter& prompter);

// The paths of a batch, handed to its feed one after another in their order.
class PathList {
  public:
    virtual ~PathList() = default;
    virtual std::size_t size() const = 0;
    // The next path; empty once every path has been handed over.
    virtual std::u16string_view next() = 0;
};

// Paths kept as strings (a pick's, an ANSI drop's made wide), handed over in their order.
class StoredPaths final : public PathList {
  public:
    explicit StoredPaths(const std::vector<std::u16string>& paths) : paths_(paths) {}
    std::size_t size() const override { return paths_.size(); }
    std::u16string_view next() override {
        return next_ < paths_.size() ? std::u16string_view(paths_[next_++]) : std::u16string_view();
    }

  private:
    const std::vector<std::u16string>& paths_;
    std::size_t next_ = 0;
};

// Every path of a drop, in order, each read whole, in one pass over the handle's list (asking
// the shell for path i walks the list from its start, which made a large drop quadratic). The
// paths view the handle's memory, locked while this lives (or, for a drop of ANSI names, their
// wide copies); nothing else is kept of a drop of 200,000 files but their count.
class DroppedPaths final : public PathList {
  public:
    explicit DroppedPaths(HDROP drop);
    ~DroppedPaths() override;
    DroppedPaths(const DroppedPaths&) = delete;
    DroppedPaths& operator=(const DroppedPaths&) = delete;

    std::size_t size() const override { return count_; }
    std::u16string_view next() override;

  private:
    HDROP drop_;
    bool locked_ = false;
    std::size_t count_ = 0;
    ZeroSeparatedCursor<char16_t> wide_{{}};
    std::vector<std::u16string> converted_;
    StoredPaths convertedPaths_{converted_};
};

// The drop handle the shell would make for these paths (wide form), for drops the program makes
// itself, as its tests and benchmarks do; released by DragFinish like any drop.
HDROP makeDropHandle(const std::vector<std::u16string>& paths);

// Waits for a thread to end while still answering the messages other threads send to this
// one, so that a worker blocked in a send to this thread can finish.
void waitAnsweringSends(HANDLE thread);

}  // namespace tessary
