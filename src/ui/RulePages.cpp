#include "ui/RulePages.h"

// after windows.h
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "res/resource.h"
#include "tags/TagTemplates.h"
#include "ui/DialogBase.h"
#include "ui/TemplateControls.h"

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

constexpr int kGroupIds[] = {IDC_GRP_INSERT,  IDC_GRP_BASIC,     IDC_GRP_MP3,      IDC_GRP_DELETE,
                             IDC_GRP_INS_POS, IDC_GRP_SEQ,       IDC_GRP_REP_TEXT, IDC_GRP_ADV,
                             IDC_GRP_REP_POS, IDC_GRP_ADV_RANGE, IDC_GRP_OBJECT};
constexpr int kEditIds[] = {IDC_MP3_STYLE, IDC_INS_TEXT, IDC_REP_FIND, IDC_ADV_SEP,
                            IDC_REP_WITH,  IDC_ADV_REPL, IDC_REP_RUN};

using Part = RulePages::Part;

int templateOf(Part part) {
    switch (part) {
        case Part::Insert:
            return IDD_PART_INSERT;
        case Part::OperationObject:
            return IDD_PART_OBJECT;
        case Part::Delete:
            return IDD_PART_DELETE;
        case Part::Replace:
            return IDD_PART_REPLACE;
        case Part::Advanced:
            return IDD_PART_ADVANCED;
        case Part::Mp3:
            return IDD_PART_MP3;
        case Part::Basic:
            break;
    }
    return 0;  // the Basic page is in the form
}

Part partOf(PageGroup group) {
    switch (group) {
        case PageGroup::Basic:
            return Part::Basic;
        case PageGroup::Insert:
            return Part::Insert;
        case PageGroup::Delete:
            return Part::Delete;
        case PageGroup::ReplaceMode:
        case PageGroup::ReplaceByText:
        case PageGroup::ReplaceByPosition:
            return Part::Replace;
        case PageGroup::Advanced:
            return Part::Advanced;
        case PageGroup::Mp3:
            return Part::Mp3;
        case PageGroup::OperationObject:
            break;
    }
    return Part::OperationObject;
}

// The first state of every check box and radio button. Each group's buttons are all listed, so
// no group walk is needed.
struct FirstCheck {
    Part part;
    int id;
    bool on;
};
constexpr FirstCheck kFirstChecks[] = {
    {Part::Basic, IDC_BASIC_NEW_EXT, true},
    {Part::Basic, IDC_BASIC_NEW_NAME, false},
    {Part::Basic, IDC_BASIC_DEL_EXT, false},
    {Part::Basic, IDC_BASIC_SWAP, false},
    {Part::Basic, IDC_BASIC_CASE, false},
    {Part::Insert, IDC_INS_INTO_NAME, true},
    {Part::Insert, IDC_INS_SEQ, false},
    {Part::Insert, IDC_INS_FROM_HEAD, true},
    {Part::Insert, IDC_INS_FROM_TAIL, false},
    {Part::OperationObject, IDC_OBJ_NAME, true},
    {Part::OperationObject, IDC_OBJ_EXT, false},
    {Part::Delete, IDC_DEL_FROM_HEAD, true},
    {Part::Delete, IDC_DEL_FROM_TAIL, false},
    {Part::Replace, IDC_REP_BY_TEXT, true},
    {Part::Replace, IDC_REP_BY_POS, false},
    {Part::Replace, IDC_REP_FROM_HEAD, true},
    {Part::Replace, IDC_REP_FROM_TAIL, false},
    {Part::Replace, IDC_REP_INVERT, false},
    {Part::Replace, IDC_REP_REGEX, false},
    {Part::Advanced, IDC_ADV_MODE1, true},
    {Part::Advanced, IDC_ADV_MODE2, false},
    {Part::Advanced, IDC_ADV_INVERT, false},
    // Cleared: the list starts without its tag columns, and the box says whether they are there.
    {Part::Mp3, IDC_MP3_SHOW_TAG, false},
};

