// The journal of a batch: what it holds, that damage is seen, and that a batch cut short at any
// step is put back whole.

#include <gtest/gtest.h>

#include "commands/ApplyUndo.h"
#include "core/ChunkCountingFileSystem.h"
#include "core/ForwardingFileSystem.h"
#include "core/RecordsTestSupport.h"
#include "disk/RenameBatch.h"
#include "disk/RenameJournal.h"
#include "disk/RowRequests.h"

namespace tessary {
namespace {

using testing::kFolder;
using testing::ListedFiles;
using Names = std::vector<std::u16string>;

const std::u16string kJournal = u"C:\\work\\Tessary.journal";

// The program dies after `renamesLeft` renames: the next one never returns.
struct Killed {};
class DyingFileSystem final : public testing::ForwardingFileSystem {
  public:
    DyingFileSystem(FileSystem& fs, int renamesLeft)
        : ForwardingFileSystem(fs), left_(renamesLeft) {}
    RenameOutcome rename(std::u16string_view from, std::u16string_view to) override {
        if (left_-- == 0) throw Killed{};
        return ForwardingFileSystem::rename(from, to);
    }

  private:
    int left_;
};

// A swap, a chain, a rotation of three, a case-only rename and a refused row.
struct MixedBatch : ListedFiles {
    MixedBatch()
        : ListedFiles({u"a.txt", u"b.txt", u"1.jpg", u"2.jpg", u"P(1).txt", u"P(2).txt", u"P.txt",
                       u"case.txt", u"x.txt"}) {
        fs.addFolder(u"C:\\work\\");
        preview({u"b.txt", u"a.txt", u"2.jpg", u"3.jpg", u"P.txt", u"P(1).txt", u"P(2).txt",
                 u"CASE.TXT", u"x?"});
    }
    Names firstNames() const {
        return {u"1.jpg", u"2.jpg", u"P(1).txt", u"P(2).txt", u"P.txt",
                u"a.txt", u"b.txt", u"case.txt", u"x.txt"};
    }
    // Every file holds its own first name's content again.
    void expectAllBack() {
        EXPECT_EQ(names(), firstNames());
        for (const auto& name : firstNames()) {
            EXPECT_EQ(fs.content(std::u16string(kFolder) + name), contentOf(name));
        }
    }
};

TEST(RenameJournal, HoldsEveryStepOfThePlanTemporaryNamesIncluded) {
    MixedBatch batch;
    batch.fs.addFolder(u"D:\\音乐\\");
    batch.fs.addFile(u"D:\\音乐\\x");
    const RenamePlan plan = planRenames(
        {{kFolder, u"a.txt", u"b.txt"}, {kFolder, u"b.txt", u"a.txt"}, {u"D:\\音乐\\", u"x", u"y"}},
        batch.fs);
    ASSERT_EQ(plan.steps.size(), 4u);
    ASSERT_TRUE(writeJournal(batch.fs, kJournal, plan));
    const auto steps = decodeJournal(*batch.fs.readFile(kJournal, kJournalMaxFileBytes));
    ASSERT_TRUE(steps);
    ASSERT_EQ(steps->size(), 4u);
    using Kind = JournalStep::Kind;
    const FileIdentity a = *batch.fs.identify(std::u16string(kFolder) + u"a.txt");
    EXPECT_EQ((*steps)[0],
              (JournalStep{0, kFolder, u"a.txt", u"~tessary-1.tmp", Kind::SetAside, a}));
    EXPECT_EQ((*steps)[1], (JournalStep{1, kFolder, u"b.txt", u"a.txt", Kind::Plain, {}}));
    EXPECT_EQ((*steps)[2], (JournalStep{0, kFolder, u"~tessary-1.tmp", u"b.txt", Kind::MoveOn, a}));
    EXPECT_EQ((*steps)[3], (JournalStep{2, u"D:\\音乐\\", u"x", u"y", Kind::Plain, {}}));
}

TEST(RenameJournal, DamagedJournalsAreRefused) {
    MixedBatch batch;
    const std::string good = encodeJournal(
        planRenames({{kFolder, u"a.txt", u"b.txt"}, {kFolder, u"b.txt", u"c.txt"}}, batch.fs));
    ASSERT_TRUE(decodeJournal(good));
    for (std::size_t cut = 0; cut < good.size(); ++cut) {
        EXPECT_FALSE(decodeJournal(good.substr(0, cut))) << "cut at " << cut;
    }
    for (std::size_t at = 0; at < good.size(); ++at) {
        std::string flipped = good;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x20);
        EXPECT_FALSE(decodeJournal(flipped)) << "byte " << at;
    }
    EXPECT_FALSE(decodeJournal(good + "x"));
}

TEST(RenameJournal, ALargeJournalIsWrittenInChunksAndReadsBackWhole) {
    MemoryFileSystem disk;
    disk.addFolder(kFolder);
    disk.addFolder(u"C:\\work\\");
    std::vector<std::u16string> names;
    for (int i = 0; i < 3'000; ++i) {
        const std::string n = std::to_string(i);
        names.push_back(u"照片-" + std::u16string(n.begin(), n.end()));
        disk.addFile(std::u16string(kFolder) + names.back() + u".jpg");
    }
    std::vector<std::u16string> newNames;
    std::vector<RenameRequest> requests;
    for (const auto& name : names) newNames.push_back(name + u"-新.jpg");
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] += u".jpg";
        requests.push_back({kFolder, names[i], newNames[i]});
    }
    const RenamePlan plan = planRenames(requests, disk);
    testing::ChunkCountingFileSystem fs(disk);
    ASSERT_TRUE(writeJournal(fs, kJournal, plan));
    EXPECT_GT(fs.writes, 2);
    const auto steps = decodeJournal(*disk.readFile(kJournal, kJournalMaxFileBytes));
    ASSERT_TRUE(steps);
    ASSERT_EQ(steps->size(), 3'000u);
    EXPECT_EQ(steps->back().from, names.back());
    EXPECT_EQ(steps->back().to, newNames.back());

    // A chunk the disk refuses fails the journal, and so the batch before its first rename.
    fs.writes = 0;
    fs.refuseWrite = 1;
    EXPECT_FALSE(writeJournal(fs, kJournal, plan));
}

