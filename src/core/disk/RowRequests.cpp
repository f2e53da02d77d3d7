#include "disk/RowRequests.h"

namespace tessary {

std::vector<RenameRequest> requestsOfRows(const FileListModel& model, int newNameColumn) {
    std::vector<RenameRequest> requests;
    requests.reserve(static_cast<std::size_t>(model.rowCount()));
    for (int row = 0; row < model.rowCount(); ++row) {
        requests.push_back({model.text(row, ColPath), model.text(row, ColFileName),
                            model.text(row, newNameColumn)});
    }
    return requests;
}

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
            model.setText(row, ColFileName, result.asideName);
        }
    }
}

BatchResult runBatch(BatchRunner& runner, RenamePlan& plan, std::vector<RenameRequest> requests,
                     FileSystem& fs, std::u16string_view journalPath) {
    BatchResult result;
    // Planning reads every folder of the batch, so it is part of the work as well.
    runner.run(static_cast<int>(requests.size()), BatchWork::Renames, [&](BatchProgress& progress) {
        plan = planRenames(requests, fs);
        std::vector<RenameRequest>().swap(requests);
        result = runRenamePlan(plan, fs, journalPath, false, &progress);
    });
    return result;
}

bool renameRows(FileListModel& model, FileSystem& fs, RenameCommand command, int newNameColumn,
                std::u16string_view journalPath, BatchResult* batch, BatchRunner& runner) {
    RenamePlan plan;
    BatchResult result =
        runBatch(runner, plan, requestsOfRows(model, newNameColumn), fs, journalPath);
    if (!result.ran) return false;
    writeBatchResults(model, result, command, newNameColumn);
    if (batch) *batch = std::move(result);
    return true;
}

}  // namespace tessary
