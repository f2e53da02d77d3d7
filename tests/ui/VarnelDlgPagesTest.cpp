// The main window as it opens, its five pages and the controls that follow the page options.

#include <algorithm>
#include <set>
#include <vector>

#include "VarnelDlgSupport.h"
#include "ui/MyTabCtrl.h"

namespace tessary {
namespace {

using uitest::MainWindowTest;

TEST_F(MainWindowTest, OpensOnTheBasicPageReadyToType) {
    EXPECT_EQ(window_->selectedPage(), 0);
    EXPECT_TRUE(visible(IDC_BASIC_NEW_EXT));
    EXPECT_TRUE(checked(IDC_BASIC_NEW_EXT));
    EXPECT_FALSE(checked(IDC_BASIC_NEW_NAME));
    EXPECT_EQ(focusId(), IDC_NEW_EXT);
    EXPECT_FALSE(enabled(IDC_APPLY));
    EXPECT_FALSE(enabled(IDC_UNDO));
    EXPECT_TRUE(enabled(IDC_PREVIEW));
    EXPECT_EQ(statusPane(0), u"列表中的文件数:0个");
    EXPECT_EQ(statusPane(1), u"向下移动一行-");
    EXPECT_EQ(statusPane(2), u"向上移动一行-");
    EXPECT_EQ(uitest::windowText(hwnd()), L"Tessary批量改名器");
    EXPECT_EQ(window_->currentRow(), -1);
    EXPECT_FALSE(window_->topmost());
    // The marker a second start looks for is on the window.
    EXPECT_NE(GetPropW(hwnd(), L"Tessary Renamer"), nullptr);
    EXPECT_TRUE(prompter_.shown().empty());
}

TEST_F(MainWindowTest, OptionsStartFromTheirDefaults) {
    // The pages other than Basic are made when first shown; until then their options are the
    // first values their controls are given.
    EXPECT_EQ(item(IDC_INS_TEXT), nullptr);
    EXPECT_EQ(item(IDC_MP3_SHOW_TAG), nullptr);
    const PageOptions beforeMade = window_->readPageOptions();
    for (int page : {1, 2, 3, 4, 5, 0}) selectPage(page);
    const PageOptions o = window_->readPageOptions();
    EXPECT_TRUE(o == beforeMade);
    EXPECT_FALSE(o.editExtension);
    EXPECT_TRUE(o.insert.insertIntoName);
    EXPECT_TRUE(o.insert.fromHead);
    EXPECT_FALSE(o.insert.sequence);
    EXPECT_EQ(o.insert.position, u"1");
    EXPECT_EQ(o.insert.start, u"0");
    EXPECT_EQ(o.insert.step, u"1");
    EXPECT_EQ(o.insert.digits, u"1");
    EXPECT_EQ(o.del.position, u"1");
    EXPECT_EQ(o.del.count, u"1");
    EXPECT_TRUE(o.del.fromHead);
    EXPECT_TRUE(o.replace.byText);
    EXPECT_EQ(o.replace.position, u"1");
    EXPECT_EQ(o.replace.count, u"1");
    EXPECT_TRUE(o.replace.fromHead);
    EXPECT_TRUE(o.advanced.mode1);
    EXPECT_EQ(o.advanced.n, u"1");
    EXPECT_EQ(o.advanced.from, u"1");
    EXPECT_EQ(o.advanced.to, u"2");
    EXPECT_EQ(SendMessageW(item(IDC_NEW_EXT), EM_GETLIMITTEXT, 0, 0), 253);

    struct Range {
        int spin, low, high;
    };
    for (const Range& r : {Range{IDC_INS_POS_SPIN, 1, 1000}, Range{IDC_SEQ_START_SPIN, 0, 1000},
                           Range{IDC_SEQ_STEP_SPIN, 0, 1000}, Range{IDC_SEQ_DIGITS_SPIN, 1, 1000},
                           Range{IDC_DEL_POS_SPIN, 1, 1000}, Range{IDC_DEL_COUNT_SPIN, 1, 1000},
                           Range{IDC_REP_POS_SPIN, 1, 1000}, Range{IDC_REP_COUNT_SPIN, 1, 1000},
                           Range{IDC_ADV_N_SPIN, 1, 1000}, Range{IDC_ADV_FROM_SPIN, 1, 1000},
                           Range{IDC_ADV_TO_SPIN, 2, 1000}}) {
        int low = -1, high = -1;
        SendMessageW(item(r.spin), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                     reinterpret_cast<LPARAM>(&high));
        EXPECT_EQ(low, r.low) << r.spin;
        EXPECT_EQ(high, r.high) << r.spin;
    }
    // The sequence controls wait for their check box.
    for (int id : {IDC_GRP_SEQ, IDC_LBL_SEQ_START, IDC_SEQ_START, IDC_SEQ_START_SPIN, IDC_SEQ_STEP,
                   IDC_SEQ_DIGITS, IDC_SEQ_DIGITS_SPIN}) {
        EXPECT_FALSE(enabled(id)) << id;
    }
    EXPECT_EQ(SendMessageW(item(IDC_MP3_TEMPLATE), CB_GETCOUNT, 0, 0), 4);
    // The list starts with its nine columns, so the box that stands for the tag columns is
    // cleared.
    EXPECT_FALSE(checked(IDC_MP3_SHOW_TAG));
}

TEST_F(MainWindowTest, TabsAndColumnsAreTheSixAndTheNine) {
    HWND tab = item(IDC_TAB);
    ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), 6);
    // Drawn by our tab control, not the platform's (whose white page clashes with the form).
    EXPECT_NE(dynamic_cast<CMyTabCtrl*>(SubclassedControl::fromHandle(tab)), nullptr);
    const wchar_t* tabs[] = {L"基本操作", L"插入操作",     L"删除操作",
                             L"替换操作", L"高级替换操作", L"MP3命名"};
    for (int i = 0; i < 6; ++i) {
        wchar_t buffer[64] = {};
        TCITEMW t{};
        t.mask = TCIF_TEXT;
        t.pszText = buffer;
        t.cchTextMax = 64;
        SendMessageW(tab, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&t));
        EXPECT_STREQ(buffer, tabs[i]);
    }

    HWND list = item(IDC_FILE_LIST);
    HWND header = ListView_GetHeader(list);
    ASSERT_EQ(Header_GetItemCount(header), 9);
    const wchar_t* headers[] = {L"文件名",    L"预览",      L"大小",     L"路径",  L"状态",
                                L"File Name", L"Full Path", L"修改日期", L"扩展名"};
    const int widths[] = {200, 200, 100, 100, 100, 0, 0, 100, 100};
    for (int c = 0; c < 9; ++c) {
        wchar_t buffer[64] = {};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = buffer;
        column.cchTextMax = 64;
        ASSERT_TRUE(ListView_GetColumn(list, c, &column));
        EXPECT_STREQ(buffer, headers[c]);
        EXPECT_EQ(column.cx, widths[c]) << c;
    }
    int order[9] = {};
    ListView_GetColumnOrderArray(list, 9, order);
    // Hidden columns go to the end, placed from the last position backwards in the order the
    // display order meets them: after hiding 5 it is (..., 8, 5); hiding 6 then meets 6 first.
    const std::vector<int> expected = {0, 1, 2, 3, 4, 7, 8, 5, 6};
    EXPECT_EQ(std::vector<int>(order, order + 9), expected);
    const DWORD ex = ListView_GetExtendedListViewStyle(list);
    EXPECT_TRUE(ex & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(ex & LVS_EX_GRIDLINES);
    EXPECT_TRUE(ex & LVS_EX_HEADERDRAGDROP);
    EXPECT_TRUE(GetWindowLongPtrW(list, GWL_STYLE) & LVS_OWNERDATA);
}

