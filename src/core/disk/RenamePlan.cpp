#include "disk/RenamePlan.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <unordered_map>
#include <unordered_set>

namespace tessary {

int RenamePlan::renameCount() const {
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const RowPlan& r) {
        return r.verdict == RowVerdict::Rename;
    }));
}

int RenamePlan::refusedCount() const {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const RowPlan& r) { return r.refused(); }));
}

namespace {

// The names of one folder's batch as Windows compares them, folded. They live in one buffer
// reserved up front, so their views stay valid.
class KeyBuffer {
  public:
    void reserve(std::size_t units) {
        buffer_.clear();
        buffer_.reserve(units);
    }
    std::u16string_view add(std::u16string_view name) {
        const std::size_t at = buffer_.size();
        appendFolded(buffer_, name);
        return std::u16string_view(buffer_).substr(at);
    }

  private:
    std::u16string buffer_;
};

// The batch's names, each with its number: a flat table probed in place, sized once for every
// name a batch can have, so that a lookup costs one or two cache lines and no allocation.
class KeyTable {
  public:
    void reserve(std::size_t keys) {
        std::size_t capacity = 16;
        while (capacity < keys * 2) capacity *= 2;
        cells_.assign(capacity, Cell{});
        keys_.clear();
        keys_.reserve(keys);
    }
    std::size_t size() const { return keys_.size(); }
    // The number of `key`, given the next number when it is new.
    std::pair<int, bool> insert(std::u16string_view key) {
        const std::uint32_t hash = hashOf(key);
        std::size_t at = hash & (cells_.size() - 1);
        while (cells_[at].index >= 0) {
            if (cells_[at].hash == hash && keys_[cells_[at].index] == key) {
                return {cells_[at].index, false};
            }
            at = (at + 1) & (cells_.size() - 1);
        }
        cells_[at] = {hash, static_cast<int>(keys_.size())};
        keys_.push_back(key);
        return {cells_[at].index, true};
    }
    int find(std::u16string_view key) const {
        const std::uint32_t hash = hashOf(key);
        std::size_t at = hash & (cells_.size() - 1);
        while (cells_[at].index >= 0) {
            if (cells_[at].hash == hash && keys_[cells_[at].index] == key) return cells_[at].index;
            at = (at + 1) & (cells_.size() - 1);
        }
        return -1;
    }

  private:
    struct Cell {
        std::uint32_t hash = 0;
        int index = -1;
    };
    static std::uint32_t hashOf(std::u16string_view key) {
        std::uint64_t h = 0x9E3779B97F4A7C15ull ^ key.size();
        std::size_t i = 0;
        for (; i + 4 <= key.size(); i += 4) {
            std::uint64_t chunk = 0;
            std::memcpy(&chunk, key.data() + i, 8);
            h = (h ^ chunk) * 0xFF51AFD7ED558CCDull;
            h ^= h >> 29;
        }
        for (; i < key.size(); ++i) h = (h ^ key[i]) * 0xC4CEB9FE1A85EC53ull;
        h ^= h >> 32;
        return static_cast<std::uint32_t>(h);
    }

    std::vector<Cell> cells_;
    std::vector<std::u16string_view> keys_;
};

class Planner {
  public:
    // The temporary names go into `temporaries`, whose strings never move while it grows.
    Planner(const FileSystem& fs, std::deque<std::u16string>& temporaries)
        : fs_(fs), temporaries_(temporaries) {}

    // Plans the rows of one folder (as Windows compares folders). One planner plans folder
    // after folder, its tables kept between them.
    RenamePlan run(std::span<const RenameRequest> requests) {
        requests_ = requests;
        count_ = static_cast<int>(requests.size());
        plan_ = RenamePlan();
        if (count_ > 0) plan_.folders.push_back(request(0).folder());
        slots_.clear();
        takenTemporary_.clear();
        held_.clear();
        plan_.rows.resize(requests.size());
        judgeAndFoldNames();
        buildKeys();
        readFolder();
        refuseMissingSources();
        refuseTakenTargets();
        orderSteps();
        return std::move(plan_);
    }

  private:
    struct Slot {
        int sourceRow = -1;    // the first row whose file has this name
        int firstTarget = -1;  // the rows to be given this name, in row order, by nextTarget_
        int lastTarget = -1;
        std::uint32_t onDisk = 0;  // entries of the folder's listing with this name
    };

    const RenameRequest& request(int row) const { return requests_[row]; }
    bool renames(int row) const { return plan_.rows[row].verdict == RowVerdict::Rename; }

