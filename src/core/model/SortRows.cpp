#include "model/SortRows.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "model/NumberText.h"

namespace tessary {
namespace {

// The number of a Size text, read without its last two characters (" KB").
std::uint32_t sizeKey(std::u16string_view text) {
    const std::u16string_view number = text.substr(0, text.size() >= 2 ? text.size() - 2 : 0);
    return static_cast<std::uint32_t>(readNumber(number));
}

template <typename Key>
std::vector<int> orderByKeys(const std::vector<Key>& keys, bool ascending) {
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return ascending ? keys[a] < keys[b] : keys[b] < keys[a];
    });
    return order;
}

// A text cut into runs of digits and runs of other characters: each run of other characters by
// its collation key, each run of digits by its value (the digits without leading zeros).
struct NaturalKey {
    struct Run {
        bool digits;
        std::string key;
    };
    std::vector<Run> runs;
};

int digitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') return c - u'0';
    if (c >= u'\uFF10' && c <= u'\uFF19') return c - u'\uFF10';  // full-width
    return -1;
}

NaturalKey naturalKey(std::u16string_view text, const Collator& collator) {
    NaturalKey key;
    std::size_t i = 0;
    while (i < text.size()) {
        const bool digits = digitValue(text[i]) >= 0;
        std::size_t end = i;
        while (end < text.size() && (digitValue(text[end]) >= 0) == digits) ++end;
        std::string runKey;
        if (digits) {
            for (std::size_t k = i; k < end; ++k) {
                const int d = digitValue(text[k]);
                if (runKey.empty() && d == 0) continue;
                runKey.push_back(static_cast<char>('0' + d));
            }
        } else {
            runKey = collator.sortKey(text.substr(i, end - i));
        }
        key.runs.push_back({digits, std::move(runKey)});
        i = end;
    }
    return key;
}

bool operator<(const NaturalKey& a, const NaturalKey& b) {
    const std::size_t n = std::min(a.runs.size(), b.runs.size());
    for (std::size_t i = 0; i < n; ++i) {
        const NaturalKey::Run& x = a.runs[i];
        const NaturalKey::Run& y = b.runs[i];
        // Digits come before other characters, as in the code page and the collator.
        if (x.digits != y.digits) return x.digits;
        if (x.digits && x.key.size() != y.key.size()) return x.key.size() < y.key.size();
        if (x.key != y.key) return x.key < y.key;
    }
    return a.runs.size() < b.runs.size();
}

}  // namespace

std::string CodeUnitCollator::sortKey(std::u16string_view text) const {
    std::string key;
    key.reserve(text.size() * 2);
    for (const char16_t unit : text) {
        key.push_back(static_cast<char>(unit >> 8));
        key.push_back(static_cast<char>(unit & 0xFF));
    }
    return key;
}

bool chooseSortOrder(SortOrder& order, int column) {
    if (column < 0 || column >= kFirstUnsortedColumn) return false;
    if (column == order.column) {
        order.ascending = !order.ascending;
    } else {
        order.column = column;
        order.ascending = true;
    }
    return true;
}

std::vector<int> sortedRowOrder(int rows, const std::function<std::u16string_view(int)>& text,
                                SortKind kind, bool ascending, const Collator& collator) {
    if (kind == SortKind::Size) {
        std::vector<std::uint32_t> keys(static_cast<std::size_t>(rows));
        for (int r = 0; r < rows; ++r) keys[r] = sizeKey(text(r));
        return orderByKeys(keys, ascending);
    }
    if (kind == SortKind::Natural) {
        std::vector<NaturalKey> keys(static_cast<std::size_t>(rows));
        for (int r = 0; r < rows; ++r) keys[r] = naturalKey(text(r), collator);
        return orderByKeys(keys, ascending);
    }
    std::vector<std::string> keys(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) keys[r] = collator.sortKey(text(r));
    return orderByKeys(keys, ascending);
}

void sortRows(FileListModel& model, const SortOrder& order, const Collator& collator) {
    const int rows = model.rowCount();
    const auto text = [&](int row) { return model.text(row, order.column); };
    const SortKind kind = order.column == ColSize       ? SortKind::Size
                          : order.column == ColFileName ? SortKind::Natural
                                                        : SortKind::Text;
    model.reorderRows(sortedRowOrder(rows, text, kind, order.ascending, collator));
    for (int r = 0; r < rows; ++r) model.setItemValue(r, r);
}

}  // namespace tessary
