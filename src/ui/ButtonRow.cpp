#include "ui/ButtonRow.h"

#include "res/resource.h"

namespace tessary {

void ButtonRow::attach(HWND window) {
    window_ = window;
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
    static_assert(std::size(pictures) == std::tuple_size_v<decltype(buttons_)>);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const Pictures& p = pictures[i];
        buttons_[i].attach(window, p.id);
        buttons_[i].setPictures(p.normal, p.hover, p.pressed, p.disabled);
        // The caption sits at the bottom of the picture, 3 pixels above the edge.
        buttons_[i].setTextMode(3, 3);
    }
    enableApply(false);
    enableUndo(false);
}

void ButtonRow::enableApply(bool on) const {
    EnableWindow(GetDlgItem(window_, IDC_APPLY), on ? TRUE : FALSE);
}

void ButtonRow::enableUndo(bool on) const {
    EnableWindow(GetDlgItem(window_, IDC_UNDO), on ? TRUE : FALSE);
}

}  // namespace tessary
