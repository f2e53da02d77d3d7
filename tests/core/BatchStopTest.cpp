// Stopping a batch of renames at its start, in its middle and at its end: the steps done stay
// done, the rows not reached read "未修改", every file is under the name its row shows, and
// the undo afterwards puts every file back.

#include <gtest/gtest.h>

#include "commands/ApplyUndo.h"
#include "commands/RecordedHistory.h"
#include "core/ForwardingFileSystem.h"
#include "core/RecordsTestSupport.h"
#include "core/StopPressingRunner.h"
#include "disk/RenameBatch.h"

namespace tessary {
namespace {

using testing::kFolder;
using testing::ListedFiles;
using Names = std::vector<std::u16string>;

// Presses Stop once `renames` renames have been made (0: before the first), as a user would
// press it while a worker renames.
class StopPresser : public testing::StopPressingRunner, public testing::ForwardingFileSystem {
  public:
    StopPresser(FileSystem& fs, int renames)
        : StopPressingRunner(BatchWork::Renames, renames), ForwardingFileSystem(fs) {}

    RenameOutcome rename(std::u16string_view from, std::u16string_view to) override {
        const RenameOutcome outcome = ForwardingFileSystem::rename(from, to);
        pressStopAt(++renames);
        return outcome;
    }

    int renames = 0;
};

// Every row names a file on disk that holds the content its first name had.
void expectEveryFileWhereItsRowSays(const ListedFiles& list) {
    for (int row = 0; row < list.model.rowCount(); ++row) {
        const std::u16string path =
            joined({list.model.text(row, ColPath), list.model.text(row, ColFileName)});
        EXPECT_EQ(list.fs.content(path),
                  ListedFiles::contentOf(std::u16string(list.model.text(row, ColOriginalName))))
            << "row " << row;
    }
}

Names numbered(const std::u16string& stem, int count) {
    Names names;
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        names.push_back(stem + std::u16string(n.begin(), n.end()) + u".txt");
    }
    return names;
}

TEST(BatchStop, ApplyStoppedAtTheStartMiddleOrEndAndUndoneAfterwards) {
    struct Case {
        int stopAfter;
        int renamed;
        const char16_t* pane;
    };
    for (const Case c : {Case{0, 0, u"已停止：成功0个，失败0个，未修改6个"},
                         Case{4, 4, u"已停止：成功4个，失败0个，未修改2个"},
                         Case{6, 6, u"成功6个，失败0个，未修改0个"}}) {
        SCOPED_TRACE(c.stopAfter);
        ListedFiles list(numbered(u"a", 6));
        list.preview(numbered(u"新", 6));
        StopPresser stopper(list.fs, c.stopAfter);
        const CommandEffects effects = applyRenames(list.model, stopper, {}, stopper);

        Names statuses(6, kStatusUnchanged);
        for (int row = 0; row < c.renamed; ++row) statuses[row] = u"改名成功";
        EXPECT_EQ(list.column(ColStatus), statuses);
        expectEveryFileWhereItsRowSays(list);
        EXPECT_EQ(effects.planPane, c.pane);
        EXPECT_EQ(effects.enableUndo, true);
        // A stopped batch can be finished by applying again.
        EXPECT_EQ(effects.enableApply, c.renamed < 6 ? std::nullopt : std::optional(false));

        undoRenames(list.model, list.fs);
        EXPECT_EQ(list.names(), numbered(u"a", 6));
        EXPECT_EQ(list.column(ColStatus), Names(6, u"撤销改名成功"));
    }
}

TEST(BatchStop, AStoppedChainWaitsWhereItIsAndACycleUnderWayIsFinished) {
    // A shift: c takes the free d, then b the freed c, then a the freed b. Stopped after the
    // first step, a and b keep their names.
    {
        ListedFiles list({u"a", u"b", u"c"});
        list.preview({u"b", u"c", u"d"});
        StopPresser stopper(list.fs, 1);
        applyRenames(list.model, stopper, {}, stopper);
        EXPECT_EQ(list.column(ColStatus), (Names{u"未修改", u"未修改", u"改名成功"}));
        EXPECT_EQ(list.names(), (Names{u"a", u"b", u"d"}));
        expectEveryFileWhereItsRowSays(list);
    }
    // A swap goes through a temporary name; stopped after its first step it still ends.
    {
        ListedFiles list({u"a", u"b"});
        list.preview({u"b", u"a"});
        StopPresser stopper(list.fs, 1);
        applyRenames(list.model, stopper, {}, stopper);
        EXPECT_EQ(stopper.renames, 3);
        EXPECT_EQ(list.column(ColStatus), (Names{u"改名成功", u"改名成功"}));
        EXPECT_EQ(list.names(), (Names{u"a", u"b"}));
        expectEveryFileWhereItsRowSays(list);
    }
}

TEST(BatchStop, AStoppedUndoKeepsUndoAndTheRestForTheNextOne) {
    ListedFiles list(numbered(u"a", 5));
    list.preview(numbered(u"新", 5));
    applyRenames(list.model, list.fs);
    StopPresser stopper(list.fs, 2);
    const CommandEffects effects = undoRenames(list.model, stopper, {}, stopper);
    EXPECT_EQ(effects.enableUndo, std::nullopt);
    EXPECT_EQ(list.column(ColStatus),
              (Names{u"撤销改名成功", u"撤销改名成功", u"未修改", u"未修改", u"未修改"}));
    EXPECT_EQ(list.column(ColPreview), (Names{u"", u"", u"新2.txt", u"新3.txt", u"新4.txt"}));
    expectEveryFileWhereItsRowSays(list);

    EXPECT_EQ(undoRenames(list.model, list.fs).enableUndo, false);
    EXPECT_EQ(list.names(), numbered(u"a", 5));
}

TEST(BatchStop, AStoppedRecordedUndoKeepsItsEntryWithTheRowsItDidNotReach) {
    ListedFiles list(numbered(u"a", 4));
    for (int row = 0; row < 4; ++row) {
        const std::u16string_view name = list.model.text(row, ColFileName);
        list.model.setText(row, ColPreview, joined({name.substr(0, name.rfind(u'.')), u".jpg"}));
    }
    RecordedHistory history;
    recordedApply(list.model, list.fs, history, u"jpg");
    ASSERT_EQ(history.newest().rows.size(), 4u);

    StopPresser stopper(list.fs, 1);
    const CommandEffects stopped = recordedUndo(list.model, stopper, history, {}, stopper);
    EXPECT_EQ(stopped.newExtensionText, std::nullopt);
    ASSERT_EQ(history.count(), 1);
    EXPECT_EQ(history.newest().rows.size(), 3u);
    EXPECT_EQ(list.column(ColStatus), (Names{u"成功", u"未修改", u"未修改", u"未修改"}));
    expectEveryFileWhereItsRowSays(list);

    const CommandEffects finished = recordedUndo(list.model, list.fs, history);
    EXPECT_EQ(finished.newExtensionText, u"");
    EXPECT_TRUE(history.empty());
    EXPECT_EQ(list.names(), numbered(u"a", 4));
}

}  // namespace
}  // namespace tessary
