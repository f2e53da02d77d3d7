#include "records/RecordedHistory.h"

namespace tessary {

RecordedApplyResult recordedApply(FileListModel& model, FileSystem& fs, RecordedHistory& history,
                                  std::u16string_view newExtensionField) {
    RecordedApplyResult result;
    if (model.rowCount() == 0) return result;
    // The same new extension as the newest batch: that batch is already done.
    if (!history.empty() && history.newest().newExtension == newExtensionField) return result;

    HistoryEntry entry;
    entry.sequence = history.count() + 1;
    if (!history.empty()) entry.oldExtension = history.newest().newExtension;
    entry.newExtension = newExtensionField;
    std::u16string from;
    std::u16string to;
    for (int row = 0; row < model.rowCount(); ++row) {
        const std::u16string& folder = model.text(row, ColPath);
        from.assign(folder).append(model.text(row, ColFileName));
        to.assign(folder).append(model.text(row, ColPreview));
        const RenameOutcome outcome = fs.rename(from, to);
        model.setText(row, ColStatus, statusText(RenameCommand::RecordedApply, outcome));
        if (outcome == RenameOutcome::Renamed) {
            model.setText(row, ColFileName, model.text(row, ColPreview));
            // Every renamed row is recorded, with the name it was given.
            entry.rows.push_back({row, folder, model.text(row, ColFileName)});
        }
    }
    history.push(std::move(entry));
    result.ran = true;
    result.question = kRecordedApplyQuestion;
    return result;
}

CommandEffects recordedApplyDeclined() {
    CommandEffects effects;
    effects.pane0 = kRecordedApplyNotSavedHint;
    return effects;
}

CommandEffects recordedUndo(FileListModel& model, FileSystem& fs, RecordedHistory& history) {
    CommandEffects effects;
    if (history.empty()) return effects;
    const HistoryEntry& entry = history.newest();
    const bool first = history.count() == 1;
    effects.newExtensionText = first ? std::u16string() : entry.oldExtension;

    std::u16string from;
    std::u16string to;
    for (const RecordedRow& recorded : entry.rows) {
        const int row = recorded.row;
        if (!model.hasRow(row)) continue;
        const std::u16string originalName = model.text(row, ColOriginalName);
        const std::u16string base = originalName.substr(0, originalName.rfind(u'.'));
        // A name is joined without a dot when its extension is empty, as the preview joins
        // it and as Windows would store it anyway (it drops a trailing dot).
        const auto withExtension = [&base](const std::u16string& extension) {
            return extension.empty() ? base : base + u"." + extension;
        };
        const std::u16string sourceName = withExtension(entry.newExtension);
        // The list may have been sorted or moved since: only a row that still names the file
        // this batch renamed, under the name the undo looks for, is touched.
        if (model.text(row, ColPath) != recorded.path ||
            model.text(row, ColFileName) != recorded.fileName || sourceName != recorded.fileName) {
            model.setText(row, ColStatus, kStatusFailed);
            continue;
        }
        // The row's name after the undo is the name the file is given, so that FileName keeps
        // naming the file on disk.
        const std::u16string newName = first ? originalName : withExtension(entry.oldExtension);
        if (first) {
            model.setText(row, ColPreview, u"");
            model.setText(row, ColStatus, u"");
        } else {
            model.setText(row, ColPreview, newName);
        }
        const std::u16string& folder = model.text(row, ColPath);
        from.assign(folder).append(sourceName);
        to.assign(folder).append(newName);
        const RenameOutcome outcome = fs.rename(from, to);
        model.setText(row, ColStatus, statusText(RenameCommand::RecordedUndo, outcome));
        if (outcome == RenameOutcome::Renamed) model.setText(row, ColFileName, newName);
    }
    history.popNewest();
    if (history.empty()) effects.pane0 = u"";
    return effects;
}

}  // namespace tessary
