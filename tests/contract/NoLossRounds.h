#pragma once
// Randomised rounds of apply, undo and single-file renames over files whose contents identify
// them, with batches that rotate, shift and swap names, collide, hit unrelated files, change
// only case, are empty, invalid or unchanged, and files held open by another program. After
// every command every content must be on disk exactly once, no temporary name is left, every
// row the plan renames has its new name (unless a held file stopped its group), and every
// row's FileName and Status agree with the disk. Runs on any FileSystemWorld: the in-memory
// one natively, real files under Wine.

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "commands/ApplyUndo.h"
#include "contract/FileSystemContract.h"
#include "disk/RenameBatch.h"
#include "disk/RenamePlan.h"
#include "disk/RowRequests.h"
#include "model/FileListModel.h"

namespace tessary::contract {

struct NoLossFigures {
    int rounds = 0;
    int files = 0;
    long long renamesTried = 0;
    int planned = 0;  // rows the plan renamed, checked to have their new names
    int refused = 0;  // rows the plan refused, checked to have stayed
    int filesLost = 0;
};

class NoLossRounds {
  public:
    NoLossRounds(FileSystemWorld& world, unsigned seed) : world_(world), random_(seed) {}

    NoLossFigures run(int rounds) {
        for (int r = 0; r < rounds && !::testing::Test::HasFatalFailure(); ++r) round(r);
        return figures_;
    }

