#include "records/ApplyUndo.h"

namespace tessary {

namespace {

// Copying one column of a row into another needs no temporary: every row holds column 0, so
// writing it never moves the row's other texts.

// Full paths are the row's folder and a name by plain concatenation; the buffer is reused
// from row to row.
const std::u16string& joined(std::u16string& buffer, std::u16string_view folder,
                             std::u16string_view name) {
    buffer.assign(folder);
    buffer.append(name);
    return buffer;
}

}  // namespace

CommandEffects applyRenames(FileListModel& model, FileSystem& fs) {
    CommandEffects effects;
    effects.enableApply = false;
    if (model.rowCount() == 0) return effects;
    std::u16string from;
    std::u16string to;
    // The count is read again for every row.
    for (int row = 0; row < model.rowCount(); ++row) {
        const std::u16string& folder = model.text(row, ColPath);
        joined(from, folder, model.text(row, ColFileName));
        joined(to, folder, model.text(row, ColPreview));
        const RenameOutcome outcome = fs.rename(from, to);
        model.setText(row, ColStatus, statusText(RenameCommand::Apply, outcome));
        if (outcome == RenameOutcome::Renamed) {
            model.setText(row, ColFileName, model.text(row, ColPreview));
        }
    }
    effects.enableUndo = true;
    effects.newExtensionText = u"";
    return effects;
}

CommandEffects undoRenames(FileListModel& model, FileSystem& fs) {
    CommandEffects effects;
    effects.enableUndo = false;
    const int count = model.rowCount();
    std::u16string from;
    std::u16string to;
    for (int row = 0; row < count; ++row) {
        const std::u16string& folder = model.text(row, ColPath);
        joined(from, folder, model.text(row, ColFileName));
        joined(to, folder, model.text(row, ColOriginalName));
        const RenameOutcome outcome = fs.rename(from, to);
        model.setText(row, ColStatus, statusText(RenameCommand::Undo, outcome));
        if (outcome == RenameOutcome::Renamed) {
            model.setText(row, ColFileName, model.text(row, ColOriginalName));
        }
        model.setText(row, ColPreview, u"");
    }
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
    std::u16string from;
    std::u16string to;
    const std::u16string& folder = model.text(row, ColPath);
    joined(from, folder, model.text(row, ColFileName));
    joined(to, folder, newName);
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