TEST_F(MainWindowTest, EachPageShowsItsOwnControls) {
    // The page each control belongs to, by group; the Replace page's two panels depend on its
    // mode and are checked on their own.
    auto shownOn = [](PageGroup group, int page) {
        switch (group) {
            case PageGroup::Basic:
                return page == 0;
            case PageGroup::Insert:
                return page == 1;
            case PageGroup::Delete:
                return page == 2;
            case PageGroup::ReplaceMode:
                return page == 3;
            case PageGroup::ReplaceByText:
                return page == 3;  // "按内容替换" is checked
            case PageGroup::ReplaceByPosition:
                return false;
            case PageGroup::Advanced:
                return page == 4;
            case PageGroup::Mp3:
                return page == 5;
            case PageGroup::OperationObject:
                return page >= 1 && page <= 4;
        }
        return false;
    };
    const int focusOf[] = {0, IDC_INS_TEXT, IDC_DEL_COUNT, 0, IDC_ADV_SEP, IDC_MP3_STYLE};
    for (int page : {1, 2, 3, 4, 5, 0, 3, 5, 1}) {
        selectPage(page);
        EXPECT_EQ(window_->selectedPage(), page);
        for (const PagePlacement& p : pagePlacements()) {
            EXPECT_EQ(visible(p.id), shownOn(p.group, page)) << "page " << page << " id " << p.id;
        }
        if (focusOf[page] != 0) {
            EXPECT_EQ(focusId(), focusOf[page]) << "page " << page;
        }
        // Never shown on any page.
        EXPECT_FALSE(visible(IDC_CLEAR_LIST_SHORT));
    }
    selectPage(1);
    EXPECT_TRUE(checked(IDC_OBJ_NAME));
    EXPECT_FALSE(checked(IDC_OBJ_EXT));
}