  private:
    std::u16string pick(const std::vector<std::u16string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random_)];
    }
    int upTo(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    static std::u16string ascii(const std::string& s) { return {s.begin(), s.end()}; }

    // A small pool of names, so that new names collide with each other and with files.
    const std::vector<std::u16string> pool_ = {
        u"a.txt",       u"b.txt", u"c.txt", u"d.txt", u"A.TXT", u"照片.jpg",
        u"照片(1).jpg", u"e",     u"f.mp3", u"g.txt", u"B.txt", u"海边 旅行.jpg",
    };

    void round(int r) {
        ++figures_.rounds;
        const std::u16string folder =
            world_.root() + u"r" + ascii(std::to_string(r)) + world_.separator();
        world_.makeFolder(folder);
        // Listed files take distinct names from the pool (folded, since the disk ignores case),
        // and some unrelated files take others.
        std::vector<std::u16string> free;
        for (const auto& name : pool_) {
            bool clash = false;
            for (const auto& f : free) clash = clash || fold(f) == fold(name);
            if (!clash) free.push_back(name);
        }
        std::shuffle(free.begin(), free.end(), random_);
        const int listed = 2 + upTo(static_cast<int>(free.size()) - 3);
        const int unrelated = upTo(static_cast<int>(free.size()) - listed + 1);
        FileListModel model = FileListModel::withStandardColumns();
        std::vector<std::string> rowContent;  // by row
        expected_.clear();
        for (int i = 0; i < listed + unrelated; ++i) {
            const std::u16string& name = free[i];
            const std::string content = "round " + std::to_string(r) + " file " + std::to_string(i);
            world_.makeFile(folder + name, content, 0);
            expected_.push_back(content);
            if (i < listed) {
                const int row = model.insertRow(model.rowCount(), name);
                model.setText(row, ColPath, folder);
                model.setText(row, ColOriginalName, name);
                model.setText(row, ColStatus, kStatusUnchanged);
                rowContent.push_back(content);
            }
        }
        figures_.files += listed + unrelated;

        for (int step = 0; step < 6; ++step) {
            const int command = upTo(10);
            if (command < 6) {
                previewAndApply(model, folder, rowContent);
            } else if (command < 8) {
                undoRenames(model, world_.fs());
                figures_.renamesTried += model.rowCount();
                checkRowsMatchDisk(model, rowContent, "after undo");
            } else {
                const int row = upTo(model.rowCount());
                const std::u16string before(model.text(row, ColFileName));
                renameSingleFile(model, world_.fs(), row, newName(model), SingleRenameOrigin::Menu);
                ++figures_.renamesTried;
                checkOneRow(model, row, before, u"改名成功", rowContent, "after single rename");
            }
            checkEveryContentOnce(folder);
        }
    }

    std::u16string newName(const FileListModel& model) {
        switch (upTo(8)) {
            case 0:
                return u"";
            case 1:
                return u"x?y";
            case 2:
                return std::u16string(
                    model.text(upTo(model.rowCount()), ColFileName));  // swap or chain
            case 3:
                return u"new " + ascii(std::to_string(upTo(1000))) + u".txt";
            default:
                return pick(pool_);
        }
    }

    // The new names of one batch, of one of several kinds.
    std::vector<std::u16string> batchNames(const FileListModel& model) {
        const int rows = model.rowCount();
        std::vector<std::u16string> names;
        for (int row = 0; row < rows; ++row) names.emplace_back(model.text(row, ColFileName));
        std::vector<std::u16string> out = names;
        switch (upTo(5)) {
            case 0: {  // the rows' names among themselves: cycles of every length, some fixed
                std::shuffle(out.begin(), out.end(), random_);
                break;
            }
            case 1: {  // a shift by k, its end into a free name
                const int k = 1 + upTo(std::max(1, rows - 1));
                for (int row = 0; row < rows; ++row) {
                    out[row] = row + k < rows ? names[row + k]
                                              : u"s" + ascii(std::to_string(upTo(1000))) + u".txt";
                }
                break;
            }
            case 2: {  // case changes, names Windows refuses, and some left alone
                static const std::vector<std::u16string> refused = {u"CON", u"lpt3.txt", u"a.",
                                                                    u"b ",  u"",         u"x?y"};
                for (auto& name : out) {
                    const int what = upTo(4);
                    if (what == 0) name = pick(refused);
                    if (what == 1) name = fold(name);
                }
                break;
            }
            default:  // names that may collide with each other and with other files
                for (auto& name : out) name = upTo(6) == 0 ? name : newName(model);
                break;
        }
        return out;
    }

    void previewAndApply(FileListModel& model, const std::u16string& folder,
                         const std::vector<std::string>& rowContent) {
        std::vector<std::u16string> before;
        const std::vector<std::u16string> previews = batchNames(model);
        for (int row = 0; row < model.rowCount(); ++row) {
            before.emplace_back(model.text(row, ColFileName));
            model.setText(row, ColPreview, previews[row]);
            model.setText(row, ColStatus, kStatusUnchanged);
        }
        const RenamePlan plan = planRenames(RowRequests(model, ColPreview), world_.fs());
        std::unique_ptr<Hold> hold;
        int heldRow = -1;
        if (upTo(4) == 0) {
            heldRow = upTo(model.rowCount());
            hold =
                world_.holdOpen(joined({folder, model.text(heldRow, ColFileName)}), Sharing::None);
        }
        // The rows of the held file's group may stay; every other planned row must move.
        std::vector<bool> mayStay(model.rowCount(), false);
        for (const StepGroup& group : plan.groups) {
            bool held = false;
            for (int i = group.first; i < group.first + group.count; ++i) {
                held = held || plan.steps[i].row == heldRow;
            }
            for (int i = group.first; i < group.first + group.count && held; ++i) {
                mayStay[plan.steps[i].row] = true;
            }
        }
        applyRenames(model, world_.fs());
        figures_.renamesTried += model.rowCount();
        hold.reset();
        for (int row = 0; row < model.rowCount(); ++row) {
            const RowPlan& p = plan.rows[row];
            const std::u16string_view status = model.text(row, ColStatus);
            if (p.refused()) {
                ++figures_.refused;
                EXPECT_EQ(status, batchStatusText(RenameCommand::Apply, refusedResult(p)));
            } else if (p.verdict == RowVerdict::Rename && !mayStay[row]) {
                ++figures_.planned;
                EXPECT_EQ(status, u"改名成功") << "row " << row;
                EXPECT_EQ(model.text(row, ColFileName), previews[row]);
            }
            checkOneRow(model, row, before[row], u"改名成功", rowContent, "after apply");
        }
    }

    // A renamed row holds its new name; any other holds its old one. Either way its file
    // must be on disk under that name.
    void checkOneRow(const FileListModel& model, int row, const std::u16string& before,
                     const std::u16string& success, const std::vector<std::string>& rowContent,
                     const char* when) {
        const std::u16string_view status = model.text(row, ColStatus);
        const std::u16string_view name = model.text(row, ColFileName);
        if (status != success) {
            EXPECT_EQ(name, before) << when << ", status " << status.size();
            EXPECT_EQ(status.substr(0, 2), u"失败") << when;
        }
        EXPECT_EQ(world_.content(joined({model.text(row, ColPath), name})), rowContent[row])
            << when << ", row " << row;
    }

    void checkRowsMatchDisk(const FileListModel& model, const std::vector<std::string>& rowContent,
                            const char* when) {
        for (int row = 0; row < model.rowCount(); ++row) {
            const bool undone = model.text(row, ColStatus) == u"撤销改名成功";
            if (undone) {
                EXPECT_EQ(model.text(row, ColFileName), model.text(row, ColOriginalName));
            }
            EXPECT_EQ(model.text(row, ColPreview), u"");
            EXPECT_EQ(
                world_.content(joined({model.text(row, ColPath), model.text(row, ColFileName)})),
                rowContent[row])
                << when << ", row " << row;
        }
    }

    void checkEveryContentOnce(const std::u16string& folder) {
        std::map<std::string, int> seen;
        for (const auto& name : world_.namesIn(folder)) {
            EXPECT_FALSE(fold(name).starts_with(u"~TESSARY-")) << "a temporary name is left";
            if (auto content = world_.content(folder + name)) ++seen[*content];
        }
        for (const std::string& content : expected_) {
            const int count = seen.count(content) ? seen[content] : 0;
            EXPECT_EQ(count, 1) << content;
            if (count == 0) ++figures_.filesLost;
        }
        EXPECT_EQ(world_.namesIn(folder).size(), expected_.size());
    }

    static std::u16string fold(const std::u16string& s) {
        std::u16string out = s;
        for (char16_t& c : out) {
            if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 0x20);
        }
        return out;
    }

    FileSystemWorld& world_;
    std::mt19937 random_;
    std::vector<std::string> expected_;
    NoLossFigures figures_;
};

inline void printNoLossFigures(const char* where, const NoLossFigures& f) {
    std::printf(
        "no-loss (%s): rounds %d, files %d, renames tried %lld, planned rows renamed %d, refused "
        "rows kept %d, files lost %d\n",
        where, f.rounds, f.files, f.renamesTried, f.planned, f.refused, f.filesLost);
}

}  // namespace tessary::contract
