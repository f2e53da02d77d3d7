#pragma once
// The plan of one batch of renames: which rows are renamed, which are refused and why, and in
// which order the steps run so that swaps, chains, shifts and rotations work whole. Apply,
// undo, the recorded commands, the restore dialog and the command-line tool all plan their
// batches here, check the plan in the preview, and run it with RenameBatch.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "disk/BatchProgress.h"
#include "disk/FileSystem.h"
#include "disk/WindowsNames.h"

namespace tessary {

// One row of a batch: the file folder + name is to be called folder + newName. The texts
// must outlive the plan. Kept as where each starts and its length, in 40 bytes where three
// views took 48: a batch holds one per row while it is planned.
class RenameRequest {
  public:
    RenameRequest() = default;
    RenameRequest(std::u16string_view folder, std::u16string_view name, std::u16string_view newName)
        : folder_(folder.data()),
          name_(name.data()),
          newName_(newName.data()),
          folderSize_(static_cast<std::uint32_t>(folder.size())),
          nameSize_(static_cast<std::uint32_t>(name.size())),
          newNameSize_(static_cast<std::uint32_t>(newName.size())) {}

    std::u16string_view folder() const { return {folder_, folderSize_}; }  // ends with a separator
    std::u16string_view name() const { return {name_, nameSize_}; }
    std::u16string_view newName() const { return {newName_, newNameSize_}; }

  private:
    const char16_t* folder_ = nullptr;
    const char16_t* name_ = nullptr;
    const char16_t* newName_ = nullptr;
    std::uint32_t folderSize_ = 0;
    std::uint32_t nameSize_ = 0;
    std::uint32_t newNameSize_ = 0;
};

// The rows of a batch, asked for one at a time: a batch of 200,000 list rows is planned
// without a table of requests beside the texts they point into.
class RequestList {
  public:
    virtual ~RequestList() = default;
    virtual int size() const = 0;
    virtual RenameRequest at(int row) const = 0;
};

// Requests already kept in a table.
class StoredRequests : public RequestList {
  public:
    explicit StoredRequests(const std::vector<RenameRequest>& requests) : requests_(requests) {}
    int size() const override { return static_cast<int>(requests_.size()); }
    RenameRequest at(int row) const override { return requests_[static_cast<std::size_t>(row)]; }

  private:
    const std::vector<RenameRequest>& requests_;
};

enum class RowVerdict : std::uint8_t {
    Unchanged,      // the new name is the name: nothing to do, a success while the file is there
    Rename,         // planned
    SameNewName,    // an earlier row (otherRow) is given the same name
    NameTaken,      // a file that stays where it is has the name
    SameFile,       // an earlier row (otherRow) names the same file
    SourceMissing,  // the file is not there
    InvalidName,    // Windows refuses the new name (problem says why)
};

struct RowPlan {
    RowVerdict verdict = RowVerdict::Unchanged;
    NameProblem problem = NameProblem::None;
    int otherRow = -1;

    bool refused() const {
        return verdict != RowVerdict::Unchanged && verdict != RowVerdict::Rename;
    }
};

// One rename on disk, within one folder. Each name is kept as where it starts and its length:
// 32 bytes a step where two views took 40, for a plan that holds a step per row renamed.
struct RenameStep {
    RenameStep() = default;
    RenameStep(int row, int folder, std::u16string_view from, std::u16string_view to)
        : row(row),
          folder(folder),
          from_(from.data()),
          to_(to.data()),
          fromSize_(static_cast<std::uint32_t>(from.size())),
          toSize_(static_cast<std::uint32_t>(to.size())) {}

    std::u16string_view from() const { return {from_, fromSize_}; }
    std::u16string_view to() const { return {to_, toSize_}; }

    int row = 0;
    int folder = 0;  // index into RenamePlan::folders

  private:
    const char16_t* from_ = nullptr;
    const char16_t* to_ = nullptr;
    std::uint32_t fromSize_ = 0;
    std::uint32_t toSize_ = 0;
};
static_assert(sizeof(void*) != 8 || sizeof(RenameStep) == 32);

// Steps that depend on each other: a chain, whose first step takes a free name and each later
// one the name the step before it freed; or a cycle, whose first step moves a file to a free
// temporary name and whose last moves it on to its new name. In 8 bytes: most groups of a
// large batch are one step each.
struct StepGroup {
    int first = 0;
    std::uint32_t count : 31 = 0;
    std::uint32_t cycle : 1 = 0;
};
static_assert(sizeof(StepGroup) == 8);

// Moved, never copied: its steps' views point into its own temporary names.
struct RenamePlan {
    RenamePlan() = default;
    RenamePlan(RenamePlan&&) = default;
    RenamePlan& operator=(RenamePlan&&) = default;
    RenamePlan(const RenamePlan&) = delete;
    RenamePlan& operator=(const RenamePlan&) = delete;

    std::vector<RowPlan> rows;  // by request
    std::vector<std::u16string_view> folders;
    std::vector<RenameStep> steps;
    std::vector<StepGroup> groups;
    std::deque<std::u16string> temporaryNames;  // what the cycles' steps point into
    // False when planning was stopped: the folders not reached have rows left Unchanged and no
    // steps, so such a plan only tells about the rows it reached and is never to be run.
    bool complete = true;

    int renameCount() const;
    int refusedCount() const;
};

// The first part of every temporary name a plan chooses.
inline constexpr char16_t kTemporaryNamePrefix[] = u"~tessary-";

// What a plan is made for: to be run, or only to tell each row's verdict (the check of a
// preview, which for 200,000 rows then holds no table of steps). A plan of verdicts only may
// lack steps and is never to be run.
enum class PlanUse { Run, VerdictsOnly };

// Decides every row and orders the steps. Reads each folder that has a row to rename once,
// to learn which names are taken; nothing is changed. With `progress`, the rows are counted
// as each folder is planned, and a stop ends planning before the next folder.
RenamePlan planRenames(const RequestList& requests, const FileSystem& fs,
                       BatchProgress* progress = nullptr, PlanUse use = PlanUse::Run);
inline RenamePlan planRenames(const std::vector<RenameRequest>& requests, const FileSystem& fs,
                              BatchProgress* progress = nullptr, PlanUse use = PlanUse::Run) {
    return planRenames(StoredRequests(requests), fs, progress, use);
}

}  // namespace tessary
