// The five rule pages: which controls each shows, switching between them, the enabling that
// follows the Insert page's check boxes and the Advanced page's modes, and reading the options.

#include <string>

#include "res/resource.h"
#include "ui/VarnelDlg.h"
#include "ui/VarnelDlgControls.h"

namespace tessary {

void CVarnelDlg::setUpTabs() {
    controls_->tabs.setBackgroundColor(kMainBackground);
    controls_->tabs.setTabPictures(IDB_TAB, IDB_TAB_SELECTED);
    HWND tabs = item(IDC_TAB);
    SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(100, 25));
    SendMessageW(tabs, TCM_SETMINTABWIDTH, 0, 100);
    const wchar_t* texts[] = {L"基本操作", L"插入操作", L"删除操作", L"替换操作", L"高级替换操作"};
    for (int i = 0; i < 5; ++i) {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(texts[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&tab));
    }
}

void CVarnelDlg::showGroup(PageGroup group, bool show) {
    for (const PagePlacement& p : pagePlacements()) {
        if (p.group == group) ShowWindow(item(p.id), show ? SW_SHOWNA : SW_HIDE);
    }
}

void CVarnelDlg::showBasicPage(bool show) { showGroup(PageGroup::Basic, show); }
void CVarnelDlg::showInsertPage(bool show) { showGroup(PageGroup::Insert, show); }
void CVarnelDlg::showDeletePage(bool show) { showGroup(PageGroup::Delete, show); }
void CVarnelDlg::showAdvancedPage(bool show) { showGroup(PageGroup::Advanced, show); }
void CVarnelDlg::showOperationObject(bool show) { showGroup(PageGroup::OperationObject, show); }

void CVarnelDlg::showReplacePage(bool show) {
    showGroup(PageGroup::ReplaceMode, show);
    if (!show) {
        showGroup(PageGroup::ReplaceByText, false);
        showGroup(PageGroup::ReplaceByPosition, false);
        return;
    }
    // The panel follows the mode radio as it is at this moment.
    const bool byText = checked(IDC_REP_BY_TEXT);
    showGroup(byText ? PageGroup::ReplaceByPosition : PageGroup::ReplaceByText, false);
    showGroup(byText ? PageGroup::ReplaceByText : PageGroup::ReplaceByPosition, true);
}

LRESULT CVarnelDlg::onTabChanged(NMHDR&) {
    const int page = static_cast<int>(SendMessageW(item(IDC_TAB), TCM_GETCURSEL, 0, 0));
    selectedPage_ = page;
    showBasicPage(page == PageBasic);
    showInsertPage(page == PageInsert);
    showDeletePage(page == PageDelete);
    showReplacePage(page == PageReplace);
    showAdvancedPage(page == PageAdvanced);
    showOperationObject(page >= PageInsert && page <= PageAdvanced);

    // The tag columns belong to the page that showed them.
    removeTagColumns();

    int focus = 0;
    if (page == PageInsert) focus = IDC_INS_TEXT;
    if (page == PageDelete) focus = IDC_DEL_COUNT;
    if (page == PageAdvanced) focus = IDC_ADV_SEP;
    if (focus != 0)
        SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(focus)), TRUE);
    InvalidateRect(hwnd(), nullptr, TRUE);
    return 0;
}

void CVarnelDlg::applyAdvancedMode(int mode) {
    const bool one = mode == 1;
    for (int id :
         {IDC_LBL_ADV_HEAD, IDC_ADV_N, IDC_ADV_N_SPIN, IDC_LBL_ADV_SEPS1, IDC_ADV_INVERT}) {
        enable(id, one);
    }
    for (int id : {IDC_LBL_ADV_FROM, IDC_ADV_FROM, IDC_ADV_FROM_SPIN, IDC_LBL_ADV_TO, IDC_ADV_TO,
                   IDC_ADV_TO_SPIN, IDC_LBL_ADV_SEPS2}) {
        enable(id, !one);
    }
}

