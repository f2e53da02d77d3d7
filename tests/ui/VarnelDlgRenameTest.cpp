// Preview, Apply and Undo through their buttons, on real files in the test's working folder.

#include <algorithm>
#include <fstream>

#include "VarnelDlgSupport.h"

namespace tessary {
namespace {

class MainWindowRename : public uitest::MainWindowTest {
  protected:
    // Creates the files and puts their rows into the model as an add would.
    void addFiles(std::initializer_list<const char16_t*> names) {
        FileListModel& model = window_->model();
        for (const char16_t* name : names) {
            std::ofstream(folder_.path() / std::filesystem::path(name)) << "x";
            const int row = model.insertRow(model.rowCount(), name);
            model.setText(row, ColPath, folder_.listPath());
            model.setText(row, ColStatus, kStatusUnchanged);
            model.setText(row, ColOriginalName, name);
            model.setText(row, ColFullPath, folder_.listPath() + name);
        }
        window_->setFileCounter(model.rowCount());
        window_->modelChanged();
        pump();
    }
    bool onDisk(const char16_t* name) const {
        return std::filesystem::exists(folder_.path() / std::filesystem::path(name));
    }
    std::u16string cell(int row, int column) const {
        return std::u16string(window_->model().text(row, column));
    }
};

TEST_F(MainWindowRename, PreviewApplyUndoRenameTheFilesOnDisk) {
    addFiles({u"a.jpg", u"b.jpg", u"c.png"});
    click(IDC_APPLY);  // disabled: nothing happens yet
    EXPECT_TRUE(onDisk(u"a.jpg"));

    click(IDC_BASIC_NEW_NAME);
    setText(IDC_NEW_NAME, u"照片");
    click(IDC_PREVIEW);
    EXPECT_EQ(cell(0, ColPreview), u"照片.jpg");
    EXPECT_EQ(cell(1, ColPreview), u"照片(1).jpg");
    EXPECT_EQ(cell(2, ColPreview), u"照片(2).png");
    EXPECT_EQ(listText(1, ColPreview), u"照片(1).jpg") << "the list shows the model";
    for (int row = 0; row < 3; ++row) EXPECT_EQ(cell(row, ColStatus), u"未修改");
    EXPECT_TRUE(enabled(IDC_APPLY));
    EXPECT_FALSE(enabled(IDC_UNDO));
    EXPECT_TRUE(onDisk(u"a.jpg")) << "a preview touches nothing";

    click(IDC_APPLY);
    EXPECT_TRUE(onDisk(u"照片.jpg"));
    EXPECT_TRUE(onDisk(u"照片(1).jpg"));
    EXPECT_TRUE(onDisk(u"照片(2).png"));
    EXPECT_FALSE(onDisk(u"a.jpg"));
    for (int row = 0; row < 3; ++row) EXPECT_EQ(cell(row, ColStatus), u"改名成功");
    EXPECT_EQ(cell(0, ColFileName), u"照片.jpg");
    EXPECT_EQ(listText(2, ColStatus), u"改名成功");
    EXPECT_FALSE(enabled(IDC_APPLY));
    EXPECT_TRUE(enabled(IDC_UNDO));

    click(IDC_UNDO);
    EXPECT_TRUE(onDisk(u"a.jpg"));
    EXPECT_TRUE(onDisk(u"b.jpg"));
    EXPECT_TRUE(onDisk(u"c.png"));
    EXPECT_FALSE(onDisk(u"照片.jpg"));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(cell(row, ColStatus), u"撤销改名成功");
        EXPECT_EQ(cell(row, ColPreview), u"");
    }
    EXPECT_EQ(cell(1, ColFileName), u"b.jpg");
    EXPECT_FALSE(enabled(IDC_UNDO));
    EXPECT_TRUE(prompter_.shown().empty());
}

// The keys a user presses instead of the buttons, each where it is meant to work only.
TEST_F(MainWindowRename, KeysPreviewApplyUndoRemoveAndSelectAll) {
    addFiles({u"a.jpg", u"b.jpg", u"c.png"});
    HWND list = item(IDC_FILE_LIST);
    HWND field = item(IDC_NEW_NAME);
    const auto selected = [&] {
        std::vector<int> rows;
        for (int r = ListView_GetNextItem(list, -1, LVNI_SELECTED); r >= 0;
             r = ListView_GetNextItem(list, r, LVNI_SELECTED)) {
            rows.push_back(r);
        }
        return rows;
    };
    click(IDC_BASIC_NEW_NAME);
    setText(IDC_NEW_NAME, u"照片");

    pressKey(field, VK_RETURN, true);
    EXPECT_TRUE(onDisk(u"a.jpg")) << "Ctrl+Enter before a preview applies nothing";
    pressKey(field, VK_RETURN);
    EXPECT_EQ(cell(1, ColPreview), u"照片(1).jpg") << "Enter in a rule field previews";
    setText(IDC_NEW_NAME, u"图");
    pressKey(list, VK_F5);
    EXPECT_EQ(cell(1, ColPreview), u"图(1).jpg");

    pressKey(list, VK_RETURN, true);
    EXPECT_TRUE(onDisk(u"图(1).jpg"));
    EXPECT_FALSE(onDisk(u"b.jpg"));
    pressKey(field, 'Z', true);
    EXPECT_TRUE(onDisk(u"图(1).jpg")) << "in an edit, Ctrl+Z is the edit's own";
    pressKey(list, 'Z', true);
    EXPECT_TRUE(onDisk(u"b.jpg"));
    EXPECT_FALSE(onDisk(u"图(1).jpg"));

    pressKey(list, VK_DELETE);
    EXPECT_EQ(window_->model().rowCount(), 3) << "no row is selected";
    pressKey(field, 'A', true);
    EXPECT_TRUE(selected().empty()) << "in an edit, Ctrl+A is the edit's own";
    pressKey(list, 'A', true);
    EXPECT_EQ(selected(), (std::vector<int>{0, 1, 2}));
    ListView_SetItemState(list, 0, 0, LVIS_SELECTED);
    pressKey(list, VK_DELETE);
    EXPECT_EQ(window_->model().rowCount(), 1);
    EXPECT_EQ(cell(0, ColFileName), u"a.jpg");
    EXPECT_TRUE(onDisk(u"b.jpg")) << "removing a row leaves its file alone";
    EXPECT_TRUE(prompter_.shown().empty());
}

TEST_F(MainWindowRename, ApplyNeverOverwritesAndReportsEachRow) {
    addFiles({u"one.txt", u"two.txt"});
    std::ofstream(folder_.path() / "taken.txt") << "keep me";
    selectPage(PageReplace);
    setText(IDC_REP_FIND, u"one");
    setText(IDC_REP_WITH, u"taken");
    click(IDC_PREVIEW);
    EXPECT_EQ(cell(0, ColPreview), u"taken.txt");
    EXPECT_EQ(cell(1, ColPreview), u"two.txt");
    // The preview already says what Apply will refuse.
    EXPECT_EQ(cell(0, ColStatus), u"冲突:已有同名文件");
    EXPECT_EQ(cell(1, ColStatus), u"未修改");
    EXPECT_EQ(statusPane(kPlanPane), u"将改名0个，拒绝1个");
    click(IDC_APPLY);
    EXPECT_EQ(cell(0, ColStatus), u"失败:文件名重名");
    EXPECT_EQ(cell(0, ColFileName), u"one.txt");
    EXPECT_EQ(cell(1, ColStatus), u"改名成功") << "a name equal to its own is a success";
    std::ifstream kept(folder_.path() / "taken.txt");
    std::string content;
    std::getline(kept, content);
    EXPECT_EQ(content, "keep me");
    EXPECT_TRUE(onDisk(u"one.txt"));
}

TEST_F(MainWindowRename, ACounterThatRotatesTheNamesIsAppliedWhole) {
    // Run again after the rows were reordered, the counter hands each file its neighbour's
    // name: P(1) -> P, P(2) -> P(1), P -> P(2).
    addFiles({u"P(1).txt", u"P(2).txt", u"P.txt"});
    for (const char* name : {"P(1).txt", "P(2).txt", "P.txt"}) {
        std::ofstream(folder_.path() / name) << name;
    }
    click(IDC_BASIC_NEW_NAME);
    setText(IDC_NEW_NAME, u"P");
    click(IDC_PREVIEW);
    EXPECT_EQ(cell(0, ColPreview), u"P.txt");
    EXPECT_EQ(cell(2, ColPreview), u"P(2).txt");
    for (int row = 0; row < 3; ++row) EXPECT_EQ(cell(row, ColStatus), u"未修改");
    EXPECT_EQ(statusPane(kPlanPane), u"将改名3个，拒绝0个");
    click(IDC_APPLY);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(cell(row, ColStatus), u"改名成功");
    const auto content = [this](const char* name) {
        std::ifstream in(folder_.path() / name);
        std::string text;
        std::getline(in, text);
        return text;
    };
    EXPECT_EQ(content("P.txt"), "P(1).txt");
    EXPECT_EQ(content("P(1).txt"), "P(2).txt");
    EXPECT_EQ(content("P(2).txt"), "P.txt");
    // Nothing is left of the batch: no temporary name, no journal.
    std::vector<std::u16string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
        names.push_back(entry.path().filename().u16string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::u16string>{u"LastOpen.ini", u"P(1).txt", u"P(2).txt", u"P.txt"}));
}

