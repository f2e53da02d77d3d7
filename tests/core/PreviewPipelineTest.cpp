#include <gtest/gtest.h>

#include "PreviewTestSupport.h"

namespace tessary {
namespace {

using Names = std::vector<std::u16string>;

TEST(Preview, EmptyListChangesNothing) {
    FileListModel model = FileListModel::withStandardColumns();
    const PreviewOutcome outcome = runPreview(model, PageBasic, PageOptions{});
    EXPECT_EQ(outcome.kind, PreviewOutcome::EmptyList);
    EXPECT_FALSE(outcome.enableApply);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(Preview, WritesPreviewAndUnchangedStatusIntoEveryRow) {
    FileListModel model = testing::listOf({u"a.doc", u"b.doc"});
    model.setText(0, ColStatus, u"失败:文件名重名");
    model.setText(1, ColStatus, u"改名成功");
    PageOptions options;
    options.basic.newExtension = u"txt";
    const PreviewOutcome outcome = runPreview(model, PageBasic, options);
    EXPECT_EQ(outcome.kind, PreviewOutcome::Completed);
    EXPECT_TRUE(outcome.enableApply);
    EXPECT_EQ(testing::column(model, ColPreview), (Names{u"a.txt", u"b.txt"}));
    EXPECT_EQ(testing::column(model, ColStatus), (Names{u"未修改", u"未修改"}));
    // FileName is what the files are called on disk; the preview never touches it.
    EXPECT_EQ(testing::column(model, ColFileName), (Names{u"a.doc", u"b.doc"}));
}

TEST(Preview, NamesEqualToTheCurrentOneAreWrittenToo) {
    FileListModel model = testing::listOf({u"a"});
    PageOptions options;  // new extension, empty: "a" stays "a"
    runPreview(model, PageBasic, options);
    EXPECT_EQ(model.text(0, ColPreview), u"a");
}

TEST(Preview, PagesOutsideTheTabsHaveNoRule) {
    FileListModel model = testing::listOf({u"a.txt"});
    PreviewOutcome outcome = runPreview(model, 7, PageOptions{});
    EXPECT_EQ(outcome.kind, PreviewOutcome::Completed);
    EXPECT_TRUE(outcome.enableApply);
    EXPECT_EQ(model.text(0, ColPreview), u"");
    outcome = runPreview(model, -1, PageOptions{});
    EXPECT_FALSE(outcome.enableApply);
}

TEST(Preview, StartsFromTheCurrentFileNameEachTime) {
    FileListModel model = testing::listOf({u"a.txt"});
    PageOptions options;
    options.basic.newExtension = u"md";
    runPreview(model, PageBasic, options);
    model.setText(0, ColFileName, u"renamed.txt");  // as a successful apply would
    runPreview(model, PageBasic, options);
    EXPECT_EQ(model.text(0, ColPreview), u"renamed.md");
}

TEST(FileListModel, RowsColumnsAndItemValues) {
    FileListModel model = FileListModel::withStandardColumns();
    ASSERT_EQ(model.columnCount(), 9);
    EXPECT_EQ(model.column(ColFileName).header, u"文件名");
    EXPECT_EQ(model.column(ColFileName).width, 200);
    EXPECT_EQ(model.column(ColFullPath).header, u"Full Path");
    EXPECT_EQ(model.column(ColExtension).header, u"扩展名");

    EXPECT_EQ(model.insertRow(0, u"b"), 0);
    EXPECT_EQ(model.insertRow(0, u"a"), 0);
    EXPECT_EQ(model.insertRow(99, u"c"), 2);
    EXPECT_EQ(testing::column(model, ColFileName), (Names{u"a", u"b", u"c"}));
    EXPECT_EQ(model.itemValue(0), 0);
    EXPECT_EQ(model.itemValue(2), 2);
    model.setItemValue(1, 42);
    EXPECT_EQ(model.itemValue(1), 42);

    // Cells that were never written, and rows or columns that do not exist, read empty.
    EXPECT_EQ(model.text(0, ColDateModified), u"");
    EXPECT_EQ(model.text(5, 0), u"");
    EXPECT_EQ(model.text(0, -1), u"");
    model.setText(7, 0, u"ignored");
    EXPECT_EQ(model.rowCount(), 3);

    model.setText(1, ColExtension, u"txt");
    model.deleteRow(0);
    EXPECT_EQ(model.text(0, ColExtension), u"txt");
    model.deleteAllRows();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(FileListModel, TagColumnsComeAndGoWithoutDisturbingTheOthers) {
    FileListModel model = testing::listOf({u"a.mp3"});
    model.setText(0, ColExtension, u"mp3");
    const auto tags = FileListModel::tagColumns();
    for (int i = 0; i < 6; ++i) model.insertColumn(ColTitle + i, tags[i].header, tags[i].width);
    ASSERT_EQ(model.columnCount(), kColumnCountWithTags);
    EXPECT_EQ(model.column(ColTrack).header, u"Track");
    model.setText(0, ColTrack, u"7");
    model.setText(0, ColTitle, u"歌");
    EXPECT_EQ(model.text(0, ColTrack), u"7");
    for (int c = ColTrack; c >= ColTitle; --c) model.deleteColumn(c);
    EXPECT_EQ(model.columnCount(), kFixedColumnCount);
    EXPECT_EQ(model.text(0, ColExtension), u"mp3");
    EXPECT_EQ(model.text(0, ColTitle), u"");
}

TEST(FileListModel, InsertingAColumnShiftsTheTextsAfterIt) {
    FileListModel model = testing::listOf({u"a"});
    model.setText(0, 1, u"one");
    model.insertColumn(1, u"new", 10);
    EXPECT_EQ(model.text(0, 1), u"");
    EXPECT_EQ(model.text(0, 2), u"one");
    model.deleteColumn(1);
    EXPECT_EQ(model.text(0, 1), u"one");
}

}  // namespace
}  // namespace tessary
