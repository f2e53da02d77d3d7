#pragma once
// Runs a rename plan on disk: the journal first, then every group of steps. A step that fails
// fails its row, and the rows waiting for the name it would have freed stay where they are; a
// cycle that cannot be completed is turned back, so that no file is left under a temporary
// name. Nothing is retried and nothing is ever replaced.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "disk/BatchProgress.h"
#include "disk/FileSystem.h"
#include "disk/RenameOutcome.h"
#include "disk/RenamePlan.h"

namespace tessary {

// Where a row's file is after the batch.
enum class RowEnd : std::uint8_t {
    Stayed,   // under its name
    Renamed,  // under its new name
    Aside,    // under a temporary name: a cycle could not be turned back (another program
              // took a name in the middle of it); the batch's asideName says which
};

struct RowResult {
    RenameOutcome outcome = RenameOutcome::Renamed;  // Renamed for unchanged and renamed rows
    NameProblem problem = NameProblem::None;         // why a new name was refused
    RowEnd end = RowEnd::Stayed;
    // False for a row whose step the batch did not reach before it was stopped.
    bool reached = true;

    bool succeeded() const { return reached && outcome == RenameOutcome::Renamed; }
};

static_assert(sizeof(RowResult) == 4);

struct BatchResult {
    // False when the journal could not be written: then nothing was renamed.
    bool ran = false;
    // True when a stop left steps undone.
    bool stopped = false;
    std::vector<RowResult> rows;  // by request, 4 bytes each
    // The rows left under a temporary name, which are rare, with that name, by row.
    std::vector<std::pair<int, std::u16string_view>> aside;

    // The temporary name of a row that ended Aside.
    std::u16string_view asideName(int row) const;
};

// The outcome a refused row reports.
RowResult refusedResult(const RowPlan& row);

// Runs the plan. With a journal path the plan is written there and flushed before the first
// step; `keepJournal` false deletes it once the batch has ended. With `progress` each step is
// counted, and a stop leaves the steps not yet begun undone; a cycle under way is finished
// first, so that no file is left under a temporary name.
BatchResult runRenamePlan(const RenamePlan& plan, FileSystem& fs,
                          std::u16string_view journalPath = {}, bool keepJournal = false,
                          BatchProgress* progress = nullptr);

// The Status text of a row for a command: its outcome's text, for a refused name "失败:" and
// the reason ("失败" alone for the commands that tell no reason), "未修改" for a row the
// batch did not reach.
std::u16string batchStatusText(RenameCommand command, const RowResult& result);

// The status bar's account of a batch: how many rows succeeded, failed and were not reached,
// after a stop said first.
std::u16string batchPaneText(const BatchResult& batch);

}  // namespace tessary
