// The rename plan on the in-memory file system: the shared batch cases, and what only the plan
// itself shows (how it reads the disk, and what the preview makes of it).

#include <gtest/gtest.h>

#include "contract/MemoryWorld.h"
#include "contract/RenamePlanCases.h"
#include "core/ForwardingFileSystem.h"
#include "core/RecordsTestSupport.h"
#include "core/StopPressingRunner.h"
#include "disk/PreviewCheck.h"
#include "disk/RowRequests.h"

namespace tessary {
namespace {

using contract::MemoryWorld;
using testing::kFolder;
using testing::ListedFiles;
using Names = std::vector<std::u16string>;

}  // namespace

namespace contract {
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RenamePlanCases, ::testing::Types<MemoryWorld>);
}  // namespace contract

namespace {

// Counts what the plan asks of the disk.
class CountingFileSystem final : public testing::ForwardingFileSystem {
  public:
    using ForwardingFileSystem::ForwardingFileSystem;
    mutable int listings = 0;
    mutable int queries = 0;

    AttributeQuery queryAttributes(std::u16string_view path) const override {
        ++queries;
        return ForwardingFileSystem::queryAttributes(path);
    }
    bool listFolder(std::u16string_view folder,
                    const std::function<void(std::u16string_view)>& onName) const override {
        ++listings;
        return ForwardingFileSystem::listFolder(folder, onName);
    }
};

TEST(RenamePlan, ReadsEachFolderOnceAndQueriesOnlyFilesItDidNotSee) {
    MemoryFileSystem memory;
    std::vector<std::u16string> folders, names, newNames;
    for (int f = 0; f < 4; ++f) {
        const std::u16string folder = u"D:\\f" + contract::numbered(f, u"\\");
        memory.addFolder(folder);
        for (int i = 0; i < 50; ++i) {
            memory.addFile(folder + contract::numbered(i));
            folders.push_back(folder);
            names.push_back(contract::numbered(i));
            newNames.push_back(contract::numbered(i + 1));
        }
    }
    // The same folder spelt in another case is the same folder.
    folders.push_back(u"d:\\F0\\");
    names.push_back(u"gone.txt");
    newNames.push_back(u"back.txt");
    std::vector<RenameRequest> requests;
    for (std::size_t i = 0; i < names.size(); ++i) {
        requests.push_back({folders[i], names[i], newNames[i]});
    }
    CountingFileSystem fs(memory);
    const RenamePlan plan = planRenames(requests, fs);
    EXPECT_EQ(fs.listings, 4);
    EXPECT_EQ(fs.queries, 1);  // the one file the listing did not show
    EXPECT_EQ(plan.folders.size(), 4u);
    EXPECT_EQ(plan.renameCount(), 200);
    EXPECT_EQ(plan.rows.back().verdict, RowVerdict::SourceMissing);
    EXPECT_EQ(plan.groups.size(), 4u);  // one +1 shift per folder

    // A preview's check wants the verdicts only: the same rows, no steps to run.
    const RenamePlan verdicts = planRenames(requests, fs, nullptr, PlanUse::VerdictsOnly);
    ASSERT_EQ(verdicts.rows.size(), plan.rows.size());
    for (std::size_t r = 0; r < plan.rows.size(); ++r) {
        EXPECT_EQ(verdicts.rows[r].verdict, plan.rows[r].verdict) << r;
        EXPECT_EQ(verdicts.rows[r].otherRow, plan.rows[r].otherRow) << r;
    }
    EXPECT_EQ(verdicts.renameCount(), 200);
    EXPECT_TRUE(verdicts.steps.empty());
    EXPECT_TRUE(verdicts.groups.empty());
}

TEST(RenamePlan, AFolderThatCannotBeReadIsLeftToTheRenames) {
    ListedFiles list({u"a.txt", u"b.txt"});
    list.fs.addFile(std::u16string(kFolder) + u"taken.txt");
    list.fs.failListing(kFolder);
    const std::vector<RenameRequest> requests = {{kFolder, u"a.txt", u"taken.txt"},
                                                 {kFolder, u"b.txt", u"a.txt"},
                                                 {kFolder, u"gone.txt", u"gone.txt"}};
    const RenamePlan plan = planRenames(requests, list.fs);
    // Unseen, the outside file cannot refuse the row; the rename itself refuses it, and the
    // row waiting on it stays. Each file is asked after instead.
    EXPECT_EQ(plan.refusedCount(), 1);
    EXPECT_EQ(plan.rows[2].verdict, RowVerdict::SourceMissing);
    const BatchResult batch = runRenamePlan(plan, list.fs);
    EXPECT_EQ(batch.rows[0].outcome, RenameOutcome::TargetExists);
    EXPECT_EQ(batch.rows[1].outcome, RenameOutcome::TargetExists);
    EXPECT_EQ(list.fs.content(std::u16string(kFolder) + u"taken.txt"), "");
}

// Cycles whose last step fails and whose first step cannot be turned back either: another
// program holds the temporary names from the moment they are made.
class TemporaryNamesStuck final : public testing::ForwardingFileSystem {
  public:
    using ForwardingFileSystem::ForwardingFileSystem;
    RenameOutcome rename(std::u16string_view from, std::u16string_view to) override {
        if (from.find(kTemporaryNamePrefix) != std::u16string_view::npos) {
            return RenameOutcome::AccessDenied;
        }
        return ForwardingFileSystem::rename(from, to);
    }
};

TEST(RenameBatch, ARowLeftUnderATemporaryNameShowsThatName) {
    // Two swaps in folder A around one in folder B, so the cycles do not run in row order.
    const std::u16string a = u"D:\\A\\";
    const std::u16string b = u"D:\\B\\";
    ListedFiles list({}, a);
    list.fs.addFolder(b);
    const std::vector<std::pair<std::u16string, std::u16string>> rows = {
        {a, u"1.txt"}, {b, u"x.txt"}, {b, u"y.txt"}, {a, u"2.txt"}, {a, u"3.txt"}, {a, u"4.txt"}};
    for (const auto& [folder, name] : rows) {
        list.fs.addFile(folder + name, ListedFiles::contentOf(name));
        testing::addListedRow(list.model, list.fs, folder, name);
    }
    list.preview({u"2.txt", u"y.txt", u"x.txt", u"1.txt", u"4.txt", u"3.txt"});
    TemporaryNamesStuck fs(list.fs);
    BatchResult batch;
    ASSERT_TRUE(renameRows(list.model, fs, RenameCommand::Apply, ColPreview, u"", &batch));
    const std::vector<RowEnd> ends = {RowEnd::Aside,  RowEnd::Aside, RowEnd::Stayed,
                                      RowEnd::Stayed, RowEnd::Aside, RowEnd::Stayed};
    for (int row = 0; row < 6; ++row) {
        const auto& [folder, name] = rows[static_cast<std::size_t>(row)];
        EXPECT_EQ(batch.rows[static_cast<std::size_t>(row)].end,
                  ends[static_cast<std::size_t>(row)])
            << row;
        // Every file is under the name its row shows.
        const std::u16string shown(list.model.text(row, ColFileName));
        EXPECT_EQ(list.fs.content(folder + shown), ListedFiles::contentOf(name)) << row;
        EXPECT_EQ(shown.starts_with(kTemporaryNamePrefix),
                  ends[static_cast<std::size_t>(row)] == RowEnd::Aside)
            << row;
    }
    EXPECT_TRUE(batch.asideName(2).empty());
}

TEST(PreviewCheck, RefusedRowsShowTheirReasonAndThePaneCountsThem) {
    ListedFiles list({u"a.txt", u"b.txt", u"c.txt", u"d.txt", u"e.txt", u"f.txt", u"g.txt"});
    list.fs.addFile(std::u16string(kFolder) + u"taken.txt");
    list.preview({u"b.txt", u"a.txt", u"a.txt", u"taken.txt", u"CON.txt", u"f.txt", u"g. "});
    const PreviewCheck check = checkPreview(list.model, list.fs);
    EXPECT_EQ(list.column(ColStatus),
              (Names{u"未修改", u"未修改", u"冲突:与第2行的新名相同", u"冲突:已有同名文件",
                     u"无效:系统保留的名称", u"未修改", u"无效:末尾是点或空格"}));
    EXPECT_EQ(check.renamed, 2);
    EXPECT_EQ(check.refused, 4);
    EXPECT_EQ(check.paneText, u"将改名2个，拒绝4个");
    // Nothing on disk changed.
    EXPECT_EQ(list.names().size(), 8u);
    EXPECT_EQ(list.fs.content(std::u16string(kFolder) + u"a.txt"),
              ListedFiles::contentOf(u"a.txt"));
}

TEST(PreviewCheck, EveryReasonHasItsWords) {
    struct Case {
        RowPlan row;
        const char16_t* text;
    };
    const Case cases[] = {
        {{RowVerdict::Rename, NameProblem::None, -1}, u"未修改"},
        {{RowVerdict::Unchanged, NameProblem::None, -1}, u"未修改"},
        {{RowVerdict::SameNewName, NameProblem::None, 11}, u"冲突:与第12行的新名相同"},
        {{RowVerdict::NameTaken, NameProblem::None, -1}, u"冲突:已有同名文件"},
        {{RowVerdict::SameFile, NameProblem::None, 0}, u"冲突:与第1行是同一个文件"},
        {{RowVerdict::SourceMissing, NameProblem::None, -1}, u"无效:原文件不存在"},
        {{RowVerdict::InvalidName, NameProblem::Reserved, -1}, u"无效:系统保留的名称"},
        {{RowVerdict::InvalidName, NameProblem::TrailingDotOrBlank, -1}, u"无效:末尾是点或空格"},
        {{RowVerdict::InvalidName, NameProblem::TooLong, -1}, u"无效:名称过长"},
        {{RowVerdict::InvalidName, NameProblem::Empty, -1}, u"无效:名称为空"},
        {{RowVerdict::InvalidName, NameProblem::ForbiddenCharacter, -1}, u"无效:含有不允许的字符"},
    };
    for (const Case& c : cases) EXPECT_EQ(previewStatusText(c.row), c.text);
    RowResult invalid = refusedResult({RowVerdict::InvalidName, NameProblem::TooLong, -1});
    EXPECT_EQ(batchStatusText(RenameCommand::Apply, invalid), u"失败:名称过长");
    EXPECT_EQ(batchStatusText(RenameCommand::Restore, invalid), u"失败:名称过长");
    EXPECT_EQ(batchStatusText(RenameCommand::RecordedUndo, invalid), u"失败");
}

// Presses Stop once `listings` folders have been read (0: before the first), as a user would
// press it while the worker checks.
class CheckStopper final : public testing::StopPressingRunner,
                           public testing::ForwardingFileSystem {
  public:
    CheckStopper(FileSystem& fs, int listings)
        : StopPressingRunner(BatchWork::PreviewCheck, listings), ForwardingFileSystem(fs) {}

    bool listFolder(std::u16string_view folder,
                    const std::function<void(std::u16string_view)>& onName) const override {
        const bool listed = ForwardingFileSystem::listFolder(folder, onName);
        pressStopAt(++listings_);
        return listed;
    }

  private:
    mutable int listings_ = 0;
};

TEST(PreviewCheck, StopEndsTheCheckBetweenFoldersAndThePaneSaysSo) {
    // Three folders, each with one row whose new name another file of its folder has.
    MemoryFileSystem memory;
    FileListModel model = FileListModel::withStandardColumns();
    const std::u16string folders[] = {u"C:\\a\\", u"C:\\b\\", u"C:\\c\\"};
    for (const std::u16string& folder : folders) {
        memory.addFolder(folder);
        for (const char16_t* name : {u"1.txt", u"2.txt", u"taken.txt"}) {
            memory.addFile(folder + name);
        }
        for (const char16_t* name : {u"1.txt", u"2.txt"})
            testing::addListedRow(model, memory, folder, name);
    }
    auto statuses = [&model] {
        Names texts;
        for (int row = 0; row < model.rowCount(); ++row) {
            texts.emplace_back(model.text(row, ColStatus));
        }
        return texts;
    };
    struct Case {
        int stopAfter;  // folders read before Stop; -1: never
        int refused;
        const char16_t* pane;
    };
    const Case cases[] = {
        {0, 0, u"已停止：将改名0个，拒绝0个"},
        {1, 1, u"已停止：将改名1个，拒绝1个"},
        {3, 3, u"将改名3个，拒绝3个"},  // pressed as the last folder was read: nothing left
        {-1, 3, u"将改名3个，拒绝3个"},
    };
    for (const Case& c : cases) {
        for (int row = 0; row < model.rowCount(); ++row) {
            model.setText(row, ColPreview, row % 2 == 0 ? u"taken.txt" : u"new.txt");
            model.setText(row, ColStatus, kStatusUnchanged);
        }
        CheckStopper stopper(memory, c.stopAfter);
        const PreviewCheck check = checkPreview(model, stopper, stopper);
        EXPECT_EQ(check.refused, c.refused) << c.stopAfter;
        EXPECT_EQ(check.paneText, c.pane) << c.stopAfter;
        Names expected(6, kStatusUnchanged);
        for (int f = 0; f < c.refused; ++f) expected[2 * f] = u"冲突:已有同名文件";
        EXPECT_EQ(statuses(), expected) << c.stopAfter;
    }
}

TEST(WindowsNames, FoldsAsWindowsComparesNames) {
    EXPECT_TRUE(equalFolded(u"Photo.JPG", u"photo.jpg"));
    EXPECT_TRUE(equalFolded(u"ÄÖÜ ΣΩ ДЖ Ł Ž", u"äöü σω дж ł ž"));
    EXPECT_TRUE(equalFolded(u"ｆｕｌｌ", u"ＦＵＬＬ"));
    EXPECT_FALSE(equalFolded(u"照片", u"照片1"));
    EXPECT_FALSE(equalFolded(u"ı", u"I"));  // the dotless i is its own letter here
}

}  // namespace
}  // namespace tessary
