#include "ui/VarnelDlgControls.h"

#include "res/resource.h"

namespace tessary {

void CVarnelDlg::Controls::attach(HWND dialog) {
    struct Pictures {
        int id;
        UINT normal, hover, pressed, disabled;
    };
    static constexpr Pictures pictures[] = {
        {IDC_ADD_FILES, IDB_ADD_NORMAL, IDB_ADD_HOVER, IDB_ADD_PRESSED, IDB_ADD_DISABLED},
        {IDC_PREVIEW, IDB_PREVIEW_NORMAL, IDB_PREVIEW_HOVER, IDB_PREVIEW_PRESSED,
         IDB_PREVIEW_DISABLED},
        {IDC_APPLY, IDB_APPLY_NORMAL, IDB_APPLY_HOVER, IDB_APPLY_PRESSED, IDB_APPLY_DISABLED},
        {IDC_UNDO, IDB_UNDO_NORMAL, IDB_UNDO_HOVER, IDB_UNDO_PRESSED, IDB_UNDO_DISABLED},
        {IDC_HELP_BUTTON, IDB_HELP_NORMAL, IDB_HELP_HOVER, IDB_HELP_PRESSED, IDB_HELP_DISABLED},
        {IDC_EXIT, IDB_EXIT_NORMAL, IDB_EXIT_HOVER, IDB_EXIT_PRESSED, IDB_EXIT_DISABLED},
    };
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Pictures& p = pictures[i];
        buttons[i].attach(dialog, p.id);
        buttons[i].setPictures(p.normal, p.hover, p.pressed, p.disabled);
        // The caption sits at the bottom of the picture, 3 pixels above the edge.
        buttons[i].setTextMode(3, 3);
    }
    static constexpr int groupIds[] = {IDC_GRP_INSERT,    IDC_GRP_BASIC,   IDC_GRP_MP3,
                                       IDC_GRP_DELETE,    IDC_GRP_INS_POS, IDC_GRP_SEQ,
                                       IDC_GRP_REP_TEXT,  IDC_GRP_ADV,     IDC_GRP_REP_POS,
                                       IDC_GRP_ADV_RANGE, IDC_GRP_OBJECT};
    static_assert(std::size(groupIds) == std::tuple_size_v<decltype(groups)>);
    for (std::size_t i = 0; i < groups.size(); ++i) {
        groups[i].attach(dialog, groupIds[i]);
        groups[i].setLineColor(0x8B8B8B);
        groups[i].setBackgroundColor(kMainBackground);
    }
    static constexpr int editIds[] = {IDC_MP3_STYLE, IDC_INS_TEXT, IDC_REP_FIND, IDC_ADV_SEP,
                                      IDC_REP_WITH,  IDC_ADV_REPL, IDC_REP_RUN};
    for (std::size_t i = 0; i < edits.size(); ++i) edits[i].attach(dialog, editIds[i]);
    tabs.attach(dialog, IDC_TAB);
}

}  // namespace tessary
