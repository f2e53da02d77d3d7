// The custom controls: picture buttons, group boxes, tabs, status bar and the tip panel.
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "UiTestSupport.h"
#include "ui/ColorButton.h"
#include "ui/ColorDlg.h"
#include "ui/ColorSB.h"
#include "ui/ColorStatic.h"
#include "ui/MyStatic.h"
#include "ui/MyTabCtrl.h"
#include "ui/res/resource.h"

namespace tessary {
namespace {

using uitest::colorDistance;
using uitest::resourcePixel;
using uitest::Surface;

constexpr WORD kButton = 100, kGroup = 101, kTabs = 102, kTip = 103;

class Host : public DialogBase {
  public:
    Host() : DialogBase(0) {}
};

class Controls : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
        uitest::DialogTemplate t(WS_POPUP, 400, 300);
        t.add(L"Button", L"应用", kButton, BS_OWNERDRAW, 5, 5, 40, 24)
            .add(L"Button", L"编辑文件名", kGroup, BS_GROUPBOX, 5, 40, 150, 60)
            .add(WC_TABCONTROLW, L"", kTabs, WS_CLIPSIBLINGS, 5, 110, 300, 80)
            .add(L"Static", L"", kTip, 0, 5, 200, 150, 30);
        ASSERT_NE(host.createModelessIndirect(nullptr, t.get()), nullptr);
    }
    HWND item(int id) const { return host.item(id); }
    Host host;
};

TEST_F(Controls, PictureButtonFollowsTheMouse) {
    CColorButton button;
    ASSERT_TRUE(button.attach(item(kButton)));
    button.setPictures(IDB_APPLY_NORMAL, IDB_APPLY_HOVER, IDB_APPLY_PRESSED, IDB_APPLY_DISABLED);
    using P = CColorButton::Picture;
    struct Step {
        UINT message;
        P expected;
    };
    const std::vector<Step> steps = {
        {WM_NULL, P::Normal},       {WM_MOUSEMOVE, P::Hover},   {WM_LBUTTONDOWN, P::Pressed},
        {WM_MOUSELEAVE, P::Normal}, {WM_MOUSEMOVE, P::Pressed}, {WM_LBUTTONUP, P::Hover},
        {WM_MOUSELEAVE, P::Normal},
    };
    for (const Step& s : steps) {
        SendMessageW(item(kButton), s.message, s.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                     MAKELPARAM(5, 5));
        EXPECT_EQ(button.currentPicture(), s.expected) << "after message " << s.message;
    }
    EnableWindow(item(kButton), FALSE);
    EXPECT_EQ(button.currentPicture(), P::Disabled);
}

TEST_F(Controls, PictureButtonCopiesPicturesButStretchesTheDisabledOne) {
    CColorButton button;
    ASSERT_TRUE(button.attach(item(kButton)));
    button.setPictures(IDB_APPLY_NORMAL, IDB_APPLY_HOVER, IDB_APPLY_PRESSED, IDB_APPLY_DISABLED);
    SetWindowTextW(item(kButton), L"");
    MoveWindow(item(kButton), 0, 0, 136, 96, FALSE);
    const RECT r{0, 0, 136, 96};
    {
        Surface s(136, 96);
        button.draw(s.dc(), r);
        EXPECT_EQ(s.pixel(30, 20), resourcePixel(IDB_APPLY_NORMAL, 30, 20));
        for (int y = 0; y < 96; ++y) {
            for (int x = 68; x < 136; ++x) {
                ASSERT_EQ(s.pixel(x, y), frame::kBackground) << "beyond the picture, " << x;
            }
        }
    }
    EnableWindow(item(kButton), FALSE);
    {
        Surface s(136, 96);
        button.draw(s.dc(), r);
        // Stretched twice: the picture's centre lands in the button's centre.
        EXPECT_LT(colorDistance(s.pixel(68, 34), resourcePixel(IDB_APPLY_DISABLED, 34, 17)), 40);
        int glyph = 0;
        for (int y = 0; y < 96; ++y) {
            for (int x = 68; x < 136; ++x) glyph += s.pixel(x, y) != frame::kBackground;
        }
        EXPECT_GT(glyph, 50) << "the picture reaches over the whole button";
    }
}

