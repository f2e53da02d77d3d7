#include "commands/RecordedHistory.h"

#include <utility>

#include "disk/RowRequests.h"

namespace tessary {

RecordedApplyResult recordedApply(FileListModel& model, FileSystem& fs, RecordedHistory& history,
                                  std::u16string_view newExtensionField,
                                  std::u16string_view journalPath, BatchRunner& runner) {
    RecordedApplyResult result;
    if (model.rowCount() == 0) return result;
    // The same new extension as the newest batch: that batch is already done.
    if (!history.empty() && history.newest().newExtension == newExtensionField) return result;

    HistoryEntry entry;
    entry.sequence = history.count() + 1;
    if (!history.empty()) entry.oldExtension = history.newest().newExtension;
    entry.newExtension = newExtensionField;
    BatchResult batch;
    if (!renameRows(model, fs, RenameCommand::RecordedApply, ColPreview, journalPath, &batch,
                    runner)) {
        result.message = kJournalNotWritten;
        return result;
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        // Every row that reads "成功" is recorded, with the name it was given.
        if (batch.rows[static_cast<std::size_t>(row)].succeeded()) {
            entry.rows.push_back({row, std::u16string(model.text(row, ColPath)),
                                  std::u16string(model.text(row, ColFileName))});
        }
    }
    history.push(std::move(entry));
    result.ran = true;
    result.planPane = batchPaneText(batch);
    result.question = kRecordedApplyQuestion;
    return result;
}

CommandEffects recordedApplyDeclined() {
    CommandEffects effects;
    effects.pane0 = kRecordedApplyNotSavedHint;
    return effects;
}

CommandEffects recordedUndo(FileListModel& model, FileSystem& fs, RecordedHistory& history,
                            std::u16string_view journalPath, BatchRunner& runner) {
    CommandEffects effects;
    if (history.empty()) return effects;
    HistoryEntry& entry = history.newest();
    const bool first = history.count() == 1;

    // The rows that still name the file the batch renamed, with the names they get back.
    struct UndoRow {
        std::size_t entryRow;
        int row;
        std::u16string sourceName;
        std::u16string newName;
    };
    std::vector<UndoRow> undone;
    for (std::size_t e = 0; e < entry.rows.size(); ++e) {
        const RecordedRow& recorded = entry.rows[e];
        const int row = recorded.row;
        if (!model.hasRow(row)) continue;
        const std::u16string_view originalName = model.text(row, ColOriginalName);
        const std::u16string base(originalName.substr(0, originalName.rfind(u'.')));
        // A name is joined without a dot when its extension is empty, as the preview joins
        // it and as Windows would store it anyway (it drops a trailing dot).
        const auto withExtension = [&base](const std::u16string& extension) {
            return extension.empty() ? base : base + u"." + extension;
        };
        std::u16string sourceName = withExtension(entry.newExtension);
        // The list may have been sorted or moved since: only a row that still names the file
        // this batch renamed, under the name the undo looks for, is touched.
        if (model.text(row, ColPath) != recorded.path ||
            model.text(row, ColFileName) != recorded.fileName || sourceName != recorded.fileName) {
            model.setText(row, ColStatus, kStatusFailed);
            continue;
        }
        // The row's name after the undo is the name the file is given, so that FileName keeps
        // naming the file on disk.
        std::u16string newName =
            first ? std::u16string(originalName) : withExtension(entry.oldExtension);
        undone.push_back({e, row, std::move(sourceName), std::move(newName)});
    }
    std::vector<RenameRequest> requests;
    requests.reserve(undone.size());
    for (const UndoRow& u : undone) {
        requests.push_back({model.text(u.row, ColPath), u.sourceName, u.newName});
    }
    RenamePlan plan;
    const BatchResult batch = runBatch(runner, plan, std::move(requests), fs, journalPath);
    if (!batch.ran) {
        effects.message = kJournalNotWritten;
        return effects;
    }
    effects.planPane = batchPaneText(batch);
    std::vector<bool> taken(entry.rows.size(), false);
    for (std::size_t i = 0; i < undone.size(); ++i) {
        const UndoRow& u = undone[i];
        const RowResult& r = batch.rows[i];
        model.setText(u.row, ColStatus, batchStatusText(RenameCommand::RecordedUndo, r));
        if (!r.reached) continue;
        taken[u.entryRow] = true;
        model.setText(u.row, ColPreview, first ? std::u16string() : u.newName);
        if (r.end == RowEnd::Renamed) model.setText(u.row, ColFileName, u.newName);
        if (r.end == RowEnd::Aside)
            model.setText(u.row, ColFileName, batch.asideName(static_cast<int>(i)));
    }
    if (batch.stopped) {
        std::vector<RecordedRow> left;
        for (std::size_t e = 0; e < entry.rows.size(); ++e) {
            if (!taken[e]) left.push_back(std::move(entry.rows[e]));
        }
        entry.rows = std::move(left);
        return effects;
    }
    effects.newExtensionText = first ? std::u16string() : entry.oldExtension;
    history.popNewest();
    if (history.empty()) effects.pane0 = u"";
    return effects;
}

}  // namespace tessary
