#include "commands/ApplyUndo.h"

#include "disk/RowRequests.h"

namespace tessary {

CommandEffects applyRenames(FileListModel& model, FileSystem& fs, std::u16string_view journalPath) {
    CommandEffects effects;
    effects.enableApply = false;
    if (model.rowCount() == 0) return effects;
    if (!renameRows(model, fs, RenameCommand::Apply, ColPreview, journalPath)) {
        CommandEffects refused;
        refused.message = kJournalNotWritten;
        return refused;
    }
    effects.enableUndo = true;
    effects.newExtensionText = u"";
    return effects;
}

CommandEffects undoRenames(FileListModel& model, FileSystem& fs, std::u16string_view journalPath) {
    CommandEffects effects;
    if (model.rowCount() > 0) {
        if (!renameRows(model, fs, RenameCommand::Undo, ColOriginalName, journalPath)) {
            effects.message = kJournalNotWritten;
            return effects;
        }
        for (int row = 0; row < model.rowCount(); ++row) model.setText(row, ColPreview, u"");
    }
    effects.enableUndo = false;
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
    const std::u16string& folder = model.text(row, ColPath);
    const std::u16string from = folder + model.text(row, ColFileName);
    const std::u16string to = folder + std::u16string(newName);
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
