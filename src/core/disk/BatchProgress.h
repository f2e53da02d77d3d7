#pragma once
// How far a batch of renames has come and whether it is to stop. The batch may run on a worker
// thread while the window shows its progress and its Stop button, so every field is atomic.
// A runner decides where the disk work of a batch runs; the commands hand it that work and
// write their rows once it has returned, on their own thread.

#include <atomic>
#include <functional>

namespace tessary {

class BatchProgress {
  public:
    // The steps the batch will take, once it knows them (after planning).
    void setTotal(int steps) { total_.store(steps, std::memory_order_relaxed); }
    int total() const { return total_.load(std::memory_order_relaxed); }
    void stepsDone(int steps) { done_.fetch_add(steps, std::memory_order_relaxed); }
    int done() const { return done_.load(std::memory_order_relaxed); }

    // Read by the batch after each step: the step in hand is always finished.
    void requestStop() { stop_.store(true, std::memory_order_relaxed); }
    bool stopRequested() const { return stop_.load(std::memory_order_relaxed); }

  private:
    std::atomic<int> total_{0};
    std::atomic<int> done_{0};
    std::atomic<bool> stop_{false};
};

// Before the status pane's account of a batch that was stopped.
inline constexpr char16_t kStoppedMark[] = u"已停止：";

// What a batch does, for the window that shows it.
enum class BatchWork { Renames, PreviewCheck };

class BatchRunner {
  public:
    virtual ~BatchRunner() = default;
    // Runs `work` to its end before returning. `rows` is the size of the batch, by which a
    // runner may choose where to run it. The work touches the disk and reads what its caller
    // prepared; it never writes the caller's rows.
    virtual void run(int rows, BatchWork what, const std::function<void(BatchProgress&)>& work) = 0;
};

// Runs every batch where it is called, with nobody to stop it.
BatchRunner& inlineBatchRunner();

}  // namespace tessary