// The range of every spin, and its first position (-1: the edit's text is set instead).
struct FirstSpin {
    Part part;
    int id, low, high, position;
};
constexpr FirstSpin kFirstSpins[] = {
    {Part::Insert, IDC_INS_POS_SPIN, 1, 1000, -1},
    {Part::Insert, IDC_SEQ_START_SPIN, 0, 1000, 0},
    {Part::Insert, IDC_SEQ_STEP_SPIN, 0, 1000, 1},
    {Part::Insert, IDC_SEQ_DIGITS_SPIN, 1, 1000, 1},
    {Part::Delete, IDC_DEL_POS_SPIN, 1, 1000, -1},
    {Part::Delete, IDC_DEL_COUNT_SPIN, 1, 1000, 1},
    {Part::Replace, IDC_REP_POS_SPIN, 1, 1000, 1},
    {Part::Replace, IDC_REP_COUNT_SPIN, 1, 1000, 1},
    {Part::Advanced, IDC_ADV_N_SPIN, 1, 1000, 1},
    {Part::Advanced, IDC_ADV_FROM_SPIN, 1, 1000, 1},
    {Part::Advanced, IDC_ADV_TO_SPIN, 2, 1000, 2},
    // The Mp3 page's running number: 1, 1 and two digits.
    {Part::Mp3, IDC_MP3_SEQ_START_SPIN, 0, 100000, 1},
    {Part::Mp3, IDC_MP3_SEQ_STEP_SPIN, 0, 1000, 1},
    {Part::Mp3, IDC_MP3_SEQ_DIGITS_SPIN, 1, 10, 2},
};

bool isGroupBox(int id) {
    return std::find(std::begin(kGroupIds), std::end(kGroupIds), id) != std::end(kGroupIds);
}

// Puts a control directly above `anchor` in the order of the siblings, which is their order of
// painting and of the Tab key.
void placeAbove(HWND control, HWND anchor) {
    SetWindowPos(control, GetWindow(anchor, GW_HWNDPREV), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace

void RulePages::attach(HWND window) {
    window_ = window;
    made_.fill(false);
    made_[static_cast<std::size_t>(Part::Basic)] = true;
    static_assert(std::size(kGroupIds) == std::tuple_size_v<decltype(groups_)>);
    static_assert(std::size(kEditIds) == std::tuple_size_v<decltype(edits_)>);
    adopt(item(IDC_GRP_BASIC), IDC_GRP_BASIC);

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

void RulePages::make(Part part) {
    const auto index = static_cast<std::size_t>(part);
    if (made_[index]) return;
    made_[index] = true;
    const std::vector<HWND> controls = createTemplateControls(
        window_, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)),
        templateOf(part));
    // In the form, the pages' controls lie above the frames of the groups, and those above the
    // tab control: the frames paint under the controls and the Tab key meets the controls in
    // the form's order.
    HWND controlsAnchor = item(IDC_GRP_BASIC);
    HWND groupsAnchor = item(IDC_TAB);
    for (HWND control : controls) {
        const int id = GetDlgCtrlID(control);
        placeAbove(control, isGroupBox(id) ? groupsAnchor : controlsAnchor);
        adopt(control, id);
    }
    setFirstValues(part);
}

void RulePages::adopt(HWND control, int id) {
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        if (kGroupIds[i] != id) continue;
        groups_[i].attach(control);
        groups_[i].setLineColor(0x8B8B8B);
        groups_[i].setBackgroundColor(kMainBackground);
    }
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        if (kEditIds[i] == id) edits_[i].attach(control);
    }
}

void RulePages::makePartsOf(int page) {
    switch (page) {
        case PageInsert:
            make(Part::Insert);
            break;
        case PageDelete:
            make(Part::Delete);
            break;
        case PageReplace:
            make(Part::Replace);
            break;
        case PageAdvanced:
            make(Part::Advanced);
            break;
        case PageMp3:
            make(Part::Mp3);
            return;
        default:
            return;
    }
    make(Part::OperationObject);
}

void RulePages::setDefaults() {
    selected_ = PageBasic;
    // A part made later gets its first values then.
    for (std::size_t i = 0; i < kPartCount; ++i) {
        if (made_[i]) setFirstValues(static_cast<Part>(i));
    }
}