    // One pass over the rows' names while each is in the cache: the verdicts that need no
    // other row, and every name the batch uses, folded into the key buffer.
    void judgeAndFoldNames() {
        std::size_t units = 0;
        for (const RenameRequest& r : requests_) units += r.name().size() + r.newName().size();
        keys_.reserve(units);
        sourceKey_.resize(requests_.size());
        targetKey_.assign(requests_.size(), {});
        for (int row = 0; row < count_; ++row) {
            const RenameRequest& r = request(row);
            sourceKey_[row] = keys_.add(r.name());
            if (r.newName() == r.name()) continue;  // Unchanged
            RowPlan& p = plan_.rows[row];
            p.problem = nameProblem(r.newName());
            if (p.problem == NameProblem::None && fs_.pathTooLong(r.folder(), r.newName())) {
                p.problem = NameProblem::TooLong;
            }
            if (p.problem != NameProblem::None) {
                p.verdict = RowVerdict::InvalidName;
                continue;
            }
            p.verdict = RowVerdict::Rename;
            targetKey_[row] = keys_.add(r.newName());
        }
    }

    int slotOf(std::u16string_view key) {
        const auto [slot, added] = slotIds_.insert(key);
        if (added) slots_.emplace_back();
        return slot;
    }

    void buildKeys() {
        slots_.reserve(requests_.size() * 2);
        slotIds_.reserve(requests_.size() * 2 + 1);
        sourceSlot_.resize(requests_.size());
        targetSlot_.assign(requests_.size(), -1);
        nextTarget_.assign(requests_.size(), -1);
        for (int row = 0; row < count_; ++row) {
            const int slot = slotOf(sourceKey_[row]);
            sourceSlot_[row] = slot;
            RowPlan& p = plan_.rows[row];
            if (slots_[slot].sourceRow < 0) {
                slots_[slot].sourceRow = row;
            } else if (p.verdict != RowVerdict::InvalidName) {
                p.verdict = RowVerdict::SameFile;
                p.otherRow = slots_[slot].sourceRow;
            }
        }
        for (int row = 0; row < count_; ++row) {
            if (!renames(row)) continue;
            const int slot = slotOf(targetKey_[row]);
            targetSlot_[row] = slot;
            Slot& s = slots_[slot];
            if (s.lastTarget < 0) {
                s.firstTarget = row;
            } else {
                nextTarget_[s.lastTarget] = row;
            }
            s.lastTarget = row;
        }
    }

    // A row whose file should stay where it is, or move: its file must be there.
    bool needsItsFile(int row) const {
        const RowVerdict v = plan_.rows[row].verdict;
        return v == RowVerdict::Rename || v == RowVerdict::Unchanged;
    }

    // One listing of the folder, when a row is to be renamed or left there: which of the
    // batch's names are taken, which files are there, and which temporary names are taken.
    void readFolder() {
        listed_ = false;
        bool wanted = false;
        for (int row = 0; row < count_ && !wanted; ++row) wanted = needsItsFile(row);
        if (!wanted) return;
        std::u16string prefix;
        appendFolded(prefix, kTemporaryNamePrefix);
        std::u16string key;
        listed_ = fs_.listFolder(plan_.folders[0], [&](std::u16string_view name) {
            key.clear();
            appendFolded(key, name);
            if (const int slot = slotIds_.find(key); slot >= 0) ++slots_[slot].onDisk;
            if (key.starts_with(prefix)) takenTemporary_.insert(key);
        });
    }

    // A file the listing does not show may still be there under another spelling (its short
    // name, say): only the system's own "not found" refuses it. So does a folder that could
    // not be listed (gone, say): each of its files is asked after. A row left as it is whose
    // file has gone reports that too, as renaming it onto itself would.
    void refuseMissingSources() {
        std::u16string path;
        for (int row = 0; row < count_; ++row) {
            if (!needsItsFile(row)) continue;
            if (listed_ && slots_[sourceSlot_[row]].onDisk > 0) continue;
            path.assign(request(row).folder()).append(request(row).name());
            if (fs_.queryAttributes(path).result == QueryResult::NotFound) {
                plan_.rows[row].verdict = RowVerdict::SourceMissing;
            }
        }
    }

    // A row refused holds on to its file's name: whoever wanted that name cannot have it.
    void refuse(int row, RowVerdict verdict, int otherRow) {
        RowPlan& p = plan_.rows[row];
        p.verdict = verdict;
        p.otherRow = otherRow;
        held_.push_back(row);
    }

    void refuseWhatWaitsOnHeldNames() {
        while (!held_.empty()) {
            const int holder = held_.back();
            held_.pop_back();
            for (int t = slots_[sourceSlot_[holder]].firstTarget; t >= 0; t = nextTarget_[t]) {
                if (renames(t) && t != holder) refuse(t, RowVerdict::NameTaken, -1);
            }
        }
    }

