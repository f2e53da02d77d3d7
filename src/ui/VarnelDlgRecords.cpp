// Operation records in the main window: saving the list's names to a record file, loading one
// into the restore dialog, and the recorded apply and undo that keep a history of batches.

#include "commands/RecordCommands.h"
#include "commands/RecordedHistory.h"
#include "disk/OprFile.h"
#include "platform/SystemServices.h"
#include "res/resource.h"
#include "ui/VarnelDlg.h"

namespace tessary {

void CVarnelDlg::onSaveRecord() {
    if (auto refusal = saveRecordRefusal(model_)) {
        CommandEffects effects;
        effects.messageBox = std::move(refusal);
        applyEffects(effects);
        return;
    }
    const std::optional<std::u16string> path =
        shell_->chooseRecordFile(hwnd(), RecordFileDialog::Save);
    if (!path) return;
    applyEffects(saveOperationRecord(model_, *fileSystem_, *path, localSavingTime()));
}

void CVarnelDlg::onLoadRecord() {
    const std::optional<std::u16string> path =
        shell_->chooseRecordFile(hwnd(), RecordFileDialog::Open);
    if (!path) return;
    shell_->showRestore(hwnd(), *path, *fileSystem_, nextJournal());
}

void CVarnelDlg::onRecordedApply() {
    const RecordedApplyResult result = recordedApply(
        model_, *fileSystem_, history_, itemText(IDC_NEW_EXT), nextJournal(), renamer_);
    modelChanged();
    if (result.message) prompter_->showMessage(*result.message);
    if (!result.ran) return;
    setPaneText(kPlanPane, result.planPane);
    const int answer = prompter_->platformMessageBox(result.question, kMessageBoxCaption,
                                                     prompt::kYesNo | prompt::kIconInformation);
    if (answer == prompt::kAnswerYes) {
        onSaveRecord();
    } else {
        applyEffects(recordedApplyDeclined());
    }
}

void CVarnelDlg::onRecordedUndo() {
    applyEffects(recordedUndo(model_, *fileSystem_, history_, nextJournal(), renamer_));
    modelChanged();
}

}  // namespace tessary
