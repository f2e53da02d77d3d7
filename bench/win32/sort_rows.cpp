// Sorting 200,000 rows of the file list by name under Wine, in natural order, against the floor
// of sorting the same texts in a plain vector by the same keys. Both compute each text's key
// once. The plain collation order's time is printed beside them.
// Usage: sort_rows [repeats]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "BenchSupport.h"
#include "model/SortRows.h"
#include "platform/win32/Win32Collator.h"

using namespace tessary;
using namespace tessary::bench;

namespace {

constexpr int kRows = 200'000;

std::vector<std::u16string> names() {
    std::mt19937 random(8);
    const std::u16string stems[] = {u"旅行照片_", u"Holiday ", u"会议记录", u"scan-", u"IMG_"};
    std::vector<std::u16string> texts;
    for (int i = 0; i < kRows; ++i) {
        const std::string n = std::to_string(random() % 1'000'000);
        texts.push_back(stems[random() % 5] + ascii(n) + u".jpg");
    }
    return texts;
}

// The floor: the same texts in a plain vector, in the same natural order of the same keys.
std::vector<std::u16string> plainSort(const std::vector<std::u16string>& texts,
                                      const Collator& collator) {
    const auto text = [&texts](int i) -> const std::u16string& { return texts[i]; };
    const std::vector<int> order =
        sortedRowOrder(static_cast<int>(texts.size()), text, SortKind::Natural, true, collator);
    std::vector<std::u16string> sorted;
    sorted.reserve(texts.size());
    for (const int i : order) sorted.push_back(texts[i]);
    return sorted;
}

// What the plain collation order costs, for comparison: one key a text, compared as bytes.
double collationSort(const std::vector<std::u16string>& texts, const Collator& collator) {
    return seconds([&] {
        std::vector<std::pair<std::string, std::u16string>> keyed;
        keyed.reserve(texts.size());
        for (const auto& t : texts) keyed.emplace_back(collator.sortKey(t), t);
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    });
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const Win32Collator collator;
    const std::vector<std::u16string> texts = names();
    double bestList = 1e9;
    double bestPlain = 1e9;
    double bestCollation = 1e9;
    for (int round = 0; round < repeats; ++round) {
        std::vector<std::u16string> sorted;
        const double plain = seconds([&] { sorted = plainSort(texts, collator); });

        FileListModel model = FileListModel::withStandardColumns();
        for (const auto& t : texts) {
            const int row = model.insertRow(model.rowCount(), t);
            model.setText(row, ColPath, u"C:\\照片\\");
            model.setText(row, ColSize, u"120 KB");
            model.setText(row, ColStatus, kStatusUnchanged);
        }
        const double list = seconds([&] { sortRows(model, {ColFileName, true}, collator); });
        for (int r = 0; r < kRows; ++r) {
            if (model.text(r, ColFileName) != sorted[r]) {
                std::fprintf(stderr, "row %d differs from the plain sort\n", r);
                return 1;
            }
        }
        const double collation = collationSort(texts, collator);
        std::printf("round %d: list %.3f s, plain vector %.3f s, collation order only %.3f s\n",
                    round + 1, list, plain, collation);
        bestCollation = std::min(bestCollation, collation);
        bestList = std::min(bestList, list);
        bestPlain = std::min(bestPlain, plain);
    }
    std::printf(
        "sort 200,000 rows: %.2f x the plain vector (goal 1.3); natural order %.2f x the "
        "collation order\n",
        bestList / bestPlain, bestPlain / bestCollation);
    return 0;
}
