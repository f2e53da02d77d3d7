#include "ui/RulePages.h"

// after windows.h
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>

#include "res/resource.h"
#include "tags/TagTemplates.h"
#include "ui/DialogBase.h"

namespace tessary {

std::u16string_view forbiddenCharactersOf(int controlId) {
    // Every name field refuses the nine characters a file name cannot hold; the text to insert
    // lets the slash through because it carries the sequence placeholder "/N".
    static constexpr char16_t all[] = u"\\/:?*<>|\"";
    static constexpr char16_t insertText[] = u"\\:?*<>|\"";
    switch (controlId) {
        case IDC_NEW_EXT:
        case IDC_NEW_NAME:
        case IDC_REP_FIND:
        case IDC_REP_WITH:
        case IDC_REP_RUN:
        case IDC_ADV_SEP:
        case IDC_ADV_REPL:
            return all;
        case IDC_INS_TEXT:
            return insertText;
        default:
            return {};
    }
}

char16_t findForbiddenCharacter(std::u16string_view text, std::u16string_view forbidden) {
    for (const char16_t c : forbidden) {
        if (text.find(c) != std::u16string_view::npos) return c;
    }
    return 0;
}

namespace {

// Sets a button's check without the automatic radio button's walk over its group, which costs
// milliseconds per button in a form this large. Only for callers that set every button of the
// group themselves.
void setCheckWithoutGroupWalk(HWND button, bool on) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(button, GWL_STYLE));
    const bool autoRadio = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
    if (autoRadio) {
        SendMessageW(button, BM_SETSTYLE, (style & ~BS_TYPEMASK) | BS_RADIOBUTTON, FALSE);
    }
    SendMessageW(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    if (autoRadio) SendMessageW(button, BM_SETSTYLE, style, FALSE);
}

}  // namespace

void RulePages::attach(HWND window) {
    window_ = window;
    static constexpr int groupIds[] = {IDC_GRP_INSERT,    IDC_GRP_BASIC,   IDC_GRP_MP3,
                                       IDC_GRP_DELETE,    IDC_GRP_INS_POS, IDC_GRP_SEQ,
                                       IDC_GRP_REP_TEXT,  IDC_GRP_ADV,     IDC_GRP_REP_POS,
                                       IDC_GRP_ADV_RANGE, IDC_GRP_OBJECT};
    static_assert(std::size(groupIds) == std::tuple_size_v<decltype(groups_)>);
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        groups_[i].attach(window, groupIds[i]);
        groups_[i].setLineColor(0x8B8B8B);
        groups_[i].setBackgroundColor(kMainBackground);
    }
    static constexpr int editIds[] = {IDC_MP3_STYLE, IDC_INS_TEXT, IDC_REP_FIND, IDC_ADV_SEP,
                                      IDC_REP_WITH,  IDC_ADV_REPL, IDC_REP_RUN};
    static_assert(std::size(editIds) == std::tuple_size_v<decltype(edits_)>);
    for (std::size_t i = 0; i < edits_.size(); ++i) edits_[i].attach(window, editIds[i]);

    tabs_.attach(window, IDC_TAB);
    tabs_.setBackgroundColor(kMainBackground);
    tabs_.setTabPictures(IDB_TAB, IDB_TAB_SELECTED);
    HWND tabs = item(IDC_TAB);
    SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(100, 25));
    SendMessageW(tabs, TCM_SETMINTABWIDTH, 0, 100);
    const wchar_t* texts[] = {L"基本操作", L"插入操作",     L"删除操作",
                              L"替换操作", L"高级替换操作", L"MP3命名"};
    for (int i = 0; i < 6; ++i) {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(texts[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&tab));
    }
}