    void refuseTakenTargets() {
        // Names held by files outside the batch; on a disk that tells case apart, a second
        // file under the same folded name counts as one.
        for (int row = 0; row < count_; ++row) {
            if (!renames(row)) continue;
            const Slot& s = slots_[targetSlot_[row]];
            if (s.onDisk > (s.sourceRow >= 0 ? 1u : 0u)) refuse(row, RowVerdict::NameTaken, -1);
        }
        // Names held by rows that stay where they are.
        for (int row = 0; row < count_; ++row) {
            const RowVerdict v = plan_.rows[row].verdict;
            if ((v == RowVerdict::Unchanged || v == RowVerdict::InvalidName) &&
                slots_[sourceSlot_[row]].sourceRow == row) {
                held_.push_back(row);
            }
        }
        refuseWhatWaitsOnHeldNames();
        // Of several rows given one name, the first keeps it; but a file that already has the
        // name (in another case) keeps it before any other.
        for (const Slot& s : slots_) {
            if (s.firstTarget < 0 || nextTarget_[s.firstTarget] < 0) continue;
            int keeper = s.sourceRow >= 0 && renames(s.sourceRow) &&
                                 targetSlot_[s.sourceRow] == sourceSlot_[s.sourceRow]
                             ? s.sourceRow
                             : -1;
            for (int t = s.firstTarget; t >= 0; t = nextTarget_[t]) {
                if (!renames(t) || t == keeper) continue;
                if (keeper < 0) {
                    keeper = t;
                } else {
                    refuse(t, RowVerdict::SameNewName, keeper);
                }
            }
            refuseWhatWaitsOnHeldNames();
        }
    }

    // The row that must move before `row` can take its new name, or -1 when the name is free.
    int blocker(int row) const {
        const int holder = slots_[targetSlot_[row]].sourceRow;
        return holder >= 0 && holder != row && renames(holder) ? holder : -1;
    }

    void addStep(int row, std::u16string_view from, std::u16string_view to) {
        plan_.steps.emplace_back(row, 0, from, to);
    }

    std::u16string_view temporaryName() {
        std::u16string key;
        while (true) {
            std::u16string name = kTemporaryNamePrefix;
            for (char c : std::to_string(++temporaryCounter_)) name += static_cast<char16_t>(c);
            name += u".tmp";
            key.clear();
            appendFolded(key, name);
            if (slotIds_.find(key) < 0 && !takenTemporary_.contains(key)) {
                return temporaries_.emplace_back(std::move(name));
            }
        }
    }

    void orderSteps() {
        std::vector<int> waiting(requests_.size(), -1);  // the row that waits for this one
        for (int row = 0; row < count_; ++row) {
            if (!renames(row)) continue;
            const int b = blocker(row);
            if (b >= 0) waiting[b] = row;
        }
        std::vector<bool> done(requests_.size(), false);
        std::vector<int> members;
        for (int start = 0; start < count_; ++start) {
            if (!renames(start) || done[start]) continue;
            // Walk ahead to the row whose name is free; coming back to the start is a cycle.
            members.assign(1, start);
            int end = start;
            bool cycle = false;
            // Each row waits on at most one other and is waited on by at most one, so the walk
            // ends within the batch; the bound only guards against a fault here.
            for (int next = blocker(end); next >= 0 && members.size() <= requests_.size();
                 next = blocker(end)) {
                if (next == start) {
                    cycle = true;
                    break;
                }
                end = next;
                members.push_back(end);
            }
            StepGroup group{static_cast<int>(plan_.steps.size()), 0, cycle};
            if (cycle) {
                // members: start, the row holding its new name, ..., the row wanting start's
                // name. Start steps aside, the others move back to front, start moves on.
                const RenameRequest& first = request(start);
                const std::u16string_view aside = temporaryName();
                addStep(start, first.name(), aside);
                for (auto it = members.rbegin(); it + 1 != members.rend(); ++it) {
                    addStep(*it, request(*it).name(), request(*it).newName());
                }
                addStep(start, aside, first.newName());
            } else {
                // From the row whose name is free back through those waiting on it.
                for (int row = end; row >= 0; row = waiting[row]) {
                    addStep(row, request(row).name(), request(row).newName());
                    done[row] = true;
                }
            }
            for (int row : members) done[row] = true;
            group.count = static_cast<int>(plan_.steps.size()) - group.first;
            plan_.groups.push_back(group);
        }
    }

    std::span<const RenameRequest> requests_;
    const FileSystem& fs_;
    int count_ = 0;
    std::deque<std::u16string>& temporaries_;
    RenamePlan plan_;

    bool listed_ = false;

    KeyBuffer keys_;
    KeyTable slotIds_;
    std::vector<Slot> slots_;
    std::vector<std::u16string_view> sourceKey_;
    std::vector<std::u16string_view> targetKey_;
    std::vector<int> sourceSlot_;
    std::vector<int> targetSlot_;
    std::vector<int> nextTarget_;
    std::unordered_set<std::u16string> takenTemporary_;
    std::vector<int> held_;
    unsigned temporaryCounter_ = 0;
};

}  // namespace