TEST(RenameJournal, StepsThatWouldLeaveTheirFolderAreRefused) {
    // Whole and undamaged, but naming files elsewhere: a forged journal must move nothing.
    for (const std::u16string bad : {u"..", u".", u"", u"..\\win.ini", u"a/b"}) {
        RenamePlan plan;
        plan.folders = {kFolder};
        plan.steps = {{0, 0, u"a.txt", bad}};
        EXPECT_FALSE(decodeJournal(encodeJournal(plan)));
        plan.steps = {{0, 0, bad, u"a.txt"}};
        EXPECT_FALSE(decodeJournal(encodeJournal(plan)));
    }
    RenamePlan plan;
    plan.folders = {kFolder};
    plan.steps = {{0, 1, u"a.txt", u"b.txt"}};  // a folder that is not there
    EXPECT_FALSE(decodeJournal(encodeJournal(plan)));
}

TEST(RenameJournal, ABatchKilledAtAnyStepIsPutBackWhole) {
    const int stepCount = [] {
        MixedBatch batch;
        const RenamePlan plan = planRenames(RowRequests(batch.model, ColPreview), batch.fs);
        return static_cast<int>(plan.steps.size());
    }();
    ASSERT_EQ(stepCount, 2 + 1 + 1 + 4 + 1 + 1);  // swap, chain of two, rotation, case-only
    for (int killedAfter = 0; killedAfter <= stepCount; ++killedAfter) {
        MixedBatch batch;
        DyingFileSystem dying(batch.fs, killedAfter);
        const RenamePlan plan = planRenames(RowRequests(batch.model, ColPreview), batch.fs);
        if (killedAfter < stepCount) {
            EXPECT_THROW(runRenamePlan(plan, dying, kJournal), Killed);
        } else {
            // Not killed at all: the journal kept undoes the finished batch.
            ASSERT_TRUE(runRenamePlan(plan, dying, kJournal, /*keepJournal=*/true).ran);
        }
        const auto bytes = batch.fs.readFile(kJournal, kJournalMaxFileBytes);
        ASSERT_TRUE(bytes) << killedAfter;
        const auto steps = decodeJournal(*bytes);
        ASSERT_TRUE(steps);
        const Recovery recovery = recoverJournal(*steps, batch.fs);
        SCOPED_TRACE(killedAfter);
        batch.expectAllBack();
        EXPECT_EQ(recovery.notPutBack, 0) << killedAfter;
        EXPECT_EQ(recovery.rows.size(), 8u);  // every row that had steps, the refused one not
    }
}

TEST(RenameJournal, AFileThatCannotBePutBackIsCountedAndTheOthersComeBack) {
    MixedBatch batch;
    const RenamePlan plan = planRenames(RowRequests(batch.model, ColPreview), batch.fs);
    ASSERT_TRUE(runRenamePlan(plan, batch.fs, kJournal, /*keepJournal=*/true).ran);
    const auto steps = decodeJournal(*batch.fs.readFile(kJournal, kJournalMaxFileBytes));
    ASSERT_TRUE(steps);
    batch.fs.holdOpen(std::u16string(kFolder) + u"3.jpg");  // 2.jpg now
    const Recovery recovery = recoverJournal(*steps, batch.fs);
    // 1.jpg comes back from 2.jpg before its neighbour's turn; 2.jpg stays as 3.jpg.
    EXPECT_EQ(recovery.putBack, 7);
    EXPECT_EQ(recovery.notPutBack, 1);
    for (const RecoveredRow& row : recovery.rows) {
        if (row.nameBack == u"2.jpg") {
            EXPECT_EQ(row.outcome, RenameOutcome::AccessDenied);
            EXPECT_EQ(row.nameBefore, u"3.jpg");
        }
        if (row.nameBack == u"1.jpg") {
            EXPECT_EQ(row.outcome, RenameOutcome::Renamed);
        }
    }
    EXPECT_EQ(batch.fs.content(std::u16string(kFolder) + u"a.txt"),
              ListedFiles::contentOf(u"a.txt"));
}

TEST(RenameJournal, ABatchWhoseJournalCannotBeWrittenRenamesNothing) {
    MixedBatch batch;
    const CommandEffects effects = applyRenames(batch.model, batch.fs, u"C:\\nowhere\\j");
    EXPECT_EQ(effects.message, std::u16string(kJournalNotWritten));
    EXPECT_FALSE(effects.enableUndo);
    EXPECT_EQ(batch.names().size(), 9u);
    EXPECT_TRUE(batch.fs.exists(std::u16string(kFolder) + u"a.txt"));
    EXPECT_EQ(batch.column(ColStatus), Names(9, u"未修改"));
}

}  // namespace
}  // namespace tessary