TEST_F(MainWindowTest, MadePagesKeepTheFormsOrderOfPaintingAndOfTheTabKey) {
    for (int page : {1, 2, 3, 4, 5, 1}) selectPage(page);
    std::vector<int> order;  // the siblings from the top
    for (HWND c = GetWindow(hwnd(), GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        order.push_back(GetDlgCtrlID(c));
    }
    const auto at = [&](int id) {
        return std::find(order.begin(), order.end(), id) - order.begin();
    };
    const std::set<int> frames = {IDC_GRP_BASIC,     IDC_GRP_INSERT,  IDC_GRP_INS_POS,
                                  IDC_GRP_SEQ,       IDC_GRP_OBJECT,  IDC_GRP_DELETE,
                                  IDC_GRP_REP_TEXT,  IDC_GRP_REP_POS, IDC_GRP_ADV,
                                  IDC_GRP_ADV_RANGE, IDC_GRP_MP3};
    // The controls above every frame, the frames above the tabs, the tabs above the list.
    for (const PagePlacement& p : pagePlacements()) {
        ASSERT_LT(at(p.id), static_cast<long>(order.size())) << p.id;
        if (frames.count(p.id) != 0) continue;
        for (int frame : frames) EXPECT_LT(at(p.id), at(frame)) << p.id << " over " << frame;
    }
    for (int frame : frames) EXPECT_LT(at(frame), at(IDC_TAB)) << frame;
    EXPECT_LT(at(IDC_TAB), at(IDC_FILE_LIST));

    // The Tab key on the Insert page: its controls in the form's order, then the operation
    // object, then the tabs and the list.
    std::vector<int> walked;
    HWND from = item(IDC_INS_TEXT);
    for (int step = 0; step < 9; ++step) {
        from = GetNextDlgTabItem(hwnd(), from, FALSE);
        walked.push_back(GetDlgCtrlID(from));
    }
    const std::vector<int> expected = {IDC_INS_INTO_NAME, IDC_INS_SEQ,   IDC_INS_CLEAR,
                                       IDC_INS_FROM_HEAD, IDC_INS_POS,   IDC_OBJ_NAME,
                                       IDC_TAB,           IDC_FILE_LIST, IDC_ADD_FILES};
    EXPECT_EQ(walked, expected);
}

TEST_F(MainWindowTest, ReplacePanelFollowsTheModeAtTheMomentOfSwitching) {
    selectPage(3);
    EXPECT_TRUE(visible(IDC_REP_FIND));
    EXPECT_FALSE(visible(IDC_REP_RUN));
    click(IDC_REP_BY_POS);
    EXPECT_FALSE(visible(IDC_REP_FIND));
    EXPECT_TRUE(visible(IDC_REP_RUN));
    EXPECT_TRUE(visible(IDC_GRP_REP_POS));
    selectPage(0);
    EXPECT_FALSE(visible(IDC_REP_RUN));
    EXPECT_FALSE(visible(IDC_REP_FIND));
    selectPage(3);
    EXPECT_TRUE(visible(IDC_REP_RUN));
    EXPECT_FALSE(visible(IDC_REP_FIND));
    click(IDC_REP_BY_TEXT);
    EXPECT_TRUE(visible(IDC_REP_FIND));
    EXPECT_FALSE(visible(IDC_REP_RUN));
    const PageOptions o = window_->readPageOptions();
    EXPECT_TRUE(o.replace.byText);
    EXPECT_FALSE(o.replace.byPosition);
}

TEST_F(MainWindowTest, AdvancedModesEnableTheirOwnControls) {
    const std::vector<int> mode1 = {IDC_LBL_ADV_HEAD, IDC_ADV_N, IDC_ADV_N_SPIN, IDC_LBL_ADV_SEPS1,
                                    IDC_ADV_INVERT};
    const std::vector<int> mode2 = {IDC_LBL_ADV_FROM, IDC_ADV_FROM, IDC_ADV_FROM_SPIN,
                                    IDC_LBL_ADV_TO,   IDC_ADV_TO,   IDC_ADV_TO_SPIN,
                                    IDC_LBL_ADV_SEPS2};
    auto expectMode = [&](bool one) {
        for (int id : mode1) EXPECT_EQ(enabled(id), one) << id;
        for (int id : mode2) EXPECT_EQ(enabled(id), !one) << id;
    };
    selectPage(4);
    expectMode(true);
    click(IDC_ADV_MODE2);
    expectMode(false);
    EXPECT_FALSE(window_->readPageOptions().advanced.mode1);
    click(IDC_ADV_MODE1);
    expectMode(true);
    EXPECT_TRUE(window_->readPageOptions().advanced.mode1);
}

TEST_F(MainWindowTest, InsertCheckBoxesDriveTheirControls) {
    selectPage(1);
    setText(IDC_INS_TEXT, u"IMG");
    click(IDC_INS_SEQ);
    EXPECT_EQ(text(IDC_INS_TEXT), u"IMG/N");
    for (int id :
         {IDC_SEQ_START, IDC_SEQ_STEP, IDC_SEQ_DIGITS, IDC_SEQ_DIGITS_SPIN, IDC_LBL_SEQ_STEP}) {
        EXPECT_TRUE(enabled(id)) << id;
    }
    EXPECT_FALSE(enabled(IDC_GRP_SEQ));  // the frame stays grey
    setText(IDC_INS_TEXT, u"/Na/Nb");
    click(IDC_INS_SEQ);
    EXPECT_EQ(text(IDC_INS_TEXT), u"ab");
    EXPECT_FALSE(enabled(IDC_SEQ_START));

    click(IDC_INS_INTO_NAME);
    for (int id :
         {IDC_LBL_INS_POS, IDC_INS_POS, IDC_INS_POS_SPIN, IDC_INS_FROM_HEAD, IDC_INS_FROM_TAIL}) {
        EXPECT_FALSE(enabled(id)) << id;
    }
    EXPECT_FALSE(window_->readPageOptions().insert.insertIntoName);
    click(IDC_INS_INTO_NAME);
    EXPECT_TRUE(enabled(IDC_INS_POS));

    click(IDC_INS_CLEAR);
    EXPECT_EQ(text(IDC_INS_TEXT), u"");
}

TEST_F(MainWindowTest, BasicRadiosMoveTheFocusToTheirField) {
    click(IDC_BASIC_NEW_NAME);
    EXPECT_EQ(focusId(), IDC_NEW_NAME);
    click(IDC_BASIC_NEW_EXT);
    EXPECT_EQ(focusId(), IDC_NEW_EXT);
    click(IDC_BASIC_SWAP);
    const PageOptions o = window_->readPageOptions();
    EXPECT_TRUE(o.basic.swapChecked);
    EXPECT_FALSE(o.basic.newExtensionChecked);
}

TEST_F(MainWindowTest, WithRegularExpressionsTheFindFieldTakesTheirCharacters) {
    selectPage(PageReplace);
    EXPECT_TRUE(visible(IDC_REP_REGEX));
    EXPECT_FALSE(window_->readPageOptions().replace.regex);
    setText(IDC_REP_FIND, u"\\d+");
    EXPECT_EQ(text(IDC_REP_FIND), u"");  // refused as a name's text
    ASSERT_EQ(prompter_.shown().size(), 1u);
    click(IDC_REP_REGEX);
    setText(IDC_REP_FIND, u"(\\d+)\\.?");
    EXPECT_EQ(text(IDC_REP_FIND), u"(\\d+)\\.?");
    EXPECT_EQ(prompter_.shown().size(), 1u);
    setText(IDC_REP_WITH, u"[$1]");
    EXPECT_TRUE(window_->readPageOptions().replace.regex);
    window_->model().insertRow(0, u"track12 of 30.mp3");
    click(IDC_PREVIEW);
    EXPECT_EQ(window_->model().text(0, ColPreview), u"track[12] of [30].mp3");
    setText(IDC_REP_FIND, u"(a");
    click(IDC_PREVIEW);
    EXPECT_EQ(prompter_.shown().back().text, u"正则表达式有误:圆括号不配对");
}

TEST_F(MainWindowTest, TheCaseChangeIsAFifthBasicChoiceWithItsTwoLists) {
    PageOptions o = window_->readPageOptions();
    EXPECT_FALSE(o.basic.caseChecked);
    EXPECT_EQ(o.basic.letterCase, LetterCase::Upper);
    EXPECT_EQ(o.basic.caseObject, CaseObject::Name);
    EXPECT_EQ(SendMessageW(item(IDC_BASIC_CASE_MODE), CB_GETCOUNT, 0, 0), 3);
    click(IDC_BASIC_CASE);
    SendMessageW(item(IDC_BASIC_CASE_MODE), CB_SETCURSEL, 2, 0);
    SendMessageW(item(IDC_BASIC_CASE_OF), CB_SETCURSEL, 2, 0);
    o = window_->readPageOptions();
    EXPECT_TRUE(o.basic.caseChecked);
    EXPECT_FALSE(o.basic.swapChecked || o.basic.newExtensionChecked);
    EXPECT_EQ(o.basic.letterCase, LetterCase::Title);
    EXPECT_EQ(o.basic.caseObject, CaseObject::Both);
    window_->model().insertRow(0, u"the best of.MP3");
    click(IDC_PREVIEW);
    EXPECT_EQ(window_->model().text(0, ColPreview), u"The Best Of.Mp3");
}

TEST_F(MainWindowTest, NameFieldsRefuseForbiddenCharacters) {
    struct Case {
        int id;
        std::u16string typed;
        bool refused;
    };
    const Case cases[] = {
        {IDC_NEW_NAME, u"a:b", true},   {IDC_NEW_EXT, u"t?t", true},
        {IDC_INS_TEXT, u"x/N", false},  {IDC_INS_TEXT, u"x\\y", true},
        {IDC_REP_FIND, u"a?b", true},   {IDC_REP_WITH, u"<b>", true},
        {IDC_REP_RUN, u"a|b", true},    {IDC_ADV_SEP, u"/", true},
        {IDC_ADV_REPL, u"\"q\"", true}, {IDC_NEW_NAME, u"照片 (1)", false},
    };
    for (int page : {PageInsert, PageReplace, PageAdvanced, PageBasic}) selectPage(page);
    for (const Case& c : cases) {
        const std::size_t before = prompter_.shown().size();
        setText(c.id, c.typed);
        if (c.refused) {
            ASSERT_EQ(prompter_.shown().size(), before + 1) << c.id;
            EXPECT_EQ(prompter_.shown().back().text, kForbiddenNameMessage);
            EXPECT_EQ(text(c.id), u"") << "the whole text goes";
        } else {
            EXPECT_EQ(prompter_.shown().size(), before) << c.id;
            EXPECT_EQ(text(c.id), c.typed);
        }
    }
    EXPECT_EQ(std::u16string_view(kForbiddenNameMessage).size(), 59u);
}

}  // namespace
}  // namespace tessary