namespace {

// The whole plan's tables are made for a step per row at the start. A batch with cycles, which
// take a step more each, grows them by an eighth at a time rather than doubling them: for
// 200,000 rows a table of steps is 8 MB.
template <class T>
void makeRoom(std::vector<T>& table, std::size_t more) {
    if (table.size() + more <= table.capacity()) return;
    table.reserve(std::max(table.size() + more, table.capacity() + table.capacity() / 8));
}

// Adds the plan of one folder's rows to the whole plan; `rows` maps its rows to the batch's.
void merge(RenamePlan& whole, const RenamePlan& part, const std::vector<int>& rows, PlanUse use) {
    const int folderBase = static_cast<int>(whole.folders.size());
    const int stepBase = static_cast<int>(whole.steps.size());
    whole.folders.insert(whole.folders.end(), part.folders.begin(), part.folders.end());
    for (std::size_t r = 0; r < part.rows.size(); ++r) {
        RowPlan row = part.rows[r];
        if (row.otherRow >= 0) row.otherRow = rows[static_cast<std::size_t>(row.otherRow)];
        whole.rows[static_cast<std::size_t>(rows[r])] = row;
    }
    if (use == PlanUse::VerdictsOnly) return;
    makeRoom(whole.steps, part.steps.size());
    makeRoom(whole.groups, part.groups.size());
    for (RenameStep step : part.steps) {
        step.row = rows[static_cast<std::size_t>(step.row)];
        step.folder += folderBase;
        whole.steps.push_back(step);
    }
    for (StepGroup group : part.groups) {
        group.first += stepBase;
        whole.groups.push_back(group);
    }
}

}  // namespace

RenamePlan planRenames(const RequestList& requests, const FileSystem& fs, BatchProgress* progress,
                       PlanUse use) {
    // Rows of different folders never meet: each folder is planned on its own, which keeps
    // every table small enough to stay in the processor's cache.
    std::unordered_map<std::u16string_view, int> spelled;
    std::unordered_map<std::u16string, int> folded;
    std::vector<std::vector<int>> rowsOfFolder;
    std::u16string key;
    std::u16string_view last;
    int lastFolder = -1;
    const int rowCount = requests.size();
    for (int r = 0; r < rowCount; ++r) {
        const std::u16string_view folder = requests.at(r).folder();
        if (lastFolder < 0 || folder != last) {
            if (const auto it = spelled.find(folder); it != spelled.end()) {
                lastFolder = it->second;
            } else {
                key.clear();
                appendFolded(key, folder);
                const auto [f, added] = folded.emplace(key, static_cast<int>(rowsOfFolder.size()));
                if (added) rowsOfFolder.emplace_back();
                lastFolder = spelled.emplace(folder, f->second).first->second;
            }
            last = folder;
        }
        rowsOfFolder[static_cast<std::size_t>(lastFolder)].push_back(r);
    }
    if (progress) progress->setTotal(rowCount);
    // Only one folder's requests are held at a time.
    std::vector<RenameRequest> part;
    const auto requestsOf = [&](const std::vector<int>& rows) -> std::span<const RenameRequest> {
        part.clear();
        part.reserve(rows.size());
        for (const int r : rows) part.push_back(requests.at(r));
        return part;
    };
    RenamePlan whole;
    if (rowsOfFolder.size() <= 1) {
        std::deque<std::u16string> temporaries;
        whole = Planner(fs, temporaries)
                    .run(rowsOfFolder.empty() ? std::span<const RenameRequest>()
                                              : requestsOf(rowsOfFolder[0]));
        whole.temporaryNames = std::move(temporaries);
        if (progress) progress->stepsDone(rowCount);
        return whole;
    }
    whole.rows.resize(static_cast<std::size_t>(rowCount));
    if (use == PlanUse::Run) {
        whole.steps.reserve(static_cast<std::size_t>(rowCount));
        whole.groups.reserve(static_cast<std::size_t>(rowCount));
    }
    Planner planner(fs, whole.temporaryNames);
    int rowsPlanned = 0;
    for (const std::vector<int>& rows : rowsOfFolder) {
        if (progress && progress->stopRequested()) {
            // The rows not reached are counted as well, so the bar ends full.
            progress->stepsDone(rowCount - rowsPlanned);
            whole.complete = false;
            break;
        }
        merge(whole, planner.run(requestsOf(rows)), rows, use);
        rowsPlanned += static_cast<int>(rows.size());
        if (progress) progress->stepsDone(static_cast<int>(rows.size()));
    }
    return whole;
}

}  // namespace tessary