void RulePages::setDefaults() {
    selected_ = PageBasic;
    // The form shows the Basic page's controls and hides every other page's: showing or hiding
    // them here would cost a round trip each before the window opens.
    setText(IDC_NEW_EXT, u"");
    SendMessageW(item(IDC_NEW_EXT), EM_SETLIMITTEXT, 253, 0);

    // Every button of each group is set here, so no group walk is needed.
    auto check = [this](int id, bool on) { setCheckWithoutGroupWalk(item(id), on); };
    check(IDC_BASIC_NEW_EXT, true);
    check(IDC_BASIC_NEW_NAME, false);
    check(IDC_BASIC_DEL_EXT, false);
    check(IDC_BASIC_SWAP, false);
    check(IDC_BASIC_CASE, false);
    check(IDC_INS_INTO_NAME, true);
    check(IDC_INS_SEQ, false);
    check(IDC_INS_FROM_HEAD, true);
    check(IDC_INS_FROM_TAIL, false);
    check(IDC_OBJ_NAME, true);
    check(IDC_OBJ_EXT, false);
    check(IDC_DEL_FROM_HEAD, true);
    check(IDC_DEL_FROM_TAIL, false);
    check(IDC_REP_BY_TEXT, true);
    check(IDC_REP_BY_POS, false);
    check(IDC_REP_FROM_HEAD, true);
    check(IDC_REP_FROM_TAIL, false);
    check(IDC_REP_INVERT, false);
    check(IDC_REP_REGEX, false);
    check(IDC_ADV_MODE1, true);
    check(IDC_ADV_MODE2, false);
    check(IDC_ADV_INVERT, false);

    struct Spin {
        int id, low, high, position;  // position -1: keep the edit's text
    };
    const Spin spins[] = {
        {IDC_INS_POS_SPIN, 1, 1000, -1},
        {IDC_SEQ_START_SPIN, 0, 1000, 0},
        {IDC_SEQ_STEP_SPIN, 0, 1000, 1},
        {IDC_SEQ_DIGITS_SPIN, 1, 1000, 1},
        {IDC_DEL_POS_SPIN, 1, 1000, -1},
        {IDC_DEL_COUNT_SPIN, 1, 1000, 1},
        {IDC_REP_POS_SPIN, 1, 1000, 1},
        {IDC_REP_COUNT_SPIN, 1, 1000, 1},
        {IDC_ADV_N_SPIN, 1, 1000, 1},
        {IDC_ADV_FROM_SPIN, 1, 1000, 1},
        {IDC_ADV_TO_SPIN, 2, 1000, 2},
        // The Mp3 page's running number: 1, 1 and two digits.
        {IDC_MP3_SEQ_START_SPIN, 0, 100000, 1},
        {IDC_MP3_SEQ_STEP_SPIN, 0, 1000, 1},
        {IDC_MP3_SEQ_DIGITS_SPIN, 1, 10, 2},
    };
    for (const Spin& spin : spins) {
        SendMessageW(item(spin.id), UDM_SETRANGE32, spin.low, spin.high);
        if (spin.position >= 0) SendMessageW(item(spin.id), UDM_SETPOS32, 0, spin.position);
    }
    setText(IDC_DEL_POS, u"1");
    setText(IDC_DEL_COUNT, u"1");
    setText(IDC_INS_POS, u"1");

    fillList(IDC_BASIC_CASE_MODE, {L"全部大写", L"全部小写", L"每个单词首字母大写"});
    fillList(IDC_BASIC_CASE_OF, {L"文件名", L"扩展名", L"文件名和扩展名"});
    SendMessageW(item(IDC_BASIC_CASE_MODE), CB_SETCURSEL, 0, 0);
    SendMessageW(item(IDC_BASIC_CASE_OF), CB_SETCURSEL, 0, 0);

    fillList(IDC_MP3_TEMPLATE, {L"艺术家-标题", L"标题-艺术家", L"艺术家-标题-专辑", L"序号-标题"});
    // Cleared: the list starts without its tag columns, and the box says whether they are there.
    check(IDC_MP3_SHOW_TAG, false);

    for (int id : {IDC_GRP_SEQ, IDC_LBL_SEQ_START, IDC_LBL_SEQ_STEP, IDC_LBL_SEQ_DIGITS,
                   IDC_SEQ_START, IDC_SEQ_STEP, IDC_SEQ_DIGITS, IDC_SEQ_START_SPIN,
                   IDC_SEQ_STEP_SPIN, IDC_SEQ_DIGITS_SPIN}) {
        enable(id, false);
    }
    applyAdvancedMode(1);
}

void RulePages::showGroup(PageGroup group, bool show) const {
    for (const PagePlacement& p : pagePlacements()) {
        if (p.group == group) ShowWindow(item(p.id), show ? SW_SHOWNA : SW_HIDE);
    }
}

