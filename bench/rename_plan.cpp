// The cost of planning a batch, beyond its renames: 200,000 rows in 20 folders of the in-memory
// file system, as a +1 shift (one chain per folder) and as a set of swaps (a cycle per pair,
// each with its temporary name). The floor is the bare rename loop of the plan's own steps,
// measured in the same run; what is left per row is the planner's share (its folder listings
// included) and the runner's. The in-memory file system's listing is a walk of its sorted
// tree and is printed apart, as the bare listing of the same folders.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Timing.h"
#include "disk/MemoryFileSystem.h"
#include "disk/RenameBatch.h"
#include "disk/RenamePlan.h"

using namespace tessary;
using namespace tessary::bench;

namespace {

constexpr int kRows = 200'000;
constexpr int kFolders = 20;
constexpr int kPerFolder = kRows / kFolders;
constexpr int kRepeats = 3;

struct Batch {
    std::vector<std::u16string> folders, names, newNames;
    std::vector<RenameRequest> requests() const {
        std::vector<RenameRequest> r;
        for (std::size_t i = 0; i < names.size(); ++i) {
            r.push_back({folders[i / (names.size() / folders.size())], names[i], newNames[i]});
        }
        return r;
    }
};

std::u16string photo(int n) { return u"IMG_" + ascii(std::to_string(100000 + n)) + u" 海边.jpg"; }

// Row i is file i of folder i / (kRows / kFolders), the folders' files one after the other as
// adding each folder gives them; `newIndex` says which file's name row i takes.
Batch makeBatch(MemoryFileSystem& fs, const std::function<int(int)>& newIndex) {
    Batch b;
    for (int f = 0; f < kFolders; ++f) {
        b.folders.push_back(u"C:\\Users\\用户\\Pictures\\旅行 " + ascii(std::to_string(f)) + u"\\");
        fs.addFolder(b.folders.back());
    }
    for (int i = 0; i < kRows; ++i) {
        b.names.push_back(photo(i));
        b.newNames.push_back(photo(newIndex(i)));
        fs.addFile(b.folders[i / kPerFolder] + b.names.back());
    }
    return b;
}

void measure(const char* what, const std::function<int(int)>& newIndex) {
    double floor = 1e300, plan = 1e300, run = 1e300, listing = 1e300;
    std::size_t steps = 0;
    int failures = 0;
    for (int r = 0; r < kRepeats; ++r) {
        MemoryFileSystem fs;
        const Batch batch = makeBatch(fs, newIndex);
        const std::vector<RenameRequest> requests = batch.requests();
        RenamePlan p;
        plan = std::min(plan, seconds([&] { p = planRenames(requests, fs); }));
        // What the file system itself spends on the plan's one listing of each folder.
        std::size_t listed = 0;
        listing = std::min(listing, seconds([&] {
                               for (const std::u16string& folder : batch.folders) {
                                   fs.listFolder(folder, [&](std::u16string_view) { ++listed; });
                               }
                           }));
        failures += listed != static_cast<std::size_t>(kRows);
        steps = p.steps.size();
        // The floor: the plan's renames with their paths built beforehand, there and back.
        std::vector<std::u16string> from, to;
        for (const RenameStep& s : p.steps) {
            from.push_back(std::u16string(p.folders[s.folder]) + std::u16string(s.from()));
            to.push_back(std::u16string(p.folders[s.folder]) + std::u16string(s.to()));
        }
        // The in-memory tree's speed depends on the order its entries were last made, so the
        // floor is taken both before and after the run, each time from the same state.
        const auto renameAll = [&] {
            for (std::size_t i = 0; i < from.size(); ++i) {
                failures += fs.rename(from[i], to[i]) != RenameOutcome::Renamed;
            }
        };
        const auto putBack = [&] {
            for (std::size_t i = from.size(); i-- > 0;) fs.rename(to[i], from[i]);
        };
        floor = std::min(floor, seconds(renameAll));
        putBack();
        run = std::min(run, seconds([&] {
                           const BatchResult result = runRenamePlan(p, fs);
                           for (const RowResult& row : result.rows) failures += !row.succeeded();
                       }));
        putBack();
        floor = std::min(floor, seconds(renameAll));
    }
    if (failures) std::printf("unexpected failures: %d\n", failures);
    std::printf(
        "%-10s N %d, steps %zu: renames %.1f ms, run %.1f ms, listing %.1f ms; plan %.1f ms: "
        "%.0f ns a row, %.0f ns beyond the listing, %.0f ns with the run's share beyond the "
        "renames\n",
        what, kRows, steps, floor * 1e3, run * 1e3, listing * 1e3, plan * 1e3, plan / kRows * 1e9,
        (plan - listing) / kRows * 1e9, (plan + run - floor) / kRows * 1e9);
}

}  // namespace

int main() {
    // +1 within each folder: row i takes the name of the next row, the last of each folder a
    // free one (the names are numbered across folders, so the next folder's first is free here).
    measure("+1 shift", [](int i) { return i + 1; });
    // Neighbours swap their names.
    measure("swaps", [](int i) { return i ^ 1; });
    return 0;
}
