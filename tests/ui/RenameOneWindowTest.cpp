// Renaming one file by hand: the dialog CDlgEditOne, and the rename after it by double click
// and by the list's menu, on real files.

#include <fstream>

#include "VarnelDlgSupport.h"
#include "commands/AddFiles.h"
#include "platform/win32/Win32FileSystem.h"
#include "ui/DlgEditOne.h"

namespace tessary::uitest {
namespace {

class EditOneDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(dialog_.createModeless(nullptr), nullptr);
        pumpMessages();
    }
    std::u16string text(int id) const {
        wchar_t buffer[256] = {};
        GetDlgItemTextW(dialog_.hwnd(), id, buffer, 256);
        return reinterpret_cast<const char16_t*>(buffer);
    }
    void type(const std::u16string& value) {
        SetDlgItemTextW(dialog_.hwnd(), IDC_NEW_NAME,
                        reinterpret_cast<const wchar_t*>(value.c_str()));
        pumpMessages();
    }
    void press(int id) {
        SendMessageW(dialog_.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog_.hwnd(), id)));
        pumpMessages();
    }

    ScriptedPrompter prompter_;
    CDlgEditOne dialog_{prompter_, u"旧名.txt"};
};

TEST_F(EditOneDialogTest, OpensOnTheNameWithTheFocusInTheNewName) {
    EXPECT_EQ(text(IDC_NEW_EXT), u"旧名.txt");
    EXPECT_EQ(text(IDC_NEW_NAME), u"旧名.txt");
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), IDC_NEW_NAME);
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(dialog_.hwnd(), IDC_NEW_EXT), GWL_STYLE) & ES_READONLY);
    wchar_t caption[32] = {};
    GetWindowTextW(dialog_.hwnd(), caption, 32);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(caption)), kEditOneCaption);
}

TEST_F(EditOneDialogTest, AForbiddenCharacterBringsTheWholeNameBack) {
    type(u"新的/名字");
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, kForbiddenNameMessage);
    EXPECT_EQ(text(IDC_NEW_NAME), u"旧名.txt");
}

TEST_F(EditOneDialogTest, AnEmptyNameIsRefusedAndAnotherIsTaken) {
    type(u"");
    press(IDOK);
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, kEmptyNewName);
    EXPECT_TRUE(IsWindow(dialog_.hwnd()));
    type(u"新名.txt");
    press(IDOK);
    EXPECT_EQ(dialog_.name(), u"新名.txt");
    EXPECT_EQ(dialog_.result(), IDOK);
}

class RenameOneWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        for (const char* name : {"a.txt", "b.txt"}) std::ofstream(folder_.path() / name) << name;
        Win32FileSystem fs;
        for (const char16_t* name : {u"b.txt", u"a.txt"}) {
            addQueuedFile(window_->model(), 0, folder_.listPath() + name, fs);
        }
        window_->modelChanged();
        pump();
    }
    bool onDisk(const char* name) const { return std::filesystem::exists(folder_.path() / name); }
    void listNotify(UINT code, POINT at) {
        NMITEMACTIVATE activate{};
        HWND list = item(IDC_FILE_LIST);
        activate.hdr = {list, static_cast<UINT_PTR>(IDC_FILE_LIST), code};
        activate.ptAction = at;
        activate.iItem = -1;
        SendMessageW(hwnd(), WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&activate));
        pump();
    }
    void doubleClickRow(int row) {
        RECT r{};
        ListView_GetItemRect(item(IDC_FILE_LIST), row, &r, LVIR_BOUNDS);
        listNotify(NM_DBLCLK, {r.left + 20, (r.top + r.bottom) / 2});
    }
    void listClickBelowRows() {
        RECT r{};
        ListView_GetItemRect(item(IDC_FILE_LIST), 1, &r, LVIR_BOUNDS);
        listNotify(NM_CLICK, {r.left + 20, r.bottom + 40});
    }
};

TEST_F(RenameOneWindowTest, ADoubleClickRenamesTheFileAndUndoPutsItBack) {
    shell_.newName = u"c.txt";
    doubleClickRow(0);
    ASSERT_EQ(shell_.renameAsked, std::vector<std::u16string>{u"a.txt"});
    EXPECT_EQ(window_->model().text(0, ColFileName), u"c.txt");
    EXPECT_EQ(window_->model().text(0, ColStatus), u"成功");
    EXPECT_TRUE(onDisk("c.txt"));
    EXPECT_FALSE(onDisk("a.txt"));
    EXPECT_TRUE(enabled(IDC_UNDO));
    click(IDC_UNDO);
    EXPECT_TRUE(onDisk("a.txt"));
    EXPECT_FALSE(onDisk("c.txt"));
}

TEST_F(RenameOneWindowTest, TheMenuRenamesTheRowLastClickedAndSaysWhyItCannot) {
    // A click below the rows leaves no current row: the menu says how to choose one.
    listClickBelowRows();
    SendMessageW(hwnd(), WM_COMMAND, ID_LIST_RENAME_ONE, 0);
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, u"请在列表中用鼠标右键单击，以选中要改名的文件");
    EXPECT_TRUE(shell_.renameAsked.empty());

    // The name of the other listed file: refused by the disk, the name stays.
    doubleClickRow(1);  // sets the current row; "返回" in the dialog
    shell_.newName = u"a.txt";
    SendMessageW(hwnd(), WM_COMMAND, ID_LIST_RENAME_ONE, 0);
    EXPECT_EQ(window_->model().text(1, ColFileName), u"b.txt");
    EXPECT_EQ(window_->model().text(1, ColStatus), u"失败:文件名重名");

    shell_.newName = u"d.txt";
    SendMessageW(hwnd(), WM_COMMAND, ID_LIST_RENAME_ONE, 0);
    EXPECT_EQ(window_->model().text(1, ColFileName), u"d.txt");
    EXPECT_EQ(window_->model().text(1, ColStatus), u"改名成功");
    EXPECT_TRUE(onDisk("d.txt"));
}

}  // namespace
}  // namespace tessary::uitest
