#pragma once
// The file list: the only store of per-file state. An ordered table of rows, each a tuple of
// column texts addressed by fixed column numbers, plus one 32-bit item value. The list view of
// the main window only displays it.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "model/RowTexts.h"

namespace tessary {

// Fixed column numbers; they never change with the display order.
enum Column : int {
    ColFileName = 0,
    ColPreview = 1,
    ColSize = 2,
    ColPath = 3,
    ColStatus = 4,
    ColOriginalName = 5,
    ColFullPath = 6,
    ColDateModified = 7,
    ColExtension = 8,
    // Present only while tags are shown.
    ColTitle = 9,
    ColArtist = 10,
    ColAlbum = 11,
    ColYear = 12,
    ColGenre = 13,
    ColTrack = 14,
};

inline constexpr int kFixedColumnCount = 9;
inline constexpr int kColumnCountWithTags = 15;

inline constexpr char16_t kStatusUnchanged[] = u"未修改";

// The texts one after another in one string; cells are views, which do not add up themselves.
std::u16string joined(std::initializer_list<std::u16string_view> parts);

struct ColumnInfo {
    std::u16string header;
    int width = 0;
};

class FileListModel {
  public:
    // An empty list without columns; withStandardColumns() gives the nine of the main window.
    FileListModel() = default;
    static FileListModel withStandardColumns();
    static std::vector<ColumnInfo> standardColumns();
    static std::vector<ColumnInfo> tagColumns();

    int rowCount() const { return static_cast<int>(rows_.size() - gapSize_); }
    bool hasRow(int row) const { return row >= 0 && row < rowCount(); }

    // The text of a cell; empty for a row or column that does not exist. The view lasts until
    // the row is next written or the rows change.
    std::u16string_view text(int row, int column) const;
    // Ignored for a row that does not exist; a column beyond the row's texts is stored all the
    // same, as the list control keeps sub-item texts. A column rewritten no longer than it was
    // (every preview) keeps its place, and a part of another of the row's texts is shared.
    void setText(int row, int column, std::u16string_view text);

    // Inserts a row holding fileName in column 0 at `row` (clamped to 0..rowCount) and returns
    // its index. Its item value is that index. `textUnits` is room for the row's texts, when
    // the caller knows how much they take.
    int insertRow(int row, std::u16string_view fileName, std::size_t textUnits = 0);
    void deleteRow(int row);
    // Deletes every row r with remove[r] true (rows beyond the vector stay), in one pass.
    void deleteRows(const std::vector<bool>& remove);
    void deleteAllRows();
    // Puts the rows in a new order: row r becomes what row order[r] was. `order` must be a
    // permutation of 0..rowCount()-1; anything else leaves the rows as they are.
    void reorderRows(const std::vector<int>& order);

    std::int32_t itemValue(int row) const;
    void setItemValue(int row, std::int32_t value);

    int columnCount() const { return static_cast<int>(columns_.size()); }
    const ColumnInfo& column(int column) const;
    // Inserts a column at `column` (clamped); the texts of later columns move right with it.
    void insertColumn(int column, std::u16string header, int width);
    // Deletes a column and its texts; later columns move left.
    void deleteColumn(int column);

    // Bytes held by the rows (strings, their buffers and the table), for measurements.
    std::size_t bytesUsed() const;

  private:
    struct Row {
        RowTexts texts;
        std::int32_t value = 0;
    };

    // The rows live in a gap buffer: a run of unused slots at gapStart_ that insertions fill.
    // A batch of files lands in rows 0, 1, 2, ... above the old rows; with the gap there, each
    // insertion costs the same however long the list already is.
    std::size_t slotOf(int row) const {
        const auto r = static_cast<std::size_t>(row);
        return r < gapStart_ ? r : r + gapSize_;
    }
    Row& rowAt(int row) { return rows_[slotOf(row)]; }
    const Row& rowAt(int row) const { return rows_[slotOf(row)]; }
    void moveGapTo(std::size_t at);
    // Leaves the rows contiguous in rows_[0, rowCount()), for the operations that walk them all.
    void closeGap();

    std::vector<ColumnInfo> columns_;
    std::vector<Row> rows_;
    std::size_t gapStart_ = 0;
    std::size_t gapSize_ = 0;
};

}  // namespace tessary