void CVarnelDlg::onInsertSequenceToggled() {
    const bool on = checked(IDC_INS_SEQ);
    std::u16string text = itemText(IDC_INS_TEXT);
    if (on) {
        text += u"/N";
    } else {
        for (std::size_t at = text.find(u"/N"); at != std::u16string::npos;
             at = text.find(u"/N", at)) {
            text.erase(at, 2);
        }
    }
    setItemText(IDC_INS_TEXT, text);
    for (int id :
         {IDC_LBL_SEQ_START, IDC_LBL_SEQ_STEP, IDC_LBL_SEQ_DIGITS, IDC_SEQ_START, IDC_SEQ_STEP,
          IDC_SEQ_DIGITS, IDC_SEQ_START_SPIN, IDC_SEQ_STEP_SPIN, IDC_SEQ_DIGITS_SPIN}) {
        enable(id, on);
    }
    // The frame only ever goes grey here; it is never made active again.
    if (!on) enable(IDC_GRP_SEQ, false);
}

void CVarnelDlg::onInsertIntoNameToggled() {
    const bool on = checked(IDC_INS_INTO_NAME);
    for (int id :
         {IDC_LBL_INS_POS, IDC_INS_POS, IDC_INS_POS_SPIN, IDC_INS_FROM_HEAD, IDC_INS_FROM_TAIL}) {
        enable(id, on);
    }
}

void CVarnelDlg::onReplaceModeChosen() {
    if (selectedPage_ == PageReplace) showReplacePage(true);
}

PageOptions CVarnelDlg::readPageOptions() const {
    PageOptions o;
    o.editExtension = checked(IDC_OBJ_EXT);

    o.basic.newNameChecked = checked(IDC_BASIC_NEW_NAME);
    o.basic.newExtensionChecked = checked(IDC_BASIC_NEW_EXT);
    o.basic.deleteExtensionChecked = checked(IDC_BASIC_DEL_EXT);
    o.basic.swapChecked = checked(IDC_BASIC_SWAP);
    o.basic.newExtension = itemText(IDC_NEW_EXT);
    o.basic.newName = itemText(IDC_NEW_NAME);

    o.insert.text = itemText(IDC_INS_TEXT);
    o.insert.insertIntoName = checked(IDC_INS_INTO_NAME);
    o.insert.position = itemText(IDC_INS_POS);
    o.insert.fromHead = checked(IDC_INS_FROM_HEAD);
    o.insert.sequence = checked(IDC_INS_SEQ);
    o.insert.start = itemText(IDC_SEQ_START);
    o.insert.step = itemText(IDC_SEQ_STEP);
    o.insert.digits = itemText(IDC_SEQ_DIGITS);

    o.del.fromHead = checked(IDC_DEL_FROM_HEAD);
    o.del.fromTail = checked(IDC_DEL_FROM_TAIL);
    o.del.count = itemText(IDC_DEL_COUNT);
    o.del.position = itemText(IDC_DEL_POS);

    o.replace.byText = checked(IDC_REP_BY_TEXT);
    o.replace.byPosition = checked(IDC_REP_BY_POS);
    o.replace.find = itemText(IDC_REP_FIND);
    o.replace.withText = itemText(IDC_REP_WITH);
    o.replace.count = itemText(IDC_REP_COUNT);
    o.replace.position = itemText(IDC_REP_POS);
    o.replace.withRun = itemText(IDC_REP_RUN);
    o.replace.invert = checked(IDC_REP_INVERT);
    o.replace.fromHead = checked(IDC_REP_FROM_HEAD);
    o.replace.fromTail = checked(IDC_REP_FROM_TAIL);

    o.advanced.separator = itemText(IDC_ADV_SEP);
    o.advanced.replacement = itemText(IDC_ADV_REPL);
    o.advanced.mode1 = checked(IDC_ADV_MODE1);
    o.advanced.n = itemText(IDC_ADV_N);
    o.advanced.invert = checked(IDC_ADV_INVERT);
    o.advanced.from = itemText(IDC_ADV_FROM);
    o.advanced.to = itemText(IDC_ADV_TO);
    return o;
}

void CVarnelDlg::onClearInsertText() { setItemText(IDC_INS_TEXT, u""); }
void CVarnelDlg::onFocusNewName() { SetFocus(item(IDC_NEW_NAME)); }
void CVarnelDlg::onFocusNewExtension() { SetFocus(item(IDC_NEW_EXT)); }
void CVarnelDlg::onAdvancedMode1() { applyAdvancedMode(1); }
void CVarnelDlg::onAdvancedMode2() { applyAdvancedMode(2); }

}  // namespace tessary
