#pragma once
// The texts of one row of the file list in one block of memory. Each column is a range of the
// block, and a column set from a part of another column's text of the same row shares that
// text's units: a row added from its path keeps the path once, with its folder and its name as
// parts of it. A list of 200,000 rows holds about a third of what one string per cell took.
// A block of at most 65,535 units, as every row of file names is, keeps each range in 4 bytes
// rather than 8.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace tessary {

class RowTexts {
  public:
    RowTexts() = default;
    RowTexts(const RowTexts& other);
    RowTexts& operator=(const RowTexts& other);
    RowTexts(RowTexts&&) noexcept = default;
    RowTexts& operator=(RowTexts&&) noexcept = default;

    int columnCount() const { return columns_; }
    // Empty for a column beyond the row's. The view lasts until the row is next written.
    std::u16string_view text(int column) const {
        if (column < 0 || column >= columns_) return {};
        const Span s = span(column);
        return {units() + s.start, s.length};
    }
    // A text that lies within this row's own block (a view of one of its texts, or part of
    // one) is shared rather than copied.
    void set(int column, std::u16string_view text);
    // Empties every column and sizes the row for `columns` columns and `units` units of text.
    void reset(int columns, std::size_t units);

    // Inserts an empty column at `column` (when the row has texts from there on) or removes
    // one; later columns move with it.
    void insertColumn(int column);
    void eraseColumn(int column);

    // Bytes held in the heap: the ranges and the block.
    std::size_t heapBytes() const;

  private:
    struct Span {
        std::uint32_t start = 0;
        std::uint32_t length = 0;
    };

    // One block holds the columns' ranges and, after them, the units: one allocation and one
    // place in memory for each row, which a pass over the list reads in order. A range takes
    // two 16-bit numbers in a block of few units (narrow), two 32-bit ones otherwise (wide).
    static constexpr std::size_t kMostNarrowUnits = 0xFFFF;
    static bool wideFor(std::size_t capacity) { return capacity > kMostNarrowUnits; }
    static std::size_t spanBytes(bool wide) { return wide ? 8 : 4; }
    Span span(int column) const {
        if (wide_) {
            Span s;
            std::memcpy(&s, block_.get() + column * spanBytes(true), sizeof s);
            return s;
        }
        std::uint16_t narrow[2];
        std::memcpy(narrow, block_.get() + column * spanBytes(false), sizeof narrow);
        return {narrow[0], narrow[1]};
    }
    void setSpan(int column, Span s);
    char16_t* units() {
        return reinterpret_cast<char16_t*>(block_.get() + columns_ * spanBytes(wide_));
    }
    const char16_t* units() const {
        return reinterpret_cast<const char16_t*>(block_.get() + columns_ * spanBytes(wide_));
    }
    // A block for `columns` empty ranges and `capacity` units; its ranges are wide when the
    // capacity asks for it.
    static std::unique_ptr<std::byte[]> allocate(int columns, std::size_t capacity);

    void resizeColumns(int columns);
    // Marks as shared the column and every column whose units overlap it.
    void markShared(int column);
    bool shared(int column) const { return column >= 32 || (shared_ >> column & 1u) != 0; }
    bool holds(std::u16string_view text) const;
    // Makes room for `more` units at the end, keeping only the units some column still uses.
    void reserveMore(std::size_t more);

    std::unique_ptr<std::byte[]> block_;
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = 0;
    // The columns that may share units with another, and so are never rewritten in place;
    // columns from the 32nd on always count as shared. Kept on the safe side: a column stays
    // marked until it is written again.
    std::uint32_t shared_ = 0;
    std::uint16_t columns_ = 0;
    bool wide_ = false;  // the ranges' width, set with every block
};

}  // namespace tessary
