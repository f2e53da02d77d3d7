// Apply, undo and the single-file rename over the in-memory file system: what each row says,
// what is on disk afterwards, and what the window is asked to do.

#include <gtest/gtest.h>

#include "commands/ApplyUndo.h"
#include "core/RecordsTestSupport.h"

namespace tessary {
namespace {

using testing::kFolder;
using testing::ListedFiles;
using Names = std::vector<std::u16string>;

TEST(StatusTexts, EveryCommandHasItsOwnWords) {
    using O = RenameOutcome;
    using C = RenameCommand;
    struct Row {
        C command;
        const char16_t* texts[5];  // Renamed, SourceMissing, TargetExists, AccessDenied, Other
    };
    const Row table[] = {
        {C::Apply,
         {u"改名成功", u"失败:原文件不存在", u"失败:文件名重名", u"失败:文件不允许访问", u"失败"}},
        {C::RecordedApply,
         {u"成功", u"失败:原文件不存在", u"失败:文件名重名", u"失败:文件不允许访问", u"失败"}},
        {C::DoubleClickRename,
         {u"成功", u"失败:原文件不存在", u"失败:文件名重名", u"失败:文件不允许访问", u"失败"}},
        {C::MenuRename,
         {u"改名成功", u"失败:原文件不存在", u"失败:文件名重名", u"失败:文件不允许访问", u"失败"}},
        {C::Undo,
         {u"撤销改名成功", u"失败:原文件不存在", u"失败:文件名重名", u"失败:文件不允许访问",
          u"失败"}},
        {C::Restore,
         {u"还原成功", u"失败:被还原文件不存在", u"失败:文件名重名", u"失败:文件不允许访问",
          u"失败"}},
        {C::RecordedUndo, {u"成功", u"失败", u"失败", u"失败", u"失败"}},
    };
    const O outcomes[] = {O::Renamed, O::SourceMissing, O::TargetExists, O::AccessDenied,
                          O::OtherFailure};
    for (const Row& row : table) {
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(statusText(row.command, outcomes[i]), row.texts[i])
                << "command " << static_cast<int>(row.command) << ", outcome " << i;
        }
    }
}

TEST(Apply, EmptyListOnlyDisablesApply) {
    FileListModel model = FileListModel::withStandardColumns();
    MemoryFileSystem fs;
    CommandEffects expected;
    expected.enableApply = false;
    EXPECT_EQ(applyRenames(model, fs), expected);
}

TEST(Apply, RenamesEveryRowAndTellsTheWindow) {
    ListedFiles list({u"a.txt", u"b.txt"});
    list.preview({u"照片1.txt", u"照片2.txt"});
    const CommandEffects effects = applyRenames(list.model, list.fs);
    EXPECT_EQ(list.column(ColStatus), (Names{u"改名成功", u"改名成功"}));
    EXPECT_EQ(list.column(ColFileName), (Names{u"照片1.txt", u"照片2.txt"}));
    EXPECT_EQ(list.column(ColPreview), (Names{u"照片1.txt", u"照片2.txt"}));  // kept
    EXPECT_EQ(list.column(ColOriginalName), (Names{u"a.txt", u"b.txt"}));
    EXPECT_EQ(list.names(), (Names{u"照片1.txt", u"照片2.txt"}));
    EXPECT_EQ(list.fs.content(std::u16string(kFolder) + u"照片1.txt"),
              ListedFiles::contentOf(u"a.txt"));
    CommandEffects expected;
    expected.enableApply = false;
    expected.enableUndo = true;
    expected.newExtensionText = u"";
    expected.planPane = u"成功2个，失败0个，未修改0个";
    EXPECT_EQ(effects, expected);
}

TEST(Apply, EachRowReportsItsOwnOutcome) {
    struct Case {
        const char* what;
        Names files;     // in the folder, listed in this order
        Names previews;  // one per row
        Names statuses;
        Names fileNames;  // after apply
        Names onDisk;
    };
    const Case cases[] = {
        {"two rows with the same new name",
         {u"a.txt", u"b.txt"},
         {u"c.txt", u"c.txt"},
         {u"改名成功", u"失败:文件名重名"},
         {u"c.txt", u"b.txt"},
         {u"b.txt", u"c.txt"}},
        {"a swap is made whole",
         {u"a.txt", u"b.txt"},
         {u"b.txt", u"a.txt"},
         {u"改名成功", u"改名成功"},
         {u"b.txt", u"a.txt"},
         {u"a.txt", u"b.txt"}},
        {"a chain works from its end only",
         {u"b.txt", u"a.txt"},
         {u"c.txt", u"b.txt"},
         {u"改名成功", u"改名成功"},
         {u"c.txt", u"b.txt"},
         {u"b.txt", u"c.txt"}},
        {"a preview equal to the name succeeds without change",
         {u"a.txt"},
         {u"a.txt"},
         {u"改名成功"},
         {u"a.txt"},
         {u"a.txt"}},
        {"a name Windows refuses",
         {u"a.txt"},
         {u"x?y"},
         {u"失败:含有不允许的字符"},
         {u"a.txt"},
         {u"a.txt"}},
        {"a case-only rename", {u"a.txt"}, {u"A.TXT"}, {u"改名成功"}, {u"A.TXT"}, {u"A.TXT"}},
    };
    for (const Case& c : cases) {
        ListedFiles list(c.files);
        list.preview(c.previews);
        applyRenames(list.model, list.fs);
        EXPECT_EQ(list.column(ColStatus), c.statuses) << c.what;
        EXPECT_EQ(list.column(ColFileName), c.fileNames) << c.what;
        EXPECT_EQ(list.names(), c.onDisk) << c.what;
    }
}

TEST(Apply, UnrelatedFileWithTheNewNameIsLeftAlone) {
    ListedFiles list({u"a.txt"});
    list.fs.addFile(std::u16string(kFolder) + u"taken.txt", "someone else's");
    list.preview({u"taken.txt"});
    applyRenames(list.model, list.fs);
    EXPECT_EQ(list.column(ColStatus), Names{u"失败:文件名重名"});
    EXPECT_EQ(list.fs.content(std::u16string(kFolder) + u"taken.txt"), "someone else's");
    EXPECT_EQ(list.fs.content(std::u16string(kFolder) + u"a.txt"),
              ListedFiles::contentOf(u"a.txt"));
}

TEST(Apply, FilesGoneOrHeldOpenKeepTheirNames) {
    ListedFiles list({u"gone.txt", u"held.txt", u"fine.txt"});
    list.fs.remove(std::u16string(kFolder) + u"gone.txt");
    list.fs.holdOpen(std::u16string(kFolder) + u"held.txt");
    list.preview({u"1.txt", u"2.txt", u"3.txt"});
    applyRenames(list.model, list.fs);
    EXPECT_EQ(list.column(ColStatus),
              (Names{u"失败:原文件不存在", u"失败:文件不允许访问", u"改名成功"}));
    EXPECT_EQ(list.column(ColFileName), (Names{u"gone.txt", u"held.txt", u"3.txt"}));
}

TEST(Apply, EmptyPreviewIsAttemptedAndFailsWithoutHarm) {
    ListedFiles list({u"a.txt"});
    list.preview({u""});
    applyRenames(list.model, list.fs);
    EXPECT_EQ(list.column(ColFileName), Names{u"a.txt"});
    EXPECT_NE(list.column(ColStatus)[0], u"改名成功");
    EXPECT_EQ(list.names(), Names{u"a.txt"});
}

TEST(Undo, EmptyListOnlyDisablesUndo) {
    FileListModel model = FileListModel::withStandardColumns();
    MemoryFileSystem fs;
    CommandEffects expected;
    expected.enableUndo = false;
    EXPECT_EQ(undoRenames(model, fs), expected);
}

TEST(Undo, AfterTwoAppliesEveryFileHasItsFirstNameAgain) {
    ListedFiles list({u"a.txt", u"b.txt", u"c.txt"});
    list.preview({u"1.txt", u"x?y", u"3.txt"});  // the second row fails
    applyRenames(list.model, list.fs);
    list.preview({u"11.txt", u"22.txt", u"33.txt"});
    applyRenames(list.model, list.fs);
    ASSERT_EQ(list.names(), (Names{u"11.txt", u"22.txt", u"33.txt"}));

    const CommandEffects effects = undoRenames(list.model, list.fs);
    EXPECT_EQ(list.names(), (Names{u"a.txt", u"b.txt", u"c.txt"}));
    EXPECT_EQ(list.column(ColFileName), (Names{u"a.txt", u"b.txt", u"c.txt"}));
    EXPECT_EQ(list.column(ColStatus), (Names{u"撤销改名成功", u"撤销改名成功", u"撤销改名成功"}));
    EXPECT_EQ(list.column(ColPreview), (Names{u"", u"", u""}));
    CommandEffects expected;
    expected.enableUndo = false;
    expected.planPane = u"成功3个，失败0个，未修改0个";
    EXPECT_EQ(effects, expected);
}

TEST(Undo, NeverRenamedRowIsRenamedOntoItself) {
    ListedFiles list({u"a.txt"});
    list.preview({u"x?y"});
    applyRenames(list.model, list.fs);
    undoRenames(list.model, list.fs);
    EXPECT_EQ(list.column(ColStatus), Names{u"撤销改名成功"});
    EXPECT_EQ(list.names(), Names{u"a.txt"});
}

TEST(Undo, TakenOriginalNameOrDeletedFileFails) {
    ListedFiles list({u"a.txt", u"b.txt"});
    list.preview({u"1.txt", u"2.txt"});
    applyRenames(list.model, list.fs);
    list.fs.addFile(std::u16string(kFolder) + u"a.txt", "a newcomer");
    list.fs.remove(std::u16string(kFolder) + u"2.txt");
    undoRenames(list.model, list.fs);
    EXPECT_EQ(list.column(ColStatus), (Names{u"失败:文件名重名", u"失败:原文件不存在"}));
    EXPECT_EQ(list.column(ColFileName), (Names{u"1.txt", u"2.txt"}));
    EXPECT_EQ(list.column(ColPreview), (Names{u"", u""}));
    EXPECT_EQ(list.fs.content(std::u16string(kFolder) + u"a.txt"), "a newcomer");
    EXPECT_EQ(list.fs.content(std::u16string(kFolder) + u"1.txt"),
              ListedFiles::contentOf(u"a.txt"));
}

TEST(SingleRename, WhenTheDialogOpens) {
    ListedFiles list({u"a.txt"});
    struct Case {
        int currentRow;
        SingleRenameOrigin origin;
        SingleRenameStart::Kind kind;
        const char16_t* text;
    };
    const char16_t* hint = u"请在列表中用鼠标右键单击，以选中要改名的文件";
    const Case cases[] = {
        {0, SingleRenameOrigin::DoubleClick, SingleRenameStart::Kind::OpenDialog, u"a.txt"},
        {0, SingleRenameOrigin::Menu, SingleRenameStart::Kind::OpenDialog, u"a.txt"},
        {-1, SingleRenameOrigin::DoubleClick, SingleRenameStart::Kind::Nothing, u""},
        {-1, SingleRenameOrigin::Menu, SingleRenameStart::Kind::Message, hint},
        {5, SingleRenameOrigin::Menu, SingleRenameStart::Kind::Message, hint},
    };
    for (const Case& c : cases) {
        const SingleRenameStart start = startSingleRename(list.model, c.currentRow, c.origin);
        EXPECT_EQ(start.kind, c.kind) << c.currentRow;
        EXPECT_EQ(start.text, c.text) << c.currentRow;
    }
}

TEST(SingleRename, SuccessTextDependsOnHowTheDialogWasOpened) {
    for (auto [origin, text] : {std::pair{SingleRenameOrigin::DoubleClick, u"成功"},
                                std::pair{SingleRenameOrigin::Menu, u"改名成功"}}) {
        ListedFiles list({u"a.txt", u"b.txt"});
        list.preview({u"p.txt", u"q.txt"});
        const CommandEffects effects = renameSingleFile(list.model, list.fs, 1, u"新.txt", origin);
        EXPECT_EQ(list.column(ColStatus), (Names{u"未修改", text}));
        EXPECT_EQ(list.column(ColFileName), (Names{u"a.txt", u"新.txt"}));
        EXPECT_EQ(list.column(ColPreview), (Names{u"p.txt", u"q.txt"}));
        EXPECT_EQ(list.names(), (Names{u"a.txt", u"新.txt"}));
        EXPECT_EQ(effects.enableUndo, true);
    }
}

TEST(SingleRename, FailureLeavesTheNameAndTheUndoButton) {
    ListedFiles list({u"a.txt", u"b.txt"});
    const CommandEffects effects =
        renameSingleFile(list.model, list.fs, 0, u"b.txt", SingleRenameOrigin::Menu);
    EXPECT_EQ(list.column(ColStatus)[0], u"失败:文件名重名");
    EXPECT_EQ(list.column(ColFileName)[0], u"a.txt");
    EXPECT_EQ(effects, CommandEffects{});
}

TEST(SingleRename, UnchangedNameSucceedsAndUndoBringsTheOriginalBack) {
    ListedFiles list({u"a.txt"});
    renameSingleFile(list.model, list.fs, 0, u"a.txt", SingleRenameOrigin::DoubleClick);
    EXPECT_EQ(list.column(ColStatus)[0], u"成功");
    renameSingleFile(list.model, list.fs, 0, u"z.txt", SingleRenameOrigin::DoubleClick);
    undoRenames(list.model, list.fs);
    EXPECT_EQ(list.names(), Names{u"a.txt"});
    EXPECT_EQ(list.column(ColFileName)[0], u"a.txt");
}

}  // namespace
}  // namespace tessary