TEST_F(MainWindowRename, PreviewOnTheExtensionAndItsStopMessage) {
    addFiles({u"a.txt", u"README"});
    selectPage(PageInsert);
    click(IDC_OBJ_EXT);
    setText(IDC_INS_TEXT, u"X");
    click(IDC_PREVIEW);
    EXPECT_EQ(cell(0, ColPreview), u"a.Xtxt");
    EXPECT_EQ(cell(1, ColPreview), u"README.X");

    // A range the Advanced page refuses stops the preview with its message and writes nothing.
    selectPage(PageAdvanced);
    setText(IDC_ADV_SEP, u"-");
    click(IDC_ADV_MODE2);
    setText(IDC_ADV_FROM, u"3");
    setText(IDC_ADV_TO, u"2");
    click(IDC_PREVIEW);
    EXPECT_EQ(prompter_.texts(),
              std::vector<std::u16string>{u"终止值应该大于开始值，请检查后重试！"});
    EXPECT_EQ(cell(0, ColPreview), u"a.Xtxt");
}

TEST_F(MainWindowRename, EmptyListPreviewChangesNothing) {
    click(IDC_PREVIEW);
    EXPECT_FALSE(enabled(IDC_APPLY));
    EXPECT_TRUE(prompter_.shown().empty());
}

}  // namespace
}  // namespace tessary
