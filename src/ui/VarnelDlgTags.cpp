// MP3 tags in the main window: "Show Tag" with the tag columns of the file list, and the bulk
// edit of the selected files' tags.

#include <memory>

#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "res/resource.h"
#include "tags/TagBulkEdit.h"
#include "tags/TagColumns.h"
#include "ui/VarnelDlg.h"

namespace tessary {

void CVarnelDlg::onShowTagMenu() {
    const bool show = !pages_.tagBoxChecked();
    pages_.setTagBoxChecked(show);
    showTagColumns(show);
}

void CVarnelDlg::onBulkTagEdit() {
    const std::optional<BulkList> files = collectBulkList(model_, list_.selectedRows());
    if (!files) return;
    const std::unique_ptr<TagFiles> tagFiles = makeSystemTagFiles();
    const std::unique_ptr<AnsiCodePage> codePage = makeSystemAnsiCodePage();
    TagEditor editor(*files, *tagFiles, *codePage);
    shell_->editTags(hwnd(), editor, *prompter_);
    updateRowsAfterTagEdit(model_, editor.files(), editor.written(), *tagFiles, *codePage);
    modelChanged();
}

void CVarnelDlg::showTagColumns(bool show) {
    refreshTagColumns(model_, show, *makeSystemTagFiles(), *makeSystemAnsiCodePage());
    list_.syncColumns();
    modelChanged();
}

void CVarnelDlg::removeTagColumns() {
    if (model_.columnCount() > kFixedColumnCount) showTagColumns(false);
    // The box says whether the columns are there.
    pages_.setTagBoxChecked(false);
}

}  // namespace tessary
