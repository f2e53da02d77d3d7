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

std::vector<int> sortedRowOrder(int rows, const std::function<const std::u16string&(int)>& text,
                                bool bySize, bool ascending, const Collator& collator) {
    if (bySize) {
        std::vector<std::uint32_t> keys(static_cast<std::size_t>(rows));
        for (int r = 0; r < rows; ++r) keys[r] = sizeKey(text(r));
        return orderByKeys(keys, ascending);
    }
    std::vector<std::string> keys(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) keys[r] = collator.sortKey(text(r));
    return orderByKeys(keys, ascending);
}

void sortRows(FileListModel& model, const SortOrder& order, const Collator& collator) {
    const int rows = model.rowCount();
    const auto text = [&](int row) -> const std::u16string& {
        return model.text(row, order.column);
    };
    model.reorderRows(
        sortedRowOrder(rows, text, order.column == ColSize, order.ascending, collator));
    for (int r = 0; r < rows; ++r) model.setItemValue(r, r);
}

}  // namespace tessary
