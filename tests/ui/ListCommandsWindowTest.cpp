// The list's context-menu commands in the window, on rows of real files: removing rows with
// their hints, moving rows to the list's edges, the shell calls, refresh and a failed export.

#include <fstream>
#include <set>

#include "VarnelDlgSupport.h"
#include "commands/AddFiles.h"
#include "platform/win32/Win32FileSystem.h"

namespace tessary::uitest {
namespace {

class ListCommandsWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Win32FileSystem fs;
        // Rows a.txt to e.txt, in that order from the top.
        for (const char* name : {"e.txt", "d.txt", "c.txt", "b.txt", "a.txt"}) {
            std::ofstream(folder_.path() / name) << name;
            const std::string path = name;
            addQueuedFile(window_->model(), 0,
                          folder_.listPath() + std::u16string(path.begin(), path.end()), fs);
        }
        window_->setFileCounter(5);
        window_->modelChanged();
        pump();
    }
    void command(int id) {
        SendMessageW(hwnd(), WM_COMMAND, id, 0);
        pump();
    }
    void select(std::initializer_list<int> rows) {
        for (int row : rows) {
            ListView_SetItemState(item(IDC_FILE_LIST), row, LVIS_SELECTED, LVIS_SELECTED);
        }
    }
    std::vector<std::u16string> names() const {
        std::vector<std::u16string> shown;
        for (int row = 0; row < ListView_GetItemCount(item(IDC_FILE_LIST)); ++row) {
            shown.push_back(listText(row, ColFileName));
        }
        return shown;
    }
    using Names = std::vector<std::u16string>;
};

// A command's button, menu item and toolbar id are one row of the window's table: no id is
// mapped twice, where the later mapping would silently win.
TEST(MainWindowCommandTable, NoIdIsMappedTwice) {
    std::set<UINT> seen;
    for (const UINT id : CVarnelDlg::commandIds()) EXPECT_TRUE(seen.insert(id).second) << id;
    EXPECT_GT(seen.size(), 50u);
}

TEST_F(ListCommandsWindowTest, RemovingRowsKeepsTheOthersInOrderAndHintsWhenNothingIsSelected) {
    const std::u16string countLabel = statusPane(0);
    command(ID_LIST_REMOVE_UNSELECTED);
    EXPECT_EQ(statusPane(0), countLabel);
    EXPECT_EQ(statusPane(1),
              u"提示：请您先在列表框中选择需要删除的项目，然后在利用'删除选中项目功能'");
    command(ID_LIST_REMOVE_SELECTED);
    EXPECT_EQ(statusPane(0),
              u"提示：请您先在列表框中选择需要删除的项目，然后再利用'删除选中项目功能'");
    EXPECT_EQ(names().size(), 5u);

    select({1, 3});
    command(ID_REMOVE_SELECTED_MENU);
    EXPECT_EQ(names(), (Names{u"a.txt", u"c.txt", u"e.txt"}));
    EXPECT_EQ(statusPane(0), u"列表中的文件数:3个");
    EXPECT_EQ(statusPane(1), u"");

    select({1});
    command(ID_LIST_REMOVE_UNSELECTED);
    EXPECT_EQ(names(), (Names{u"c.txt"}));
    EXPECT_EQ(statusPane(0), u"列表中的文件数:1个");
    // The files themselves stay where they are.
    EXPECT_TRUE(std::filesystem::exists(folder_.path() / "a.txt"));
}

TEST_F(ListCommandsWindowTest, MovingARowPastAnEdgeSaysSoAndMovesNothing) {
    auto clickRow = [&](int row) { listClick(hwnd(), NM_CLICK, pointOfRow(hwnd(), row)); };
    // No row clicked yet: nothing happens and nothing is said.
    click(IDC_MOVE_UP);
    EXPECT_TRUE(prompter_.shown().empty());

    clickRow(0);
    click(IDC_MOVE_UP);
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, u"已经到达列表的第一行!");
    clickRow(4);
    click(IDC_MOVE_DOWN);
    ASSERT_EQ(prompter_.shown().size(), 2u);
    EXPECT_EQ(prompter_.shown()[1].text, u"已经到达列表的最后一行!");
    // Twice up moves two places, and the row takes its hidden full path along.
    click(IDC_MOVE_UP);
    click(IDC_MOVE_UP);
    EXPECT_EQ(names(), (Names{u"a.txt", u"b.txt", u"e.txt", u"c.txt", u"d.txt"}));
    EXPECT_EQ(window_->model().text(2, ColFullPath), folder_.listPath() + u"e.txt");
}

