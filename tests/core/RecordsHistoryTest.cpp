// The recorded apply and undo, and their history.

#include <gtest/gtest.h>

#include "commands/ListCommands.h"
#include "commands/RecordedHistory.h"
#include "core/RecordsTestSupport.h"

namespace tessary {
namespace {

using testing::kFolder;
using testing::ListedFiles;
using Names = std::vector<std::u16string>;

// What a preview with the new-extension rule writes: the main name of the current name with
// the new extension.
void previewExtension(ListedFiles& list, const std::u16string& extension) {
    for (int row = 0; row < list.model.rowCount(); ++row) {
        const std::u16string_view name = list.model.text(row, ColFileName);
        const std::u16string base(name.substr(0, name.rfind(u'.')));
        list.model.setText(row, ColPreview, extension.empty() ? base : base + u"." + extension);
        list.model.setText(row, ColStatus, kStatusUnchanged);
    }
}

TEST(RecordedApply, EmptyListDoesNothing) {
    FileListModel model = FileListModel::withStandardColumns();
    MemoryFileSystem fs;
    RecordedHistory history;
    const RecordedApplyResult r = recordedApply(model, fs, history, u"jpg");
    EXPECT_FALSE(r.ran);
    EXPECT_TRUE(history.empty());
}

TEST(RecordedApply, RecordsEveryRenamedRowAndAsksToSave) {
    ListedFiles list({u"a.txt", u"b.txt", u"c.txt"});
    list.fs.holdOpen(std::u16string(kFolder) + u"b.txt");
    previewExtension(list, u"jpg");
    RecordedHistory history;
    const RecordedApplyResult r = recordedApply(list.model, list.fs, history, u"jpg");
    EXPECT_TRUE(r.ran);
    EXPECT_EQ(r.question, kRecordedApplyQuestion);
    EXPECT_EQ(list.column(ColStatus), (Names{u"成功", u"失败:文件不允许访问", u"成功"}));
    EXPECT_EQ(list.column(ColFileName), (Names{u"a.jpg", u"b.txt", u"c.jpg"}));
    ASSERT_EQ(history.count(), 1);
    const HistoryEntry& e = history.newest();
    EXPECT_EQ(e.sequence, 1);
    EXPECT_EQ(e.oldExtension, u"");
    EXPECT_EQ(e.newExtension, u"jpg");
    ASSERT_EQ(e.rows.size(), 2u);
    EXPECT_EQ(e.rows[0].row, 0);
    EXPECT_EQ(e.rows[1].row, 2);
    EXPECT_EQ(e.rows[1].fileName, u"c.jpg");
    EXPECT_EQ(recordedApplyDeclined().pane0, kRecordedApplyNotSavedHint);
}

TEST(RecordedApply, SameNewExtensionAgainDoesNothing) {
    ListedFiles list({u"a.txt"});
    previewExtension(list, u"jpg");
    RecordedHistory history;
    recordedApply(list.model, list.fs, history, u"jpg");
    list.model.setText(0, ColPreview, u"other.jpg");
    EXPECT_FALSE(recordedApply(list.model, list.fs, history, u"jpg").ran);
    EXPECT_EQ(list.names(), Names{u"a.jpg"});
    EXPECT_EQ(history.count(), 1);
    // The comparison is exact: another case is another extension.
    EXPECT_TRUE(recordedApply(list.model, list.fs, history, u"JPG").ran);
}

TEST(RecordedUndo, EmptyHistoryDoesNothing) {
    ListedFiles list({u"a.txt"});
    RecordedHistory history;
    EXPECT_EQ(recordedUndo(list.model, list.fs, history), CommandEffects{});
    EXPECT_EQ(list.column(ColStatus), Names{u"未修改"});
}

TEST(RecordedUndo, TakesBackOneBatchAtATime) {
    ListedFiles list({u"a.txt", u"README"});
    RecordedHistory history;
    previewExtension(list, u"jpg");
    recordedApply(list.model, list.fs, history, u"jpg");
    previewExtension(list, u"png");
    recordedApply(list.model, list.fs, history, u"png");
    ASSERT_EQ(list.names(), (Names{u"README.png", u"a.png"}));
    ASSERT_EQ(history.newest().oldExtension, u"jpg");

    CommandEffects effects = recordedUndo(list.model, list.fs, history);
    EXPECT_EQ(effects.newExtensionText, u"jpg");
    EXPECT_FALSE(effects.pane0);
    EXPECT_EQ(list.names(), (Names{u"README.jpg", u"a.jpg"}));
    // The row's name is the name its file now has, also for a name without a dot.
    EXPECT_EQ(list.column(ColFileName), (Names{u"a.jpg", u"README.jpg"}));
    EXPECT_EQ(list.column(ColPreview), (Names{u"a.jpg", u"README.jpg"}));
    EXPECT_EQ(list.column(ColStatus), (Names{u"成功", u"成功"}));
    EXPECT_EQ(history.count(), 1);

    effects = recordedUndo(list.model, list.fs, history);
    EXPECT_EQ(effects.newExtensionText, u"");
    EXPECT_EQ(effects.pane0, u"");
    EXPECT_EQ(list.names(), (Names{u"README", u"a.txt"}));
    EXPECT_EQ(list.column(ColFileName), (Names{u"a.txt", u"README"}));
    EXPECT_EQ(list.column(ColPreview), (Names{u"", u""}));
    EXPECT_EQ(list.column(ColStatus), (Names{u"成功", u"成功"}));
    EXPECT_TRUE(history.empty());
}

TEST(RecordedUndo, RowsThatFailedOrWereRenamedByApplyAreLeftAlone) {
    ListedFiles list({u"a.txt", u"b.txt"});
    list.fs.holdOpen(std::u16string(kFolder) + u"b.txt");
    previewExtension(list, u"jpg");
    RecordedHistory history;
    recordedApply(list.model, list.fs, history, u"jpg");
    list.fs.holdOpen(std::u16string(kFolder) + u"b.txt", false);
    recordedUndo(list.model, list.fs, history);
    EXPECT_EQ(list.column(ColStatus), (Names{u"成功", u"失败:文件不允许访问"}));
    EXPECT_EQ(list.names(), (Names{u"a.txt", u"b.txt"}));
}

TEST(RecordedUndo, RowsThatNoLongerNameTheFileFailAndTheirFilesStay) {
    ListedFiles list({u"a.txt", u"b.txt", u"c.txt"});
    previewExtension(list, u"jpg");
    RecordedHistory history;
    recordedApply(list.model, list.fs, history, u"jpg");
    // The list is reordered and shortened behind the history's back.
    int counter = 3;
    moveRowDown(list.model, 0);                    // b.jpg, a.jpg, c.jpg
    removeSelectedRows(list.model, counter, {2});  // b.jpg, a.jpg
    recordedUndo(list.model, list.fs, history);
    EXPECT_EQ(list.column(ColStatus), (Names{u"失败", u"失败"}));
    EXPECT_EQ(list.column(ColFileName), (Names{u"b.jpg", u"a.jpg"}));
    EXPECT_EQ(list.names(), (Names{u"a.jpg", u"b.jpg", u"c.jpg"}));
    EXPECT_TRUE(history.empty());
}

TEST(RecordedHistory, HasNoLimitOnEntriesOrRows) {
    std::vector<std::u16string> names;
    for (int i = 0; i < 150; ++i)
        names.push_back(u"f" + std::u16string(1, u'A' + i % 26) + std::u16string(1, u'a' + i / 26) +
                        u".txt");
    ListedFiles list(names);
    RecordedHistory history;
    for (int n = 1; n <= 120; ++n) {
        const std::string digits = std::to_string(n);
        previewExtension(list, std::u16string(digits.begin(), digits.end()));
        ASSERT_TRUE(recordedApply(list.model, list.fs, history,
                                  std::u16string(digits.begin(), digits.end()))
                        .ran);
    }
    EXPECT_EQ(history.count(), 120);
    EXPECT_EQ(history.newest().rows.size(), 150u);
    while (!history.empty()) recordedUndo(list.model, list.fs, history);
    EXPECT_EQ(list.column(ColFileName), names);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(list.names(), names);
}

TEST(RecordedHistory, ClearingTheListEmptiesIt) {
    ListedFiles list({u"a.txt"});
    previewExtension(list, u"jpg");
    RecordedHistory history;
    recordedApply(list.model, list.fs, history, u"jpg");
    int counter = 1;
    clearList(list.model, counter, history);
    EXPECT_TRUE(history.empty());
    EXPECT_EQ(recordedUndo(list.model, list.fs, history), CommandEffects{});
}

}  // namespace
}  // namespace tessary
