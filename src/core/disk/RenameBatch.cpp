#include "disk/RenameBatch.h"

#include <algorithm>

#include "disk/RenameJournal.h"
#include "model/FileListModel.h"
#include "model/NumberText.h"

namespace tessary {

RowResult refusedResult(const RowPlan& row) {
    RowResult result;
    switch (row.verdict) {
        case RowVerdict::Unchanged:
        case RowVerdict::Rename:
            break;
        case RowVerdict::SameNewName:
        case RowVerdict::NameTaken:
            result.outcome = RenameOutcome::TargetExists;
            break;
        case RowVerdict::SameFile:
        case RowVerdict::SourceMissing:
            result.outcome = RenameOutcome::SourceMissing;
            break;
        case RowVerdict::InvalidName:
            result.outcome = RenameOutcome::OtherFailure;
            result.problem = row.problem;
            break;
    }
    return result;
}

namespace {

class Runner {
  public:
    Runner(const RenamePlan& plan, FileSystem& fs, BatchProgress* progress)
        : plan_(plan), fs_(fs), progress_(progress) {}

    // The rows' results; those left aside go into `aside`.
    std::vector<RowResult> run(std::vector<std::pair<int, std::u16string_view>>& aside) {
        aside_ = &aside;
        results_.reserve(plan_.rows.size());
        for (const RowPlan& row : plan_.rows) results_.push_back(refusedResult(row));
        if (progress_) progress_->setTotal(static_cast<int>(plan_.steps.size()));
        for (const StepGroup& group : plan_.groups) {
            if (stopRequested()) {
                leaveUndone(group.first, group.first + group.count);
            } else if (group.cycle) {
                runCycle(group);
            } else {
                runChain(group);
            }
        }
        return std::move(results_);
    }

  private:
    const RenameStep& step(int index) const { return plan_.steps[static_cast<std::size_t>(index)]; }
    RowResult& resultOf(const RenameStep& s) { return results_[static_cast<std::size_t>(s.row)]; }

    RenameOutcome move(const RenameStep& s, bool back) {
        const std::u16string_view folder = plan_.folders[static_cast<std::size_t>(s.folder)];
        from_.assign(folder).append(back ? s.to() : s.from());
        to_.assign(folder).append(back ? s.from() : s.to());
        return fs_.rename(from_, to_);
    }

    bool stopRequested() const { return progress_ && progress_->stopRequested(); }
    void countSteps(int steps) {
        if (progress_) progress_->stepsDone(steps);
    }
    void leaveUndone(int first, int end) {
        for (int i = first; i < end; ++i) resultOf(step(i)).reached = false;
        countSteps(end - first);
    }

    // A row whose step fails stays; every row after it waited for the name it would have
    // freed, and stays too. A stop between two steps leaves the rest of the chain where it is,
    // which needs no undoing: each later step only waited for the one before it.
    void runChain(const StepGroup& group) {
        int i = group.first;
        const int end = group.first + group.count;
        for (; i < end; ++i) {
            const RenameOutcome outcome = move(step(i), false);
            countSteps(1);
            RowResult& r = resultOf(step(i));
            r.outcome = outcome;
            if (outcome != RenameOutcome::Renamed) break;
            r.end = RowEnd::Renamed;
            if (i + 1 < end && stopRequested()) {
                leaveUndone(i + 1, end);
                return;
            }
        }
        countSteps(std::max(end - i - 1, 0));
        for (++i; i < end; ++i) resultOf(step(i)).outcome = RenameOutcome::TargetExists;
    }

    void runCycle(const StepGroup& group) {
        const int end = group.first + group.count;
        int failed = -1;
        RenameOutcome failure = RenameOutcome::Renamed;
        for (int i = group.first; i < end; ++i) {
            failure = move(step(i), false);
            countSteps(1);
            if (failure != RenameOutcome::Renamed) {
                failed = i;
                break;
            }
        }
        if (failed < 0) {
            for (int i = group.first; i < end; ++i) {
                RowResult& r = resultOf(step(i));
                r.outcome = RenameOutcome::Renamed;
                r.end = RowEnd::Renamed;
            }
            return;
        }
        countSteps(end - failed - 1);
        // Every row of the cycle waited on the one that failed.
        for (int i = group.first; i < end; ++i) {
            resultOf(step(i)).outcome = RenameOutcome::TargetExists;
        }
        resultOf(step(failed)).outcome = failure;
        // Turn back what was done, newest first. A step that cannot be turned back leaves its
        // file under the step's second name, and the row says so.
        for (int i = failed - 1; i >= group.first; --i) {
            if (move(step(i), true) == RenameOutcome::Renamed) continue;
            RowResult& r = resultOf(step(i));
            if (i == group.first) {
                r.outcome = RenameOutcome::OtherFailure;
                r.end = RowEnd::Aside;
                aside_->emplace_back(step(i).row, step(i).to());
            } else {
                r.outcome = RenameOutcome::Renamed;
                r.end = RowEnd::Renamed;
            }
        }
    }

    const RenamePlan& plan_;
    FileSystem& fs_;
    BatchProgress* progress_;
    std::vector<RowResult> results_;
    std::vector<std::pair<int, std::u16string_view>>* aside_ = nullptr;
    std::u16string from_;
    std::u16string to_;
};

}  // namespace

BatchResult runRenamePlan(const RenamePlan& plan, FileSystem& fs, std::u16string_view journalPath,
                          bool keepJournal, BatchProgress* progress) {
    BatchResult result;
    const bool journaled = !journalPath.empty() && !plan.steps.empty();
    if (journaled && !writeJournal(fs, journalPath, plan)) return result;
    result.ran = true;
    result.rows = Runner(plan, fs, progress).run(result.aside);
    std::sort(result.aside.begin(), result.aside.end());
    result.stopped = std::any_of(result.rows.begin(), result.rows.end(),
                                 [](const RowResult& row) { return !row.reached; });
    if (journaled && !keepJournal) fs.removeFile(journalPath);
    return result;
}

std::u16string_view BatchResult::asideName(int row) const {
    const auto it = std::lower_bound(aside.begin(), aside.end(), row,
                                     [](const auto& entry, int r) { return entry.first < r; });
    return it != aside.end() && it->first == row ? it->second : std::u16string_view();
}

BatchRunner& inlineBatchRunner() {
    class Inline : public BatchRunner {
      public:
        void run(int, BatchWork, const std::function<void(BatchProgress&)>& work) override {
            BatchProgress progress;
            work(progress);
        }
    };
    static Inline runner;
    return runner;
}

std::u16string batchStatusText(RenameCommand command, const RowResult& result) {
    if (!result.reached) return kStatusUnchanged;
    if (result.problem == NameProblem::None || command == RenameCommand::RecordedUndo) {
        return std::u16string(statusText(command, result.outcome));
    }
    return u"失败:" + std::u16string(nameProblemWords(result.problem));
}

std::u16string batchPaneText(const BatchResult& batch) {
    int succeeded = 0;
    int notReached = 0;
    for (const RowResult& row : batch.rows) {
        succeeded += row.succeeded() ? 1 : 0;
        notReached += row.reached ? 0 : 1;
    }
    const int failed = static_cast<int>(batch.rows.size()) - succeeded - notReached;
    return std::u16string(batch.stopped ? kStoppedMark : u"") + u"成功" + decimalText(succeeded) +
           u"个，失败" + decimalText(failed) + u"个，未修改" + decimalText(notReached) + u"个";
}

}  // namespace tessary