TEST_F(ListCommandsWindowTest, OpenFolderAndOpenFileAskTheShellForTheClickedRow) {
    // Without a clicked row neither command asks anything.
    command(ID_LIST_OPEN_FOLDER);
    command(ID_LIST_OPEN_FILE);
    EXPECT_TRUE(shell_.opened.empty());

    listClick(hwnd(), NM_CLICK, pointOfRow(hwnd(), 1));
    command(ID_LIST_OPEN_FOLDER);
    command(ID_LIST_OPEN_FILE);
    const std::u16string file = folder_.listPath() + u"b.txt";
    ASSERT_EQ(shell_.opened.size(), 2u);
    EXPECT_EQ(shell_.opened[0], u"explorer.exe  /e,/select," + file);
    EXPECT_EQ(shell_.opened[1], file);

    // A file no program is associated with goes to the desktop's chooser.
    shell_.answer = [](const std::u16string& what) {
        return static_cast<INT_PTR>(what.ends_with(u".txt") ? SE_ERR_NOASSOC : 42);
    };
    command(ID_LIST_OPEN_FILE);
    ASSERT_EQ(shell_.opened.size(), 4u);
    EXPECT_EQ(shell_.opened[3], u"rundll32.exe  shell32.dll,OpenAs_RunDLL " + file);
}

TEST_F(ListCommandsWindowTest, RefreshMarksMissingFilesAndForgetsThePreview) {
    selectPage(PageBasic);
    setText(IDC_NEW_NAME, u"新名#");
    click(IDC_PREVIEW);
    ASSERT_TRUE(enabled(IDC_APPLY));
    ASSERT_FALSE(listText(0, ColPreview).empty());
    std::filesystem::remove(folder_.path() / "c.txt");

    command(ID_LIST_REFRESH);
    EXPECT_EQ(listText(0, ColPreview), u"");
    EXPECT_EQ(listText(0, ColStatus), kStatusUnchanged);
    EXPECT_EQ(listText(2, ColStatus), u"文件不存在");
    EXPECT_FALSE(enabled(IDC_APPLY));
}

TEST_F(ListCommandsWindowTest, AnExportThatCannotBeWrittenSaysSoAndLeavesNoFile) {
    const std::filesystem::path file = folder_.path() / "没有的文件夹" / "list.txt";
    shell_.exportFile = file.u16string();
    command(ID_LIST_EXPORT);
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, u"      导出失败:无法写入文件" + file.u16string());
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST_F(ListCommandsWindowTest, NewNamesComeFromATextFileLineByLine) {
    // UTF-8 with its mark; the line that gives c.txt the name d.txt keeps is refused by the plan.
    const std::filesystem::path file = folder_.path() / u"新名.txt";
    std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBF\xE4\xB8\x80.txt\r\nb.txt\nd.txt\n";
    shell_.namesFile = file.u16string();
    command(ID_LIST_IMPORT_NAMES);
    EXPECT_EQ(listText(0, ColPreview), u"一.txt");
    EXPECT_EQ(listText(2, ColPreview), u"d.txt");
    EXPECT_EQ(listText(2, ColStatus), u"冲突:已有同名文件");
    EXPECT_EQ(listText(3, ColPreview), u"d.txt");  // beyond the lines: as it is
    EXPECT_EQ(statusPane(kPlanPane), u"将改名1个，拒绝1个");
    EXPECT_TRUE(IsWindowEnabled(item(IDC_APPLY)));

    std::ofstream(file, std::ios::binary) << "1\n2\n3\n4\n5\n6\n7\n";
    command(ID_LIST_IMPORT_NAMES);
    EXPECT_EQ(statusPane(kPlanPane), u"将改名5个，拒绝0个，多出2行");

    shell_.namesFile = (folder_.path() / u"没有.txt").u16string();
    command(ID_LIST_IMPORT_NAMES);
    ASSERT_FALSE(prompter_.shown().empty());
    EXPECT_EQ(prompter_.shown().back().text, u"无法读取名字列表文件!");
}

}  // namespace
}  // namespace tessary::uitest