void RulePages::setFirstValues(Part part) {
    for (const FirstCheck& c : kFirstChecks) {
        if (c.part == part) setCheckWithoutGroupWalk(item(c.id), c.on);
    }
    for (const FirstSpin& spin : kFirstSpins) {
        if (spin.part != part) continue;
        SendMessageW(item(spin.id), UDM_SETRANGE32, spin.low, spin.high);
        if (spin.position >= 0) SendMessageW(item(spin.id), UDM_SETPOS32, 0, spin.position);
    }
    switch (part) {
        case Part::Basic:
            setText(IDC_NEW_EXT, u"");
            SendMessageW(item(IDC_NEW_EXT), EM_SETLIMITTEXT, 253, 0);
            fillList(IDC_BASIC_CASE_MODE, {L"全部大写", L"全部小写", L"每个单词首字母大写"});
            fillList(IDC_BASIC_CASE_OF, {L"文件名", L"扩展名", L"文件名和扩展名"});
            SendMessageW(item(IDC_BASIC_CASE_MODE), CB_SETCURSEL, 0, 0);
            SendMessageW(item(IDC_BASIC_CASE_OF), CB_SETCURSEL, 0, 0);
            break;
        case Part::Insert:
            setText(IDC_INS_POS, u"1");
            // The sequence controls wait for their check box.
            for (int id : {IDC_GRP_SEQ, IDC_LBL_SEQ_START, IDC_LBL_SEQ_STEP, IDC_LBL_SEQ_DIGITS,
                           IDC_SEQ_START, IDC_SEQ_STEP, IDC_SEQ_DIGITS, IDC_SEQ_START_SPIN,
                           IDC_SEQ_STEP_SPIN, IDC_SEQ_DIGITS_SPIN}) {
                enable(id, false);
            }
            break;
        case Part::Delete:
            setText(IDC_DEL_POS, u"1");
            setText(IDC_DEL_COUNT, u"1");
            break;
        case Part::Advanced:
            applyAdvancedMode(1);
            break;
        case Part::Mp3:
            fillList(IDC_MP3_TEMPLATE,
                     {L"艺术家-标题", L"标题-艺术家", L"艺术家-标题-专辑", L"序号-标题"});
            break;
        case Part::OperationObject:
        case Part::Replace:
            break;
    }
}

void RulePages::showGroup(PageGroup group, bool show) const {
    if (!made(partOf(group))) return;  // not made: hidden
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
    makePartsOf(page);
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
    if (made(Part::OperationObject)) o.editExtension = checked(IDC_OBJ_EXT);

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
    if (made(Part::Insert)) readInsert(o.insert);
    if (made(Part::Delete)) readDelete(o.del);
    if (made(Part::Replace)) readReplace(o.replace);
    if (made(Part::Advanced)) readAdvanced(o.advanced);
    if (made(Part::Mp3)) readMp3(o.mp3);
    return o;
}

void RulePages::readInsert(InsertOptions& o) const {
    o.text = text(IDC_INS_TEXT);
    o.insertIntoName = checked(IDC_INS_INTO_NAME);
    o.position = text(IDC_INS_POS);
    o.fromHead = checked(IDC_INS_FROM_HEAD);
    o.sequence = checked(IDC_INS_SEQ);
    o.start = text(IDC_SEQ_START);
    o.step = text(IDC_SEQ_STEP);
    o.digits = text(IDC_SEQ_DIGITS);
}

void RulePages::readDelete(DeleteOptions& o) const {
    o.fromHead = checked(IDC_DEL_FROM_HEAD);
    o.fromTail = checked(IDC_DEL_FROM_TAIL);
    o.count = text(IDC_DEL_COUNT);
    o.position = text(IDC_DEL_POS);
}

void RulePages::readReplace(ReplaceOptions& o) const {
    o.byText = checked(IDC_REP_BY_TEXT);
    o.byPosition = checked(IDC_REP_BY_POS);
    o.find = text(IDC_REP_FIND);
    o.regex = checked(IDC_REP_REGEX);
    o.withText = text(IDC_REP_WITH);
    o.count = text(IDC_REP_COUNT);
    o.position = text(IDC_REP_POS);
    o.withRun = text(IDC_REP_RUN);
    o.invert = checked(IDC_REP_INVERT);
    o.fromHead = checked(IDC_REP_FROM_HEAD);
    o.fromTail = checked(IDC_REP_FROM_TAIL);
}

void RulePages::readAdvanced(AdvancedOptions& o) const {
    o.separator = text(IDC_ADV_SEP);
    o.replacement = text(IDC_ADV_REPL);
    o.mode1 = checked(IDC_ADV_MODE1);
    o.n = text(IDC_ADV_N);
    o.invert = checked(IDC_ADV_INVERT);
    o.from = text(IDC_ADV_FROM);
    o.to = text(IDC_ADV_TO);
}

void RulePages::readMp3(Mp3Options& o) const {
    o.templateText = text(IDC_MP3_STYLE);
    o.start = text(IDC_MP3_SEQ_START);
    o.step = text(IDC_MP3_SEQ_STEP);
    o.digits = text(IDC_MP3_SEQ_DIGITS);
}

bool RulePages::tagBoxChecked() const { return made(Part::Mp3) && checked(IDC_MP3_SHOW_TAG); }

void RulePages::setTagBoxChecked(bool on) {
    if (!on && !made(Part::Mp3)) return;  // a box not made yet is cleared
    make(Part::Mp3);
    CheckDlgButton(window_, IDC_MP3_SHOW_TAG, on ? BST_CHECKED : BST_UNCHECKED);
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
