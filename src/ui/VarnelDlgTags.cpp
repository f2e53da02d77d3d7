// MP3 tags in the main window: "Show Tag" with the tag columns of the file list, the bulk
// edit of the selected files' tags, and the controls that compose a naming template out of
// tag tokens.

#include <memory>

#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "res/resource.h"
#include "tags/TagBulkEdit.h"
#include "tags/TagColumns.h"
#include "tags/TagTemplates.h"
#include "ui/VarnelDlg.h"

namespace tessary {

void CVarnelDlg::onShowTagClicked(int) { showTagColumns(checked(IDC_MP3_SHOW_TAG)); }

void CVarnelDlg::onShowTagMenu() {
    const bool show = !checked(IDC_MP3_SHOW_TAG);
    CheckDlgButton(hwnd(), IDC_MP3_SHOW_TAG, show ? BST_CHECKED : BST_UNCHECKED);
    showTagColumns(show);
}

void CVarnelDlg::onTemplateChosen(int) {
    const int index = static_cast<int>(SendMessageW(item(IDC_MP3_TEMPLATE), CB_GETCURSEL, 0, 0));
    setItemText(IDC_MP3_STYLE, chooseTemplate(itemText(IDC_MP3_STYLE), index));
}

void CVarnelDlg::onTokenButton(int id) {
    const std::pair<int, TagToken> tokens[] = {
        {IDC_MP3_ARTIST, TagToken::Artist}, {IDC_MP3_TITLE, TagToken::Title},
        {IDC_MP3_ALBUM, TagToken::Album},   {IDC_MP3_YEAR, TagToken::Year},
        {IDC_MP3_GENRE, TagToken::Genre},   {IDC_MP3_SEQ, TagToken::Sequence},
        {IDC_MP3_TRACK, TagToken::Track},
    };
    for (const auto& [button, token] : tokens) {
        if (button == id) setItemText(IDC_MP3_STYLE, appendToken(itemText(IDC_MP3_STYLE), token));
    }
}

void CVarnelDlg::onClearStyle() { setItemText(IDC_MP3_STYLE, clearStyle()); }

void CVarnelDlg::onBulkTagEdit() {
    const std::optional<BulkList> files = collectBulkList(model_, selectedRows());
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
    syncListColumns();
    modelChanged();
}

void CVarnelDlg::removeTagColumns() {
    if (model_.columnCount() > kFixedColumnCount) showTagColumns(false);
    // The box says whether the columns are there.
    CheckDlgButton(hwnd(), IDC_MP3_SHOW_TAG, BST_UNCHECKED);
}

void CVarnelDlg::syncListColumns() {
    HWND list = fileList_;
    int shown = Header_GetItemCount(fileListHeader_);
    while (shown > model_.columnCount()) ListView_DeleteColumn(list, --shown);
    header_.columnsRemovedFrom(shown);
    for (; shown < model_.columnCount(); ++shown) {
        std::u16string title = model_.column(shown).header;
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM | LVCF_FMT;
        column.fmt = LVCFMT_LEFT;
        column.pszText = reinterpret_cast<wchar_t*>(title.data());
        column.cx = model_.column(shown).width;
        column.iSubItem = shown;
        ListView_InsertColumn(list, shown, &column);
        header_.columnAdded();
    }
    // New columns go to the end of the display order; the hidden ones stay behind them.
    header_.keepHiddenColumnsLast();
}

}  // namespace tessary
