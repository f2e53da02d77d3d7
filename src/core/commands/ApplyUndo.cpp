#include "commands/ApplyUndo.h"

#include "disk/RowRequests.h"

namespace tessary {

CommandEffects applyRenames(FileListModel& model, FileSystem& fs, std::u16string_view journalPath,
                            BatchRunner& runner) {
    CommandEffects effects;
    if (model.rowCount() == 0) {
        effects.enableApply = false;
        return effects;
    }
    BatchResult batch;
    if (!renameRows(model, fs, RenameCommand::Apply, ColPreview, journalPath, &batch, runner)) {
        effects.message = kJournalNotWritten;
        return effects;
    }
    effects.enableUndo = true;
    effects.planPane = batchPaneText(batch);
    if (!batch.stopped) {
        effects.enableApply = false;
        effects.newExtensionText = u"";
    }
    return effects;
}

CommandEffects undoRenames(FileListModel& model, FileSystem& fs, std::u16string_view journalPath,
                           BatchRunner& runner) {
    CommandEffects effects;
    if (model.rowCount() == 0) {
        effects.enableUndo = false;
        return effects;
    }
    BatchResult batch;
    if (!renameRows(model, fs, RenameCommand::Undo, ColOriginalName, journalPath, &batch, runner)) {
        effects.message = kJournalNotWritten;
        return effects;
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        if (batch.rows[static_cast<std::size_t>(row)].reached) model.setText(row, ColPreview, u"");
    }
    effects.planPane = batchPaneText(batch);
    if (!batch.stopped) effects.enableUndo = false;
    return effects;
}

SingleRenameStart startSingleRename(const FileListModel& model, int currentRow,
                                    SingleRenameOrigin origin) {
    SingleRenameStart start;
    if (model.hasRow(currentRow)) {
        start.kind = SingleRenameStart::Kind::OpenDialog;
        start.text = model.text(currentRow, ColFileName);
    } else if (origin == SingleRenameOrigin::Menu) {
        // Also for a current row that no longer exists (rows removed since the click): there
        // is no file to rename either way.
        start.kind = SingleRenameStart::Kind::Message;
        start.text = u"请在列表中用鼠标右键单击，以选中要改名的文件";
    }
    return start;
}

CommandEffects renameSingleFile(FileListModel& model, FileSystem& fs, int row,
                                std::u16string_view newName, SingleRenameOrigin origin) {
    CommandEffects effects;
    if (!model.hasRow(row)) return effects;
    const std::u16string_view folder = model.text(row, ColPath);
    const std::u16string from = joined({folder, model.text(row, ColFileName)});
    const std::u16string to = joined({folder, newName});
    const RenameOutcome outcome = fs.rename(from, to);
    const RenameCommand command = origin == SingleRenameOrigin::DoubleClick
                                      ? RenameCommand::DoubleClickRename
                                      : RenameCommand::MenuRename;
    model.setText(row, ColStatus, statusText(command, outcome));
    if (outcome == RenameOutcome::Renamed) {
        model.setText(row, ColFileName, newName);
        effects.enableUndo = true;
    }
    return effects;
}

}  // namespace tessary
