#include "model/FileListModel.h"

#include <algorithm>

namespace tessary {

namespace {
const ColumnInfo kNoColumn;

int clampIndex(int index, int size) { return std::clamp(index, 0, size); }
}  // namespace

std::u16string joined(std::initializer_list<std::u16string_view> parts) {
    std::size_t size = 0;
    for (const std::u16string_view part : parts) size += part.size();
    std::u16string text;
    text.reserve(size);
    for (const std::u16string_view part : parts) text.append(part);
    return text;
}

std::vector<ColumnInfo> FileListModel::standardColumns() {
    return {
        {u"文件名", 200},    {u"预览", 200},     {u"大小", 100},
        {u"路径", 100},      {u"状态", 100},     {u"File Name", 100},
        {u"Full Path", 100}, {u"修改日期", 100}, {u"扩展名", 100},
    };
}

std::vector<ColumnInfo> FileListModel::tagColumns() {
    return {{u"Title", 100}, {u"Artist", 100}, {u"Album", 100},
            {u"Year", 100},  {u"Genre", 100},  {u"Track", 100}};
}

FileListModel FileListModel::withStandardColumns() {
    FileListModel model;
    model.columns_ = standardColumns();
    return model;
}

std::u16string_view FileListModel::text(int row, int column) const {
    return hasRow(row) ? rowAt(row).texts.text(column) : std::u16string_view();
}

void FileListModel::setText(int row, int column, std::u16string_view text) {
    if (hasRow(row)) rowAt(row).texts.set(column, text);
}

int FileListModel::insertRow(int row, std::u16string_view fileName, std::size_t textUnits) {
    const int at = clampIndex(row, rowCount());
    if (gapSize_ == 0) {
        // A new gap, an eighth of the list, so that a long batch rarely moves the rows after it.
        const std::size_t grow = std::max<std::size_t>(16, rows_.size() / 8);
        rows_.insert(rows_.begin() + at, grow, Row{});
        gapStart_ = static_cast<std::size_t>(at);
        gapSize_ = grow;
    }
    moveGapTo(static_cast<std::size_t>(at));
    Row& fresh = rows_[gapStart_];
    fresh.texts.reset(std::max(columnCount(), kFixedColumnCount),
                      std::max(textUnits, fileName.size()));
    fresh.texts.set(ColFileName, fileName);
    fresh.value = at;
    ++gapStart_;
    --gapSize_;
    return at;
}

void FileListModel::moveGapTo(std::size_t at) {
    // Rows between the gap and `at` change sides; the gap's slots hold nothing worth keeping.
    while (gapStart_ > at) {
        --gapStart_;
        rows_[gapStart_ + gapSize_] = std::move(rows_[gapStart_]);
    }
    while (gapStart_ < at) {
        rows_[gapStart_] = std::move(rows_[gapStart_ + gapSize_]);
        ++gapStart_;
    }
}

void FileListModel::closeGap() {
    if (gapSize_ == 0) return;
    moveGapTo(rows_.size() - gapSize_);
    rows_.resize(rows_.size() - gapSize_);
    gapSize_ = 0;
    gapStart_ = rows_.size();
}

void FileListModel::deleteRow(int row) {
    if (!hasRow(row)) return;
    closeGap();
    rows_.erase(rows_.begin() + row);
    gapStart_ = rows_.size();
}

void FileListModel::deleteRows(const std::vector<bool>& remove) {
    closeGap();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (i < remove.size() && remove[i]) continue;
        if (kept != i) rows_[kept] = std::move(rows_[i]);
        ++kept;
    }
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(kept), rows_.end());
    gapStart_ = rows_.size();
}

void FileListModel::deleteAllRows() {
    rows_.clear();
    rows_.shrink_to_fit();
    gapStart_ = 0;
    gapSize_ = 0;
}

void FileListModel::reorderRows(const std::vector<int>& order) {
    if (order.size() != static_cast<std::size_t>(rowCount())) return;
    std::vector<bool> seen(order.size());
    for (const int r : order) {
        if (r < 0 || r >= rowCount() || seen[r]) return;
        seen[r] = true;
    }
    closeGap();
    std::vector<Row> reordered;
    reordered.reserve(rows_.size());
    for (const int r : order) reordered.push_back(std::move(rows_[r]));
    rows_ = std::move(reordered);
    gapStart_ = rows_.size();
}

std::int32_t FileListModel::itemValue(int row) const { return hasRow(row) ? rowAt(row).value : 0; }

void FileListModel::setItemValue(int row, std::int32_t value) {
    if (hasRow(row)) rowAt(row).value = value;
}

const ColumnInfo& FileListModel::column(int column) const {
    return column >= 0 && column < columnCount() ? columns_[column] : kNoColumn;
}

void FileListModel::insertColumn(int column, std::u16string header, int width) {
    const int at = clampIndex(column, columnCount());
    columns_.insert(columns_.begin() + at, ColumnInfo{std::move(header), width});
    closeGap();
    for (auto& row : rows_) row.texts.insertColumn(at);
}

void FileListModel::deleteColumn(int column) {
    if (column < 0 || column >= columnCount()) return;
    columns_.erase(columns_.begin() + column);
    closeGap();
    for (auto& row : rows_) row.texts.eraseColumn(column);
}

std::size_t FileListModel::bytesUsed() const {
    std::size_t bytes = rows_.capacity() * sizeof(Row);
    for (const auto& row : rows_) bytes += row.texts.heapBytes();
    return bytes;
}

}  // namespace tessary
