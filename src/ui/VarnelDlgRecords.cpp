// Operation records in the main window: saving the list's names to a record file, and loading
// one into the restore dialog.

#include "records/OprFile.h"
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
    shell_->showRestore(hwnd(), *path, *fileSystem_);
}

}  // namespace tessary