// Rows of a drawing that hold dark (text) pixels.
std::pair<int, int> darkRows(const Surface& s) {
    int first = -1, last = -1;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            const COLORREF c = s.pixel(x, y);
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) {
                if (first < 0) first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

TEST_F(Controls, PictureButtonWritesItsCaptionByTextMode) {
    CColorButton button;
    ASSERT_TRUE(button.attach(item(kButton)));
    MoveWindow(item(kButton), 0, 0, 68, 48, FALSE);
    const RECT r{0, 0, 68, 48};
    auto rows = [&](int mode, int margin) {
        button.setTextMode(mode, margin);
        Surface s(68, 48);
        button.draw(s.dc(), r);  // no pictures: the caption on the background
        return darkRows(s);
    };
    const auto centred = rows(0, 0);
    const auto bottom = rows(1, 0);
    const auto aboveMargin = rows(3, 3);
    const auto topAndBottom = rows(2, 3);
    ASSERT_GE(centred.first, 0);
    EXPECT_NEAR((centred.first + centred.second) / 2.0, 24.0, 4.0);
    EXPECT_GE(bottom.second, 44);
    EXPECT_LE(aboveMargin.second, 44);
    EXPECT_GE(aboveMargin.second, 38);
    EXPECT_LT(topAndBottom.first, 6);
    EXPECT_EQ(topAndBottom.second, aboveMargin.second);
    // Disabled: the caption is still written at the bottom.
    EnableWindow(item(kButton), FALSE);
    Surface s(68, 48);
    button.setTextMode(3, 3);
    button.draw(s.dc(), r);
    bool written = false;
    for (int y = 30; y < 46; ++y) {
        for (int x = 0; x < 68; ++x) written = written || s.pixel(x, y) != frame::kBackground;
    }
    EXPECT_TRUE(written);
}

TEST_F(Controls, GroupBoxDrawsARoundedFrameBrokenByItsCaption) {
    CColorStatic group;
    ASSERT_TRUE(group.attach(item(kGroup)));
    MoveWindow(item(kGroup), 0, 0, 120, 60, FALSE);
    Surface s(140, 70, frame::kBackground);
    group.draw(s.dc());
    EXPECT_EQ(s.pixel(0, 35), COLORREF{0x8B8B8B}) << "left line";
    EXPECT_EQ(s.pixel(119, 35), COLORREF{0x8B8B8B}) << "right line";
    EXPECT_EQ(s.pixel(60, 59), COLORREF{0x8B8B8B}) << "bottom line";
    EXPECT_EQ(s.pixel(10, 10), COLORREF{0x8B8B8B}) << "top line before the caption";
    EXPECT_NE(s.pixel(0, 10), COLORREF{0x8B8B8B}) << "rounded corner";
    int lineUnderCaption = 0;
    for (int x = 20; x < 60; ++x) lineUnderCaption += s.pixel(x, 10) == COLORREF{0x8B8B8B};
    EXPECT_EQ(lineUnderCaption, 0);
    // A caption longer than the box ends at its right edge.
    SetWindowTextW(item(kGroup), L"选项-在原名字中的插入位置选项-在原名字中的插入位置");
    Surface wide(140, 70, RGB(1, 2, 3));
    group.draw(wide.dc());
    for (int x = 120; x < 140; ++x) EXPECT_EQ(wide.pixel(x, 8), RGB(1, 2, 3)) << x;
}

TEST_F(Controls, TabsUseTheirPicturesAndThePageFrame) {
    HWND tabs = item(kTabs);
    MoveWindow(tabs, 0, 0, 600, 142, FALSE);
    SendMessageW(tabs, TCM_SETITEMSIZE, 0, MAKELPARAM(100, 25));
    SendMessageW(tabs, TCM_SETMINTABWIDTH, 0, 100);
    const wchar_t* names[] = {L"基本操作", L"插入操作", L"删除操作"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW tab{};
        tab.mask = TCIF_TEXT;
        tab.pszText = const_cast<wchar_t*>(names[i]);
        TabCtrl_InsertItem(tabs, i, &tab);
    }
    TabCtrl_SetCurSel(tabs, 1);
    CMyTabCtrl control;
    ASSERT_TRUE(control.attach(tabs));
    control.setTabPictures(IDB_TAB, IDB_TAB_SELECTED);
    RECT item0{}, item1{};
    TabCtrl_GetItemRect(tabs, 0, &item0);
    TabCtrl_GetItemRect(tabs, 1, &item1);
    EXPECT_EQ(control.tabDrawRect(0).top, item0.top);
    EXPECT_EQ(control.tabDrawRect(1).top, item1.top - 3);

    Surface s(600, 142);
    control.draw(s.dc());
    const RECT sel = control.tabDrawRect(1);
    EXPECT_EQ(s.pixel(sel.left + 3, sel.top + 2), resourcePixel(IDB_TAB_SELECTED, 3, 2));
    EXPECT_EQ(s.pixel(item0.left + 3, item0.top + 2), resourcePixel(IDB_TAB, 3, 2));
    const int row = control.tabRowBottom();
    EXPECT_EQ(s.pixel(0, row + 20), RGB(255, 255, 255));
    EXPECT_EQ(s.pixel(300, row), RGB(255, 255, 255));
    EXPECT_EQ(s.pixel(598, row + 20), COLORREF{0x646464});
    EXPECT_EQ(s.pixel(300, 140), COLORREF{0x646464});
    EXPECT_EQ(s.pixel(300, 60), frame::kBackground);
    // Beside the tabs the parent's own background shows (this host paints the system colour).
    EXPECT_EQ(s.pixel(500, row - 5), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(SendMessageW(tabs, WM_NCPAINT, 1, 0), 0);
}

TEST_F(Controls, StatusBarHasNoGripAndItsPanes) {
    CColorSB bar;
    ASSERT_NE(bar.create(host.hwnd(), 200), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(bar.hwnd(), GWL_STYLE) & SBARS_SIZEGRIP, 0);
    ASSERT_TRUE(bar.setPanes({200, 135, 125}));
    EXPECT_EQ(bar.paneCount(), 3);
    const RECT second = bar.paneRect(1);
    EXPECT_EQ(second.right - bar.paneRect(0).right, 135);
    ASSERT_TRUE(bar.setText(0, L"列表中的文件数:0个"));
    EXPECT_EQ(bar.text(0), L"列表中的文件数:0个");
}

TEST_F(Controls, TipPanelHidesAndEmptiesOnItsTimer) {
    CMyStatic tip;
    ASSERT_TRUE(tip.attach(item(kTip)));
    tip.showTip(L"提示:文件名不能包含下列任一字符", 0);
    EXPECT_TRUE(IsWindowVisible(item(kTip)));
    Surface s(300, 60);
    tip.draw(s.dc());
    EXPECT_EQ(s.pixel(40, 15), CMyStatic::kFill);
    SendMessageW(item(kTip), WM_TIMER, CMyStatic::kHideTimer, 0);
    EXPECT_FALSE(IsWindowVisible(item(kTip)));
    EXPECT_EQ(uitest::windowText(item(kTip)), L"");
}

// A control object that counts the messages it sees.
class CountingControl : public SubclassedControl {
  public:
    int seen = 0;

  protected:
    std::optional<LRESULT> onMessage(UINT message, WPARAM, LPARAM) override {
        if (message == WM_USER) ++seen;
        return std::nullopt;
    }
};

WNDPROC laterOriginal = nullptr;
int laterSeen = 0;
LRESULT CALLBACK laterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER) ++laterSeen;
    return CallWindowProcW(laterOriginal, window, message, wParam, lParam);
}

