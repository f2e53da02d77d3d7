// The controls of a template created into an existing window come out as the dialog manager
// makes them: the same classes, captions, styles, rectangles, fonts, order and buddies.
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "ui/TemplateControls.h"
#include "ui/res/resource.h"

namespace tessary {
namespace {

INT_PTR CALLBACK nothingHandled(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::vector<HWND> childrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND c = GetWindow(parent, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        children.push_back(c);
    }
    return children;
}

std::wstring classOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

RECT rectInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

LOGFONTW fontOf(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

int buddyId(HWND control) {
    if (classOf(control) != UPDOWN_CLASSW) return 0;
    return GetDlgCtrlID(reinterpret_cast<HWND>(SendMessageW(control, UDM_GETBUDDY, 0, 0)));
}

class TemplateControls : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        owner_ = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    void TearDown() override { DestroyWindow(owner_); }
    HWND dialogOf(int templateId) const {
        return CreateDialogParamW(instance_, MAKEINTRESOURCEW(templateId), owner_, nothingHandled,
                                  0);
    }
    HINSTANCE instance_ = GetModuleHandleW(nullptr);
    HWND owner_ = nullptr;
};

TEST_F(TemplateControls, MadeAsTheDialogManagerMakesThem) {
    for (int part : {IDD_PART_INSERT, IDD_PART_OBJECT, IDD_PART_DELETE, IDD_PART_REPLACE,
                     IDD_PART_ADVANCED, IDD_PART_MP3}) {
        SCOPED_TRACE(part);
        HWND managed = dialogOf(part);
        // A host of the same font and units, emptied of its own controls.
        HWND host = dialogOf(part);
        ASSERT_NE(managed, nullptr);
        ASSERT_NE(host, nullptr);
        for (HWND c : childrenOf(host)) DestroyWindow(c);

        const std::vector<HWND> made = createTemplateControls(host, instance_, part);
        const std::vector<HWND> expected = childrenOf(managed);
        ASSERT_FALSE(expected.empty());
        // In the template's order, which is also their order among the siblings.
        EXPECT_EQ(made, childrenOf(host));
        ASSERT_EQ(made.size(), expected.size());
        for (std::size_t i = 0; i < made.size(); ++i) {
            HWND m = made[i];
            HWND e = expected[i];
            const int id = GetDlgCtrlID(e);
            SCOPED_TRACE(id);
            EXPECT_EQ(GetDlgCtrlID(m), id);
            EXPECT_EQ(classOf(m), classOf(e));
            EXPECT_EQ(uitest::windowText(m), uitest::windowText(e));
            EXPECT_EQ(GetWindowLongPtrW(m, GWL_STYLE), GetWindowLongPtrW(e, GWL_STYLE));
            EXPECT_EQ(GetWindowLongPtrW(m, GWL_EXSTYLE), GetWindowLongPtrW(e, GWL_EXSTYLE));
            const RECT mr = rectInParent(m), er = rectInParent(e);
            EXPECT_TRUE(EqualRect(&mr, &er))
                << mr.left << "," << mr.top << " " << mr.right << "," << mr.bottom << " vs "
                << er.left << "," << er.top << " " << er.right << "," << er.bottom;
            const LOGFONTW mf = fontOf(m), ef = fontOf(e);
            EXPECT_EQ(mf.lfHeight, ef.lfHeight);
            EXPECT_STREQ(mf.lfFaceName, ef.lfFaceName);
            EXPECT_EQ(buddyId(m), buddyId(e));
        }
        DestroyWindow(host);
        DestroyWindow(managed);
    }
}

TEST_F(TemplateControls, NothingMadeFromAMissingTemplate) {
    HWND host = dialogOf(IDD_PART_OBJECT);
    ASSERT_NE(host, nullptr);
    const std::size_t before = childrenOf(host).size();
    EXPECT_TRUE(createTemplateControls(host, instance_, 9999).empty());
    EXPECT_EQ(childrenOf(host).size(), before);
    DestroyWindow(host);
}

}  // namespace
}  // namespace tessary
