#pragma once
// Batches planned and run on any FileSystemWorld: the in-memory one natively, real files under
// Wine. Each file's content is its first name, so that where every file went can be read off
// the disk afterwards.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "contract/FileSystemContract.h"
#include "disk/RenameBatch.h"
#include "disk/RenamePlan.h"

namespace tessary::contract {

using Names = std::vector<std::u16string>;

inline std::string contentFor(const std::u16string& name) {
    std::string s = "file ";
    for (char16_t c : name) s += c < 0x80 ? static_cast<char>(c) : '#';
    return s;
}

inline std::u16string numbered(int n, const char16_t* extension = u".txt") {
    const std::string digits = std::to_string(n);
    return std::u16string(digits.begin(), digits.end()) + extension;
}

template <class World>
class RenamePlanCases : public ::testing::Test {
  protected:
    World world;
    std::u16string folder() { return world.root(); }

    // Makes the listed files, then any others that are not in the batch.
    void files(const Names& listed, const Names& others = {}) {
        for (const auto& name : listed) world.makeFile(folder() + name, contentFor(name), 0);
        for (const auto& name : others) world.makeFile(folder() + name, contentFor(name), 0);
    }

    RenamePlan plan(const Names& names, const Names& newNames) {
        names_ = names;
        newNames_ = newNames;
        folder_ = folder();
        requests_.clear();
        for (std::size_t i = 0; i < names_.size(); ++i) {
            requests_.push_back({folder_, names_[i], newNames_[i]});
        }
        return planRenames(requests_, world.fs());
    }

    // The Apply status of every row.
    Names run(const RenamePlan& p) {
        const BatchResult batch = runRenamePlan(p, world.fs());
        EXPECT_TRUE(batch.ran);
        Names statuses;
        for (const RowResult& r : batch.rows) {
            statuses.push_back(batchStatusText(RenameCommand::Apply, r));
        }
        return statuses;
    }

    Names apply(const Names& names, const Names& newNames) { return run(plan(names, newNames)); }

    // Which first name's content each name on disk holds.
    std::map<std::u16string, std::string> disk() {
        std::map<std::u16string, std::string> found;
        for (const auto& name : world.namesIn(folder())) {
            found[name] = world.content(folder() + name).value_or("?");
        }
        return found;
    }

    // Every file `from[i]` is now called `to[i]` (and nothing else is there but `others`).
    void expectMoved(const Names& from, const Names& to, const Names& others = {}) {
        std::map<std::u16string, std::string> expected;
        for (std::size_t i = 0; i < from.size(); ++i) expected[to[i]] = contentFor(from[i]);
        for (const auto& name : others) expected[name] = contentFor(name);
        EXPECT_EQ(disk(), expected);
    }