void RulePages::showReplacePage(bool show) const {
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

int RulePages::showChosenPage() {
    const int page = static_cast<int>(SendMessageW(item(IDC_TAB), TCM_GETCURSEL, 0, 0));
    selected_ = page;
    showGroup(PageGroup::Basic, page == PageBasic);
    showGroup(PageGroup::Insert, page == PageInsert);
    showGroup(PageGroup::Delete, page == PageDelete);
    showReplacePage(page == PageReplace);
    showGroup(PageGroup::Advanced, page == PageAdvanced);
    showGroup(PageGroup::Mp3, page == PageMp3);
    showGroup(PageGroup::OperationObject, page >= PageInsert && page <= PageAdvanced);
    switch (page) {
        case PageInsert:
            return IDC_INS_TEXT;
        case PageDelete:
            return IDC_DEL_COUNT;
        case PageAdvanced:
            return IDC_ADV_SEP;
        case PageMp3:
            return IDC_MP3_STYLE;
        default:
            return 0;
    }
}

void RulePages::followReplaceMode() {
    if (selected_ == PageReplace) showReplacePage(true);
}

void RulePages::applyAdvancedMode(int mode) {
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

void RulePages::insertSequenceToggled() {
    const bool on = checked(IDC_INS_SEQ);
    std::u16string insert = text(IDC_INS_TEXT);
    if (on) {
        insert += u"/N";
    } else {
        for (std::size_t at = insert.find(u"/N"); at != std::u16string::npos;
             at = insert.find(u"/N", at)) {
            insert.erase(at, 2);
        }
    }
    setText(IDC_INS_TEXT, insert);
    for (int id :
         {IDC_LBL_SEQ_START, IDC_LBL_SEQ_STEP, IDC_LBL_SEQ_DIGITS, IDC_SEQ_START, IDC_SEQ_STEP,
          IDC_SEQ_DIGITS, IDC_SEQ_START_SPIN, IDC_SEQ_STEP_SPIN, IDC_SEQ_DIGITS_SPIN}) {
        enable(id, on);
    }
    // The frame only ever goes grey here; it is never made active again.
    if (!on) enable(IDC_GRP_SEQ, false);
}

void RulePages::insertIntoNameToggled() {
    const bool on = checked(IDC_INS_INTO_NAME);
    for (int id :
         {IDC_LBL_INS_POS, IDC_INS_POS, IDC_INS_POS_SPIN, IDC_INS_FROM_HEAD, IDC_INS_FROM_TAIL}) {
        enable(id, on);
    }
}

void RulePages::clearInsertText() { setText(IDC_INS_TEXT, u""); }
void RulePages::focusNewName() const { SetFocus(item(IDC_NEW_NAME)); }
void RulePages::focusNewExtension() const { SetFocus(item(IDC_NEW_EXT)); }

void RulePages::templateChosen() {
    const int index = static_cast<int>(SendMessageW(item(IDC_MP3_TEMPLATE), CB_GETCURSEL, 0, 0));
    setText(IDC_MP3_STYLE, chooseTemplate(text(IDC_MP3_STYLE), index));
}

void RulePages::appendTemplateToken(int buttonId) {
    const std::pair<int, TagToken> tokens[] = {
        {IDC_MP3_ARTIST, TagToken::Artist}, {IDC_MP3_TITLE, TagToken::Title},
        {IDC_MP3_ALBUM, TagToken::Album},   {IDC_MP3_YEAR, TagToken::Year},
        {IDC_MP3_GENRE, TagToken::Genre},   {IDC_MP3_SEQ, TagToken::Sequence},
        {IDC_MP3_TRACK, TagToken::Track},
    };
    for (const auto& [button, token] : tokens) {
        if (button == buttonId) setText(IDC_MP3_STYLE, appendToken(text(IDC_MP3_STYLE), token));
    }
}

void RulePages::clearTemplate() { setText(IDC_MP3_STYLE, clearStyle()); }

bool RulePages::holdsForbiddenCharacter(int fieldId) const {
    // A regular expression is no name: it needs backslashes, ?, * and | of its own.
    if (fieldId == IDC_REP_FIND && checked(IDC_REP_REGEX)) return false;
    return findForbiddenCharacter(text(fieldId), forbiddenCharactersOf(fieldId)) != 0;
}

void RulePages::clearField(int fieldId) { setText(fieldId, u""); }

PageOptions RulePages::readOptions() const {
    PageOptions o;
    o.editExtension = checked(IDC_OBJ_EXT);

    o.basic.newNameChecked = checked(IDC_BASIC_NEW_NAME);
    o.basic.newExtensionChecked = checked(IDC_BASIC_NEW_EXT);
    o.basic.deleteExtensionChecked = checked(IDC_BASIC_DEL_EXT);
    o.basic.swapChecked = checked(IDC_BASIC_SWAP);
    o.basic.caseChecked = checked(IDC_BASIC_CASE);
    o.basic.letterCase = static_cast<LetterCase>(
        std::max<LRESULT>(0, SendMessageW(item(IDC_BASIC_CASE_MODE), CB_GETCURSEL, 0, 0)));
    o.basic.caseObject = static_cast<CaseObject>(
        std::max<LRESULT>(0, SendMessageW(item(IDC_BASIC_CASE_OF), CB_GETCURSEL, 0, 0)));
    o.basic.newExtension = text(IDC_NEW_EXT);
    o.basic.newName = text(IDC_NEW_NAME);

    o.insert.text = text(IDC_INS_TEXT);
    o.insert.insertIntoName = checked(IDC_INS_INTO_NAME);
    o.insert.position = text(IDC_INS_POS);
    o.insert.fromHead = checked(IDC_INS_FROM_HEAD);
    o.insert.sequence = checked(IDC_INS_SEQ);
    o.insert.start = text(IDC_SEQ_START);
    o.insert.step = text(IDC_SEQ_STEP);
    o.insert.digits = text(IDC_SEQ_DIGITS);

    o.del.fromHead = checked(IDC_DEL_FROM_HEAD);
    o.del.fromTail = checked(IDC_DEL_FROM_TAIL);
    o.del.count = text(IDC_DEL_COUNT);
    o.del.position = text(IDC_DEL_POS);

    o.replace.byText = checked(IDC_REP_BY_TEXT);
    o.replace.byPosition = checked(IDC_REP_BY_POS);
    o.replace.find = text(IDC_REP_FIND);
    o.replace.regex = checked(IDC_REP_REGEX);
    o.replace.withText = text(IDC_REP_WITH);
    o.replace.count = text(IDC_REP_COUNT);
    o.replace.position = text(IDC_REP_POS);
    o.replace.withRun = text(IDC_REP_RUN);
    o.replace.invert = checked(IDC_REP_INVERT);
    o.replace.fromHead = checked(IDC_REP_FROM_HEAD);
    o.replace.fromTail = checked(IDC_REP_FROM_TAIL);

    o.advanced.separator = text(IDC_ADV_SEP);
    o.advanced.replacement = text(IDC_ADV_REPL);
    o.advanced.mode1 = checked(IDC_ADV_MODE1);
    o.advanced.n = text(IDC_ADV_N);
    o.advanced.invert = checked(IDC_ADV_INVERT);
    o.advanced.from = text(IDC_ADV_FROM);
    o.advanced.to = text(IDC_ADV_TO);

    o.mp3.templateText = text(IDC_MP3_STYLE);
    o.mp3.start = text(IDC_MP3_SEQ_START);
    o.mp3.step = text(IDC_MP3_SEQ_STEP);
    o.mp3.digits = text(IDC_MP3_SEQ_DIGITS);
    return o;
}

void RulePages::fillList(int id, std::initializer_list<const wchar_t*> entries) const {
    HWND list = item(id);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    // The layout gives the box its closed height; the list below shows every entry.
    SendMessageW(list, CB_SETMINVISIBLE, entries.size(), 0);
    for (const wchar_t* entry : entries) {
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
}

bool RulePages::checked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

void RulePages::enable(int id, bool on) const { EnableWindow(item(id), on ? TRUE : FALSE); }

std::u16string RulePages::text(int id) const { return windowText(item(id)); }

void RulePages::setText(int id, std::u16string_view text) {
    const std::u16string copy(text);
    SetDlgItemTextW(window_, id, reinterpret_cast<const wchar_t*>(copy.c_str()));
}

}  // namespace tessary
