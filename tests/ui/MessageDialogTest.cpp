// The message dialogs, the about boxes and the window's Prompter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "ui/ColorButton.h"
#include "ui/DlgAbout.h"
#include "ui/DlgMsg.h"
#include "ui/DlgMsgYesNo.h"
#include "ui/Win32Prompter.h"
#include "ui/res/resource.h"

namespace tessary {
namespace {

using uitest::windowText;

RECT childRect(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct Buttons {
    int id;
    const wchar_t* text;
};

void expectPictureButtons(HWND dialog, const std::vector<Buttons>& buttons) {
    for (const Buttons& b : buttons) {
        HWND button = GetDlgItem(dialog, b.id);
        ASSERT_NE(button, nullptr) << b.id;
        EXPECT_EQ(windowText(button), b.text);
        EXPECT_TRUE(IsWindowVisible(button));
        const RECT r = childRect(dialog, b.id);
        EXPECT_EQ(r.right - r.left, 70);
        EXPECT_EQ(r.bottom - r.top, 25);
        EXPECT_NE(dynamic_cast<CColorButton*>(SubclassedControl::fromHandle(button)), nullptr);
    }
}

TEST(MessageDialogs, ShowTheirTextAndButtons) {
    const std::wstring text = L"帮助文件不存在!";
    {
        CDlgMsg dialog;
        dialog.setText(text);
        ASSERT_NE(dialog.createModeless(nullptr), nullptr);
        EXPECT_EQ(windowText(dialog.item(IDC_MSG_TEXT)), text);
        expectPictureButtons(dialog.hwnd(), {{IDOK, L"确定"}});
        EXPECT_EQ(GetDlgItem(dialog.hwnd(), IDCANCEL), nullptr);
    }
    {
        CDlgMsgYesNo dialog;
        dialog.setText(text);
        ASSERT_NE(dialog.createModeless(nullptr), nullptr);
        EXPECT_EQ(windowText(dialog.item(IDC_MSG_YESNO_TEXT)), text);
        expectPictureButtons(dialog.hwnd(), {{IDOK, L"是(&Y)"}, {IDCANCEL, L"否(&N)"}});
        EXPECT_LT(childRect(dialog.hwnd(), IDOK).right, childRect(dialog.hwnd(), IDCANCEL).left);
    }
}

TEST(MessageDialogs, EmptyTextStillShowsTheButtonsBelowTheTextArea) {
    CDlgMsgYesNo dialog;
    ASSERT_NE(dialog.createModeless(nullptr), nullptr);
    EXPECT_EQ(windowText(dialog.item(IDC_MSG_YESNO_TEXT)), L"");
    expectPictureButtons(dialog.hwnd(), {{IDOK, L"是(&Y)"}, {IDCANCEL, L"否(&N)"}});
    EXPECT_GT(childRect(dialog.hwnd(), IDOK).top,
              childRect(dialog.hwnd(), IDC_MSG_YESNO_TEXT).bottom);
}

TEST(MessageDialogs, LongTextMakesTheDialogTallerInsteadOfBeingCut) {
    auto clientHeight = [](const std::wstring& text) {
        CDlgMsg dialog;
        dialog.setText(text);
        dialog.createModeless(nullptr);
        RECT c{};
        GetClientRect(dialog.hwnd(), &c);
        const RECT t = childRect(dialog.hwnd(), IDC_MSG_TEXT);
        EXPECT_LT(t.bottom, childRect(dialog.hwnd(), IDOK).top);
        return c.bottom;
    };
    std::wstring longText;
    for (int i = 0; i < 12; ++i) longText += L"文件名中存在非法字符，请重新输入新的名字。";
    EXPECT_GT(clientHeight(longText), clientHeight(L"短"));
}

TEST(MessageDialogs, ButtonsAndKeysEndThemWithTheirAnswer) {
    struct Case {
        bool yesNo;
        int press;  // the button clicked, or 0 for Esc
        INT_PTR expected;
    };
    const std::vector<Case> cases = {
        {false, IDOK, IDOK},        {false, 0, IDCANCEL}, {true, IDOK, IDOK},
        {true, IDCANCEL, IDCANCEL}, {true, 0, IDCANCEL},
    };
    for (const Case& c : cases) {
        CDlgMsg msg;
        CDlgMsgYesNo yesNo;
        DialogBase& dialog = c.yesNo ? static_cast<DialogBase&>(yesNo) : msg;
        ASSERT_NE(dialog.createModeless(nullptr), nullptr);
        if (c.press != 0) {
            SendMessageW(dialog.item(c.press), BM_CLICK, 0, 0);
        } else {
            SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
        uitest::pumpMessages();
        EXPECT_EQ(dialog.result(), c.expected) << c.yesNo << " " << c.press;
        EXPECT_EQ(dialog.hwnd(), nullptr);
    }
}

TEST(Win32PrompterTest, ShowsTheProgramsDialogsModally) {
    Win32Prompter prompter;
    std::wstring seen;
    uitest::whenDialogShows(IDD_DLG_MSG, [&](HWND d) {
        seen = windowText(GetDlgItem(d, IDC_MSG_TEXT));
        SendMessageW(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
    });
    prompter.showMessage(u"列表为空");
    EXPECT_TRUE(uitest::dialogActionRan());
    EXPECT_EQ(seen, L"列表为空");

    struct Case {
        const char* how;
        std::function<void(HWND)> answer;
        bool expected;
    };
    const std::vector<Case> cases = {
        {"yes", [](HWND d) { SendMessageW(GetDlgItem(d, IDOK), BM_CLICK, 0, 0); }, true},
        {"no", [](HWND d) { SendMessageW(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0); }, false},
        {"frame",
         [](HWND d) {
             RECT r{};
             GetWindowRect(d, &r);
             const LPARAM at = uitest::screenPoint(d, r.right - r.left - 22, 20);
             SendMessageW(d, WM_NCLBUTTONDOWN, HTCAPTION, at);
             SendMessageW(d, WM_NCLBUTTONUP, HTCAPTION, at);
         },
         false},
    };
    for (const Case& c : cases) {
        std::wstring question;
        uitest::whenDialogShows(IDD_DLG_MSG_YESNO, [&](HWND d) {
            question = windowText(GetDlgItem(d, IDC_MSG_YESNO_TEXT));
            c.answer(d);
        });
        EXPECT_EQ(prompter.ask(u"您要退出本系统吗？"), c.expected) << c.how;
        EXPECT_EQ(question, L"您要退出本系统吗？") << c.how;
    }
}

TEST(AboutBoxes, ShowTheProductLineAndClose) {
    {
        CDlgAbout about;
        ASSERT_NE(about.createModeless(nullptr), nullptr);
        EXPECT_NE(windowText(about.item(IDC_ABOUT_PRODUCT)).find(L"1.0"), std::wstring::npos);
        EXPECT_FALSE(windowText(about.item(IDC_ABOUT_RIGHTS)).empty());
        EXPECT_FALSE(windowText(about.item(IDC_ABOUT_CONTACT)).empty());
        expectPictureButtons(about.hwnd(), {{IDOK, L"确定"}});
        SendMessageW(about.item(IDOK), BM_CLICK, 0, 0);
        EXPECT_EQ(about.result(), IDOK);
    }
    {
        CAboutDlg plain;
        ASSERT_NE(plain.createModeless(nullptr), nullptr);
        EXPECT_EQ(windowText(plain.item(IDOK)), L"确定");
        EXPECT_NE(GetWindowLongPtrW(plain.hwnd(), GWL_STYLE) & WS_CAPTION, 0);
        SendMessageW(plain.item(IDOK), BM_CLICK, 0, 0);
        EXPECT_EQ(plain.result(), IDOK);
    }
}

}  // namespace
}  // namespace tessary
