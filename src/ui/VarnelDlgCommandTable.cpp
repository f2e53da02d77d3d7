// The main window's maps from what it is sent to the handlers: commands (a command's button,
// menu item and toolbar id are one row, so an id names exactly one handler), the command codes
// some controls send, and the notifications of the tabs, the list and its header. A handler is
// the window's own or one of a part's.

#include "res/resource.h"
#include "ui/VarnelDlg.h"

namespace tessary {

const std::vector<CVarnelDlg::CommandRow>& CVarnelDlg::commandTable() {
    using D = CVarnelDlg;
    static const std::vector<CommandRow> table = {
        {{IDC_ADD_FILES, ID_LIST_ADD_FILES}, &D::onPickFiles},
        {{ID_LIST_RENAME_ONE}, [](D& w) { w.onRenameOne(SingleRenameOrigin::Menu); }},
        {{IDC_PREVIEW}, &D::onPreview},
        {{IDC_APPLY}, &D::onApply},
        {{IDC_UNDO}, &D::onUndo},
        {{IDC_HELP_BUTTON}, &D::onHelp},
        {{IDC_EXIT}, &D::confirmExit},
        {{ID_QUIT_AT_ONCE}, &D::requestQuit},
        {{ID_PLAIN_ABOUT}, [](D& w) { w.shell_->showPlainAbout(w.hwnd()); }},
        {{ID_TOPMOST}, &D::onTopmost},
        // The rule pages.
        {{IDC_INS_CLEAR}, [](D& w) { w.pages_.clearInsertText(); }},
        {{IDC_BASIC_NEW_NAME}, [](D& w) { w.pages_.focusNewName(); }},
        {{IDC_BASIC_NEW_EXT}, [](D& w) { w.pages_.focusNewExtension(); }},
        {{IDC_REP_BY_TEXT, IDC_REP_BY_POS},
         [](D& w) {
             w.pages_.followReplaceMode();
             w.applyLayout();
         }},
        {{IDC_ADV_MODE1}, [](D& w) { w.pages_.applyAdvancedMode(1); }},
        {{IDC_ADV_MODE2}, [](D& w) { w.pages_.applyAdvancedMode(2); }},
        {{IDC_INS_SEQ}, [](D& w) { w.pages_.insertSequenceToggled(); }},
        {{IDC_INS_INTO_NAME}, [](D& w) { w.pages_.insertIntoNameToggled(); }},
        {{IDC_MP3_CLEAR}, [](D& w) { w.pages_.clearTemplate(); }},
        // The list.
        {{IDC_MOVE_UP}, [](D& w) { w.moveCurrentRow(true); }},
        {{IDC_MOVE_DOWN}, [](D& w) { w.moveCurrentRow(false); }},
        {{ID_LIST_CLEAR, ID_CLEAR_LIST_TB, ID_CLEAR_LIST_MENU}, &D::onClearList},
        {{IDC_CLEAR_LIST_SHORT}, &D::onClearListShort},
        {{ID_LIST_REMOVE_SELECTED, ID_REMOVE_SELECTED_TB, ID_REMOVE_SELECTED_MENU},
         &D::onRemoveSelectedRows},
        {{ID_LIST_REMOVE_UNSELECTED}, &D::onRemoveUnselectedRows},
        {{ID_LIST_OPEN_FOLDER}, &D::onOpenFolder},
        {{ID_LIST_OPEN_FILE}, &D::onOpenFile},
        {{ID_LIST_REFRESH}, &D::onRefreshList},
        {{ID_LIST_EXPORT}, &D::onExportList},
        {{ID_LIST_IMPORT_NAMES}, &D::onImportNames},
        // Operation records.
        {{ID_SAVE_RECORD, ID_SAVE_RECORD_TB}, &D::onSaveRecord},
        {{ID_LOAD_RECORD, ID_LOAD_RECORD_TB}, &D::onLoadRecord},
        {{ID_RECORDED_APPLY, ID_RECORDED_APPLY_TB}, &D::onRecordedApply},
        {{ID_RECORDED_UNDO, ID_RECORDED_UNDO_TB}, &D::onRecordedUndo},
        // MP3 tags.
        {{ID_SHOW_TAG_MENU}, &D::onShowTagMenu},
        {{ID_BULK_TAG_EDIT}, &D::onBulkTagEdit},
    };
    return table;
}

const std::vector<CVarnelDlg::CommandCodeRow>& CVarnelDlg::commandCodeTable() {
    using D = CVarnelDlg;
    static const std::vector<CommandCodeRow> table = {
        // Every edit whose text becomes part of a name refuses the characters a name cannot
        // hold as they are typed.
        {{IDC_NEW_EXT, IDC_NEW_NAME, IDC_INS_TEXT, IDC_REP_FIND, IDC_REP_WITH, IDC_REP_RUN,
          IDC_ADV_SEP, IDC_ADV_REPL},
         EN_CHANGE,
         &D::checkNameInput},
        {{IDC_MP3_SHOW_TAG},
         BN_CLICKED,
         [](D& w, int) { w.showTagColumns(w.checked(IDC_MP3_SHOW_TAG)); }},
        {{IDC_MP3_TEMPLATE}, CBN_SELCHANGE, [](D& w, int) { w.pages_.templateChosen(); }},
        {{IDC_MP3_ARTIST, IDC_MP3_TITLE, IDC_MP3_ALBUM, IDC_MP3_YEAR, IDC_MP3_GENRE, IDC_MP3_SEQ,
          IDC_MP3_TRACK},
         BN_CLICKED,
         [](D& w, int id) { w.pages_.appendTemplateToken(id); }},
    };
    return table;
}

const std::vector<CVarnelDlg::NotifyRow>& CVarnelDlg::notifyTable() {
    using D = CVarnelDlg;
    static const std::vector<NotifyRow> table = {
        {IDC_TAB, TCN_SELCHANGE,
         [](D& w, NMHDR&) {
             w.onTabChanged();
             return LRESULT{0};
         }},
        {IDC_FILE_LIST, LVN_GETDISPINFOW,
         [](D& w, NMHDR& header) { return w.list_.onDisplayInfo(header); }},
        {IDC_FILE_LIST, LVN_COLUMNCLICK,
         [](D& w, NMHDR& header) {
             w.onListColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
             return LRESULT{0};
         }},
        {IDC_FILE_LIST, NM_CLICK,
         [](D& w, NMHDR& header) {
             w.list_.pickClickedRow(header);
             return LRESULT{0};
         }},
        {IDC_FILE_LIST, NM_DBLCLK,
         [](D& w, NMHDR& header) {
             w.list_.pickClickedRow(header);
             w.onRenameOne(SingleRenameOrigin::DoubleClick);
             return LRESULT{0};
         }},
        {IDC_FILE_LIST, NM_RCLICK,
         [](D& w, NMHDR& header) {
             w.onListRightClick(header);
             return LRESULT{0};
         }},
        // The new order is in place only after this notification; it is fixed up then.
        {kListHeader, HDN_ENDDRAG,
         [](D& w, NMHDR&) {
             PostMessageW(w.hwnd(), kKeepHiddenColumnsLast, 0, 0);
             return LRESULT{0};
         }},
    };
    return table;
}

std::optional<LRESULT> CVarnelDlg::onNotify(NMHDR& header) {
    if (header.hwndFrom == nullptr) return std::nullopt;
    const int from = list_.isHeader(header.hwndFrom) ? kListHeader : GetDlgCtrlID(header.hwndFrom);
    for (const NotifyRow& row : notifyTable()) {
        if (row.from == from && row.code == header.code) return row.handler(*this, header);
    }
    // The list and its header do all else themselves.
    if (from == IDC_FILE_LIST || from == kListHeader) return 0;
    return std::nullopt;
}

std::vector<UINT> CVarnelDlg::commandIds() {
    std::vector<UINT> ids;
    for (const CommandRow& row : commandTable())
        ids.insert(ids.end(), row.ids.begin(), row.ids.end());
    for (const CommandCodeRow& row : commandCodeTable()) {
        ids.insert(ids.end(), row.ids.begin(), row.ids.end());
    }
    return ids;
}

void CVarnelDlg::mapCommands() {
    for (const CommandRow& row : commandTable()) {
        for (const UINT id : row.ids) onCommand(id, [this, &row] { row.handler(*this); });
    }
    for (const CommandCodeRow& row : commandCodeTable()) {
        for (const UINT id : row.ids) {
            onCommandNotify(id, [this, id, &row](UINT sent) {
                if (sent == row.code) row.handler(*this, static_cast<int>(id));
            });
        }
    }
}

}  // namespace tessary
