#pragma once
// Sorting the file list by a column, as a click on its header asks: the direction rules, the
// comparison of each column's texts, and the item values renumbered afterwards.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/FileListModel.h"

namespace tessary {

// The user's text order. A text's key is computed once per sort, not once per comparison:
// keys compare as byte strings in the order the texts collate.
class Collator {
  public:
    virtual ~Collator() = default;
    virtual std::string sortKey(std::u16string_view text) const = 0;
};

// Texts in the order of their UTF-16 code units: for the command-line tool and native tests.
class CodeUnitCollator final : public Collator {
  public:
    std::string sortKey(std::u16string_view text) const override;
};

// Columns from here on (Genre, Track) are not sorted.
inline constexpr int kFirstUnsortedColumn = 13;

struct SortOrder {
    int column = 0;
    bool ascending = true;
};

// A click on column `column`'s header: the same column again reverses the direction, another
// column sorts ascending. False, with the order unchanged, for a column that is not sorted.
bool chooseSortOrder(SortOrder& order, int column);

// How a column's texts compare: by the collator; as Size texts, by their number; or in natural
// order, by the collator between runs of digits, which compare by their value ("2" before "10",
// as the Windows shell sorts names; "02" and "2" are equal).
enum class SortKind { Text, Size, Natural };

// The order of `rows` rows sorted by one column whose texts `text` gives: new position i holds
// old row result[i]. Rows that compare equal keep their order.
std::vector<int> sortedRowOrder(int rows, const std::function<std::u16string_view(int)>& text,
                                SortKind kind, bool ascending, const Collator& collator);

// Sorts every row by the order's column and sets each row's item value to its new index. Size
// compares the number before " KB" as an unsigned 32-bit value, so "-1 KB" (a file whose size
// could not be read) is the largest; FileName is in natural order; the other columns compare by
// the collator, Date Modified as text.
void sortRows(FileListModel& model, const SortOrder& order, const Collator& collator);

}  // namespace tessary