TEST_F(Controls, SubclassedControlLeavesTheChainWhole) {
    const HWND tip = item(kTip);
    const LONG_PTR staticProc = GetWindowLongPtrW(tip, GWLP_WNDPROC);
    {
        CountingControl control;
        ASSERT_TRUE(control.attach(tip));
        CountingControl second;
        EXPECT_FALSE(second.attach(tip)) << "one object per control";
        EXPECT_EQ(SubclassedControl::fromHandle(tip), &control);
        SendMessageW(tip, WM_USER, 0, 0);
        EXPECT_EQ(control.seen, 1);
        SetWindowTextW(tip, L"文字");
        EXPECT_EQ(uitest::windowText(tip), L"文字") << "the control's own procedure still runs";
    }
    // Detached on top of the chain: the control has its own procedure back.
    EXPECT_EQ(GetWindowLongPtrW(tip, GWLP_WNDPROC), staticProc);
    EXPECT_EQ(SubclassedControl::fromHandle(tip), nullptr);

    // A procedure put in after ours: detaching leaves ours in place, passing messages on, until
    // the control is destroyed.
    {
        CountingControl control;
        ASSERT_TRUE(control.attach(tip));
        laterOriginal = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(tip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&laterProc)));
        SendMessageW(tip, WM_USER, 0, 0);
        EXPECT_EQ(control.seen, 1);
    }
    laterSeen = 0;
    SendMessageW(tip, WM_USER, 0, 0);
    EXPECT_EQ(laterSeen, 1);
    EXPECT_EQ(SubclassedControl::fromHandle(tip), nullptr);
    SetWindowTextW(tip, L"再");
    EXPECT_EQ(uitest::windowText(tip), L"再");

    // Destroyed while attached: the object lets go of it.
    CountingControl control;
    ASSERT_TRUE(control.attach(item(kButton)));
    DestroyWindow(item(kButton));
    EXPECT_EQ(control.hwnd(), nullptr);
}

}  // namespace
}  // namespace tessary
