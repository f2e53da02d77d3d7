// Apply and undo of 200,000 rows over the in-memory file system, against a floor measured in
// the same run: the bare rename loop over the same prebuilt paths. What is left is the cost of
// the commands' own logic per row (building paths, writing statuses and names).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Timing.h"
#include "commands/ApplyUndo.h"
#include "disk/MemoryFileSystem.h"
#include "model/FileListModel.h"

using namespace tessary;
using namespace tessary::bench;

namespace {

constexpr int kRows = 200'000;
constexpr int kFolders = 200;  // 1,000 files each, as the Wine benchmarks have them
constexpr int kRepeats = 3;

}  // namespace

int main() {
    MemoryFileSystem fs;
    FileListModel model = FileListModel::withStandardColumns();
    std::vector<std::u16string> oldPaths;
    std::vector<std::u16string> newPaths;
    for (int i = 0; i < kRows; ++i) {
        const std::u16string folder =
            u"C:\\Users\\用户\\Pictures\\旅行 " + ascii(std::to_string(i % kFolders)) + u"\\";
        if (i < kFolders) fs.addFolder(folder);
        const std::u16string name = u"IMG_" + ascii(std::to_string(100000 + i)) + u" 海边.jpg";
        const std::u16string preview = u"旅行_" + ascii(std::to_string(100000 + i)) + u".jpg";
        fs.addFile(folder + name);
        const int row = model.insertRow(i, name);
        model.setText(row, ColPreview, preview);
        model.setText(row, ColPath, folder);
        model.setText(row, ColStatus, kStatusUnchanged);
        model.setText(row, ColOriginalName, name);
        oldPaths.push_back(folder + name);
        newPaths.push_back(folder + preview);
    }

    double floorForward = 1e300, floorBack = 1e300, apply = 1e300, undo = 1e300;
    for (int r = 0; r < kRepeats; ++r) {
        int failures = 0;
        floorForward = std::min(floorForward, seconds([&] {
                                    for (int i = 0; i < kRows; ++i) {
                                        failures += fs.rename(oldPaths[i], newPaths[i]) !=
                                                    RenameOutcome::Renamed;
                                    }
                                }));
        floorBack = std::min(floorBack, seconds([&] {
                                 for (int i = 0; i < kRows; ++i) {
                                     failures += fs.rename(newPaths[i], oldPaths[i]) !=
                                                 RenameOutcome::Renamed;
                                 }
                             }));
        apply = std::min(apply, seconds([&] { applyRenames(model, fs); }));
        for (int i = 0; i < kRows; i += kRows / 4) {
            failures += model.text(i, ColStatus) != u"改名成功";
        }
        undo = std::min(undo, seconds([&] { undoRenames(model, fs); }));
        for (int i = 0; i < kRows; i += kRows / 4) {
            failures += model.text(i, ColStatus) != u"撤销改名成功";
            model.setText(i, ColPreview, newPaths[i].substr(newPaths[i].rfind(u'\\') + 1));
        }
        // Undo empties Preview; put it back for the next apply.
        for (int i = 0; i < kRows; ++i) {
            model.setText(i, ColPreview, newPaths[i].substr(newPaths[i].rfind(u'\\') + 1));
        }
        if (failures) {
            std::printf("unexpected failures: %d\n", failures);
            return 1;
        }
    }
    const auto line = [](const char* what, double s, double floor) {
        std::printf("%-44s N %d  %7.1f ms  %6.0f ns/row", what, kRows, s * 1e3, s * 1e9 / kRows);
        if (floor > 0) std::printf("  %.2f x floor", s / floor);
        std::printf("\n");
    };
    line("floor: bare rename loop, forward", floorForward, 0);
    line("floor: bare rename loop, back", floorBack, 0);
    line("apply (in-memory file system)", apply, floorForward);
    line("undo (in-memory file system)", undo, floorBack);
    std::printf("logic per row beyond the rename: apply %.0f ns, undo %.0f ns\n",
                (apply - floorForward) * 1e9 / kRows, (undo - floorBack) * 1e9 / kRows);
    return 0;
}
