#pragma once
// A batch runner that runs the work where it is called and presses Stop at a chosen moment, as
// a user would press it while a worker runs: before the work starts (0), or once the derived
// test has seen that many of the events it counts (renames, folders read).

#include <gtest/gtest.h>

#include "disk/BatchProgress.h"

namespace tessary::testing {

class StopPressingRunner : public BatchRunner {
  public:
    StopPressingRunner(BatchWork expected, int stopAfter)
        : expected_(expected), stopAfter_(stopAfter) {}

    void run(int, BatchWork what, const std::function<void(BatchProgress&)>& work) override {
        EXPECT_EQ(what, expected_);
        BatchProgress progress;
        progress_ = &progress;
        if (stopAfter_ == 0) progress.requestStop();
        work(progress);
        EXPECT_EQ(progress.done(), progress.total()) << "every step is counted, done or not";
        progress_ = nullptr;
        ++batches;
    }

    int batches = 0;

  protected:
    // Presses Stop when `events` is the count chosen, while a batch runs.
    void pressStopAt(int events) const {
        if (events == stopAfter_ && progress_) progress_->requestStop();
    }

  private:
    BatchWork expected_;
    int stopAfter_;
    BatchProgress* progress_ = nullptr;
};

}  // namespace tessary::testing
