#include "model/RowTexts.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace tessary {
std::unique_ptr<std::byte[]> RowTexts::allocate(int columns, std::size_t capacity) {
    const std::size_t spans = columns * spanBytes(wideFor(capacity));
    const std::size_t bytes = spans + capacity * sizeof(char16_t);
    if (bytes == 0) return nullptr;
    std::unique_ptr<std::byte[]> block(new std::byte[bytes]);
    std::memset(block.get(), 0, spans);
    return block;
}

void RowTexts::setSpan(int column, Span s) {
    if (wide_) {
        std::memcpy(block_.get() + column * spanBytes(true), &s, sizeof s);
        return;
    }
    const std::uint16_t narrow[2] = {static_cast<std::uint16_t>(s.start),
                                     static_cast<std::uint16_t>(s.length)};
    std::memcpy(block_.get() + column * spanBytes(false), narrow, sizeof narrow);
}

RowTexts::RowTexts(const RowTexts& other)
    : block_(allocate(other.columns_, other.capacity_)),
      size_(other.size_),
      capacity_(other.capacity_),
      shared_(other.shared_),
      columns_(other.columns_),
      wide_(other.wide_) {
    if (block_) {
        std::memcpy(block_.get(), other.block_.get(),
                    columns_ * spanBytes(wide_) + size_ * sizeof(char16_t));
    }
}

RowTexts& RowTexts::operator=(const RowTexts& other) {
    if (this != &other) *this = RowTexts(other);
    return *this;
}

void RowTexts::reset(int columns, std::size_t units) {
    block_ = allocate(columns, units);
    columns_ = static_cast<std::uint16_t>(columns);
    capacity_ = static_cast<std::uint32_t>(units);
    wide_ = wideFor(units);
    size_ = 0;
    shared_ = 0;
}

void RowTexts::resizeColumns(int columns) {
    // The capacity stays, and with it the ranges' width.
    std::unique_ptr<std::byte[]> block = allocate(columns, capacity_);
    const std::size_t spanSize = spanBytes(wide_);
    if (block_) {
        std::memcpy(block.get(), block_.get(), std::min<int>(columns, columns_) * spanSize);
    }
    std::copy_n(units(), size_, reinterpret_cast<char16_t*>(block.get() + columns * spanSize));
    block_ = std::move(block);
    columns_ = static_cast<std::uint16_t>(columns);
}

bool RowTexts::holds(std::u16string_view text) const {
    // Compared as addresses of one array only when it is ours.
    const char16_t* begin = block_ ? units() : nullptr;
    return !text.empty() && begin != nullptr && std::less_equal<>()(begin, text.data()) &&
           std::less<>()(text.data(), begin + size_);
}

void RowTexts::markShared(int column) {
    const Span s = span(column);
    for (int c = 0; c < std::min<int>(columns_, 32); ++c) {
        const Span o = span(c);
        if (o.start < s.start + s.length && s.start < o.start + o.length) shared_ |= 1u << c;
    }
}

void RowTexts::set(int column, std::u16string_view text) {
    if (column < 0) return;
    if (column >= columns_) {
        if (text.empty()) return;
        // A part of this row's own texts moves with the block.
        const std::ptrdiff_t at = holds(text) ? text.data() - units() : -1;
        resizeColumns(column + 1);
        if (at >= 0) text = {units() + at, text.size()};
    }
    if (text.empty()) {
        setSpan(column, {});
        return;
    }
    if (holds(text)) {
        setSpan(column, {static_cast<std::uint32_t>(text.data() - units()),
                         static_cast<std::uint32_t>(text.size())});
        markShared(column);
        return;
    }
    const Span s = span(column);
    const bool own = s.length != 0 && !shared(column);
    // Rewritten where it is when it fits there (every preview writes the same column again),
    // or at the end of the block when it ends the block.
    if (own && (text.size() <= s.length ||
                (s.start + s.length == size_ && s.start + text.size() <= capacity_))) {
        std::copy(text.begin(), text.end(), units() + s.start);
        if (s.start + s.length == size_) size_ = s.start + static_cast<std::uint32_t>(text.size());
        setSpan(column, {s.start, static_cast<std::uint32_t>(text.size())});
        return;
    }
    setSpan(column, {});
    if (column < 32) shared_ &= ~(1u << column);
    if (size_ + text.size() > capacity_) reserveMore(text.size());
    std::copy(text.begin(), text.end(), units() + size_);
    setSpan(column, {size_, static_cast<std::uint32_t>(text.size())});
    size_ += static_cast<std::uint32_t>(text.size());
}

void RowTexts::reserveMore(std::size_t more) {
    // The ranges in use, merged where they overlap, are copied in order into a new block.
    std::vector<Span> spans(columns_);
    std::vector<int> order;
    for (int c = 0; c < columns_; ++c) {
        spans[static_cast<std::size_t>(c)] = span(c);
        if (spans[static_cast<std::size_t>(c)].length != 0) order.push_back(c);
    }
    const auto spanOf = [&spans](int c) -> Span& { return spans[static_cast<std::size_t>(c)]; };
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return spanOf(a).start < spanOf(b).start; });
    std::size_t live = 0;
    std::uint32_t coveredTo = 0;
    for (const int c : order) {
        const Span s = spanOf(c);
        const std::uint32_t from = std::max(s.start, coveredTo);
        if (s.start + s.length > from) live += s.start + s.length - from;
        coveredTo = std::max(coveredTo, s.start + s.length);
    }
    // A little room beyond, so that a column rewritten a little longer stays in place.
    const std::size_t capacity = live + more + 8;
    std::unique_ptr<std::byte[]> block = allocate(columns_, capacity);
    auto* units =
        reinterpret_cast<char16_t*>(block.get() + columns_ * spanBytes(wideFor(capacity)));
    std::uint32_t size = 0;
    std::uint32_t runStart = 0;  // where the current merged range began, old and new
    std::uint32_t runNew = 0;
    coveredTo = 0;
    for (const int c : order) {
        Span& s = spanOf(c);
        if (s.start >= coveredTo) {
            runStart = s.start;
            runNew = size;
        }
        const std::uint32_t end = s.start + s.length;
        if (end > coveredTo) {
            const std::uint32_t from = std::max(s.start, coveredTo);
            std::copy(this->units() + from, this->units() + end, units + size);
            size += end - from;
            coveredTo = end;
        }
        s.start = runNew + (s.start - runStart);
    }
    block_ = std::move(block);
    size_ = size;
    capacity_ = static_cast<std::uint32_t>(capacity);
    wide_ = wideFor(capacity);
    for (int c = 0; c < columns_; ++c) setSpan(c, spanOf(c));
}

void RowTexts::insertColumn(int column) {
    if (column < 0 || column >= columns_) return;
    resizeColumns(columns_ + 1);
    for (int c = columns_ - 1; c > column; --c) setSpan(c, span(c - 1));
    setSpan(column, {});
    // Columns move seldom (the tag columns): every column counts as shared from then on,
    // which costs one copy at its next rewrite.
    shared_ = ~0u;
}

void RowTexts::eraseColumn(int column) {
    if (column < 0 || column >= columns_) return;
    for (int c = column; c + 1 < columns_; ++c) setSpan(c, span(c + 1));
    resizeColumns(columns_ - 1);
    shared_ = ~0u;
}

std::size_t RowTexts::heapBytes() const {
    return block_ ? std::size_t{capacity_} * sizeof(char16_t) + columns_ * spanBytes(wide_) : 0;
}

}  // namespace tessary
