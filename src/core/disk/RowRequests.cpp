#include "disk/RowRequests.h"

#include <functional>

namespace tessary {

void writeBatchResults(FileListModel& model, const BatchResult& batch, RenameCommand command,
                       int newNameColumn) {
    for (int row = 0; row < model.rowCount() && row < static_cast<int>(batch.rows.size()); ++row) {
        const RowResult& result = batch.rows[static_cast<std::size_t>(row)];
        model.setText(row, ColStatus, batchStatusText(command, result));
        // Copying one column of a row into another needs no temporary: every row holds column
        // 0, so writing it never moves the row's other texts.
        if (result.end == RowEnd::Renamed) {
            model.setText(row, ColFileName, model.text(row, newNameColumn));
        } else if (result.end == RowEnd::Aside) {
            model.setText(row, ColFileName, batch.asideName(row));
        }
    }
}

namespace {

// Planning reads every folder of the batch, so it is part of the work as well.
BatchResult planAndRun(BatchRunner& runner, RenamePlan& plan, int rowCount,
                       const std::function<RenamePlan()>& makePlan, FileSystem& fs,
                       std::u16string_view journalPath) {
    BatchResult result;
    runner.run(rowCount, BatchWork::Renames, [&](BatchProgress& progress) {
        plan = makePlan();
        result = runRenamePlan(plan, fs, journalPath, false, &progress);
    });
    return result;
}

}  // namespace

BatchResult runBatch(BatchRunner& runner, RenamePlan& plan, const RequestList& requests,
                     FileSystem& fs, std::u16string_view journalPath) {
    return planAndRun(
        runner, plan, requests.size(), [&] { return planRenames(requests, fs); }, fs, journalPath);
}

BatchResult runBatch(BatchRunner& runner, RenamePlan& plan, std::vector<RenameRequest> requests,
                     FileSystem& fs, std::u16string_view journalPath) {
    const auto makePlan = [&] {
        RenamePlan made = planRenames(requests, fs);
        std::vector<RenameRequest>().swap(requests);
        return made;
    };
    return planAndRun(runner, plan, static_cast<int>(requests.size()), makePlan, fs, journalPath);
}

bool renameRows(FileListModel& model, FileSystem& fs, RenameCommand command, int newNameColumn,
                std::u16string_view journalPath, BatchResult* batch, BatchRunner& runner) {
    RenamePlan plan;
    BatchResult result = runBatch(runner, plan, RowRequests(model, newNameColumn), fs, journalPath);
    if (!result.ran) return false;
    writeBatchResults(model, result, command, newNameColumn);
    if (batch) *batch = std::move(result);
    return true;
}

}  // namespace tessary