  private:
    Names names_;
    Names newNames_;
    std::u16string folder_;
    std::vector<RenameRequest> requests_;
};

TYPED_TEST_SUITE_P(RenamePlanCases);

TYPED_TEST_P(RenamePlanCases, SwapsAndRotationsOfEveryLengthAreMadeWhole) {
    for (int length = 2; length <= 10; ++length) {
        Names names, newNames;
        for (int i = 0; i < length; ++i) {
            names.push_back(u"r" + numbered(length * 100 + i));
            newNames.push_back(u"r" + numbered(length * 100 + (i + 1) % length));
        }
        this->files(names);
        const RenamePlan p = this->plan(names, newNames);
        ASSERT_EQ(p.groups.size(), 1u) << length;
        EXPECT_TRUE(p.groups[0].cycle);
        EXPECT_EQ(p.steps.size(), static_cast<std::size_t>(length + 1));
        EXPECT_EQ(this->run(p), Names(length, u"改名成功")) << length;
        for (int i = 0; i < length; ++i) {
            EXPECT_EQ(this->world.content(this->folder() + newNames[i]), contentFor(names[i]));
        }
        // No temporary name is left behind, and nothing else is there.
        EXPECT_EQ(this->world.namesIn(this->folder()).size(),
                  static_cast<std::size_t>((length - 1) * (length + 2) / 2));
    }
}

TYPED_TEST_P(RenamePlanCases, ShiftsAndChainsRunFromTheirFreeEnd) {
    struct Case {
        const char* what;
        int first, count, by;
    };
    for (const Case& c : {Case{"+1", 1, 12, 1}, Case{"-1", 21, 12, -1}, Case{"+3", 41, 10, 3},
                          Case{"-4", 61, 10, -4}}) {
        Names names, newNames;
        for (int i = 0; i < c.count; ++i) {
            names.push_back(numbered(c.first + i));
            newNames.push_back(numbered(c.first + i + c.by));
        }
        this->files(names);
        const RenamePlan p = this->plan(names, newNames);
        EXPECT_EQ(p.temporaryNames.size(), 0u) << c.what;
        EXPECT_EQ(this->run(p), Names(c.count, u"改名成功")) << c.what;
        for (int i = 0; i < c.count; ++i) {
            EXPECT_EQ(this->world.content(this->folder() + newNames[i]), contentFor(names[i]))
                << c.what;
        }
    }
    // A chain into a free name, listed in the order that fails row by row.
    this->files({u"a.txt", u"b.txt"});
    EXPECT_EQ(this->apply({u"a.txt", u"b.txt"}, {u"b.txt", u"c.txt"}),
              (Names{u"改名成功", u"改名成功"}));
    EXPECT_EQ(this->world.content(this->folder() + u"c.txt"), contentFor(u"b.txt"));
    EXPECT_EQ(this->world.content(this->folder() + u"b.txt"), contentFor(u"a.txt"));
}

TYPED_TEST_P(RenamePlanCases, ConflictsAreRefusedBeforeAnythingMoves) {
    this->files({u"a.txt", u"b.txt", u"c.txt", u"d.txt", u"e.txt", u"f.txt"}, {u"taken.txt"});
    const RenamePlan p =
        this->plan({u"a.txt", u"b.txt", u"c.txt", u"d.txt", u"e.txt", u"f.txt"},
                   // b and c want a's new name (c in another case); d wants a file outside the
                   // batch; e wants d's name, which d keeps; f stays.
                   {u"new.txt", u"new.txt", u"NEW.TXT", u"taken.txt", u"d.txt", u"f.txt"});
    const auto verdict = [&p](int row) { return p.rows[static_cast<std::size_t>(row)]; };
    EXPECT_EQ(verdict(0).verdict, RowVerdict::Rename);
    EXPECT_EQ(verdict(1).verdict, RowVerdict::SameNewName);
    EXPECT_EQ(verdict(1).otherRow, 0);
    EXPECT_EQ(verdict(2).verdict, RowVerdict::SameNewName);
    EXPECT_EQ(verdict(3).verdict, RowVerdict::NameTaken);
    EXPECT_EQ(verdict(4).verdict, RowVerdict::NameTaken);  // the cascade
    EXPECT_EQ(verdict(5).verdict, RowVerdict::Unchanged);
    EXPECT_EQ(p.renameCount(), 1);
    EXPECT_EQ(p.refusedCount(), 4);
    EXPECT_EQ(this->run(p), (Names{u"改名成功", u"失败:文件名重名", u"失败:文件名重名",
                                   u"失败:文件名重名", u"失败:文件名重名", u"改名成功"}));
    this->expectMoved({u"a.txt"}, {u"new.txt"},
                      {u"b.txt", u"c.txt", u"d.txt", u"e.txt", u"f.txt", u"taken.txt"});
}

TYPED_TEST_P(RenamePlanCases, RefusalsCascadeAlongChainsAndBreakCycles) {
    // x wants an invalid name and so stays; y wants x's name, z wants y's: neither can move.
    // Of the swap p<->q, q also wants an outside file's name... no: q wants p's, p wants o.txt
    // held outside, so the would-be cycle becomes a refused pair.
    this->files({u"x.txt", u"y.txt", u"z.txt", u"p.txt", u"q.txt"}, {u"o.txt"});
    const Names statuses = this->apply({u"x.txt", u"y.txt", u"z.txt", u"p.txt", u"q.txt"},
                                       {u"x?.txt", u"x.txt", u"y.txt", u"o.txt", u"p.txt"});
    EXPECT_EQ(statuses, (Names{u"失败:含有不允许的字符", u"失败:文件名重名", u"失败:文件名重名",
                               u"失败:文件名重名", u"失败:文件名重名"}));
    this->expectMoved({}, {}, {u"x.txt", u"y.txt", u"z.txt", u"p.txt", u"q.txt", u"o.txt"});
}

TYPED_TEST_P(RenamePlanCases, NamesWindowsRefusesAreRefusedOnEveryPlatform) {
    const std::u16string longName(252, u'l');
    struct Case {
        std::u16string newName;
        NameProblem problem;
    };
    const Case cases[] = {
        {u"", NameProblem::Empty},
        {u"CON", NameProblem::Reserved},
        {u"con.txt", NameProblem::Reserved},
        {u"Lpt9.log", NameProblem::Reserved},
        {u"nul .tar.gz", NameProblem::Reserved},
        {u"a.", NameProblem::TrailingDotOrBlank},
        {u"a ", NameProblem::TrailingDotOrBlank},
        {longName + u".txt", NameProblem::TooLong},
        {u"a<b", NameProblem::ForbiddenCharacter},
        {u"a:b", NameProblem::ForbiddenCharacter},
        {u"a" + std::u16string(1, char16_t{9}) + u"b", NameProblem::ForbiddenCharacter},
        {u"sub\\b.txt", NameProblem::ForbiddenCharacter},
        // Close to a rule, and fine.
        {u"COM0.txt", NameProblem::None},
        {u"CONSOLE.txt", NameProblem::None},
        {u".hidden", NameProblem::None},
        {longName + u".tx", NameProblem::None},
    };
    this->files({u"a.txt"});
    for (const Case& c : cases) {
        const RenamePlan p = this->plan({u"a.txt"}, {c.newName});
        EXPECT_EQ(p.rows[0].problem, c.problem) << std::string(c.newName.begin(), c.newName.end());
        EXPECT_EQ(p.rows[0].verdict,
                  c.problem == NameProblem::None ? RowVerdict::Rename : RowVerdict::InvalidName);
    }
    EXPECT_EQ(this->world.namesIn(this->folder()), Names{u"a.txt"});
    EXPECT_EQ(this->apply({u"a.txt"}, {u"LPT1.txt"}), Names{u"失败:系统保留的名称"});
    EXPECT_EQ(this->apply({u"a.txt"}, {u"a.txt."}), Names{u"失败:末尾是点或空格"});
    EXPECT_EQ(this->world.namesIn(this->folder()), Names{u"a.txt"});
}

TYPED_TEST_P(RenamePlanCases, CaseOnlyAndUnchangedRowsAreNoConflict) {
    this->files({u"a.txt", u"b.txt", u"c.txt"});
    const RenamePlan p = this->plan({u"a.txt", u"b.txt", u"c.txt"}, {u"A.TXT", u"b.txt", u"B.TXT"});
    EXPECT_EQ(p.rows[0].verdict, RowVerdict::Rename);
    EXPECT_EQ(p.rows[1].verdict, RowVerdict::Unchanged);
    EXPECT_EQ(p.rows[2].verdict, RowVerdict::NameTaken);  // b stays, and B.TXT is its name
    EXPECT_EQ(this->run(p), (Names{u"改名成功", u"改名成功", u"失败:文件名重名"}));
    EXPECT_EQ(this->world.content(this->folder() + u"A.TXT"), contentFor(u"a.txt"));
    EXPECT_EQ(this->world.namesIn(this->folder()).size(), 3u);
}

TYPED_TEST_P(RenamePlanCases, AFileThatHasTheNameInAnotherCaseKeepsIt) {
    // One extension for all: 照片.JPG only changes case, and keeps its name before the row
    // listed above it.
    this->files({u"照片.jpeg", u"照片.JPG"});
    const RenamePlan p = this->plan({u"照片.jpeg", u"照片.JPG"}, {u"照片.jpg", u"照片.jpg"});
    EXPECT_EQ(p.rows[0].verdict, RowVerdict::SameNewName);
    EXPECT_EQ(p.rows[0].otherRow, 1);
    EXPECT_EQ(p.rows[1].verdict, RowVerdict::Rename);
    EXPECT_EQ(this->run(p), (Names{u"失败:文件名重名", u"改名成功"}));
    EXPECT_EQ(this->world.content(this->folder() + u"照片.jpg"), contentFor(u"照片.JPG"));
    EXPECT_EQ(this->world.content(this->folder() + u"照片.jpeg"), contentFor(u"照片.jpeg"));
}

TYPED_TEST_P(RenamePlanCases, TheSameFileTwiceIsPlannedOnce) {
    this->files({u"a.txt"});
    const RenamePlan p = this->plan({u"a.txt", u"A.txt"}, {u"b.txt", u"c.txt"});
    EXPECT_EQ(p.rows[1].verdict, RowVerdict::SameFile);
    EXPECT_EQ(p.rows[1].otherRow, 0);
    EXPECT_EQ(this->run(p), (Names{u"改名成功", u"失败:原文件不存在"}));
    this->expectMoved({u"a.txt"}, {u"b.txt"});
}

TYPED_TEST_P(RenamePlanCases, ALockedFileInACycleTurnsTheCycleBack) {
    if (!this->world.openFilesStayPut()) GTEST_SKIP() << "open files can be renamed here";
    const Names names{u"1.jpg", u"2.jpg", u"3.jpg", u"4.jpg"};
    const Names rotated{u"2.jpg", u"3.jpg", u"4.jpg", u"1.jpg"};
    this->files(names, {u"~tessary-1.tmp"});  // the first temporary name is taken
    const RenamePlan p = this->plan(names, rotated);
    ASSERT_EQ(p.temporaryNames.size(), 1u);
    EXPECT_NE(p.temporaryNames[0], u"~tessary-1.tmp");
    Names statuses;
    {
        auto hold = this->world.holdOpen(this->folder() + u"3.jpg", Sharing::None);
        statuses = this->run(p);
    }
    EXPECT_EQ(statuses, (Names{u"失败:文件名重名", u"失败:文件名重名", u"失败:文件不允许访问",
                               u"失败:文件名重名"}));
    this->expectMoved(names, names, {u"~tessary-1.tmp"});
}

TYPED_TEST_P(RenamePlanCases, AFileGoneAfterPlanningFailsItsRowAndThoseWaitingOnIt) {
    const Names names{u"1.txt", u"2.txt", u"3.txt", u"9.txt"};
    this->files(names);
    // A +1 shift, and 9 moves apart; 2 is deleted between the plan and the run.
    const RenamePlan p = this->plan(names, {u"2.txt", u"3.txt", u"4.txt", u"10.txt"});
    ASSERT_TRUE(this->world.fs().removeFile(this->folder() + u"2.txt"));
    EXPECT_EQ(this->run(p),
              (Names{u"失败:文件名重名", u"失败:原文件不存在", u"改名成功", u"改名成功"}));
    this->expectMoved({u"1.txt", u"3.txt", u"9.txt"}, {u"1.txt", u"4.txt", u"10.txt"});
    // Planned now, the missing file is refused before anything moves.
    const RenamePlan again = this->plan({u"2.txt"}, {u"5.txt"});
    EXPECT_EQ(again.rows[0].verdict, RowVerdict::SourceMissing);
}

REGISTER_TYPED_TEST_SUITE_P(
    RenamePlanCases, SwapsAndRotationsOfEveryLengthAreMadeWhole, ShiftsAndChainsRunFromTheirFreeEnd,
    ConflictsAreRefusedBeforeAnythingMoves, RefusalsCascadeAlongChainsAndBreakCycles,
    NamesWindowsRefusesAreRefusedOnEveryPlatform, CaseOnlyAndUnchangedRowsAreNoConflict,
    AFileThatHasTheNameInAnotherCaseKeepsIt, TheSameFileTwiceIsPlannedOnce,
    ALockedFileInACycleTurnsTheCycleBack, AFileGoneAfterPlanningFailsItsRowAndThoseWaitingOnIt);

}  // namespace tessary::contract
