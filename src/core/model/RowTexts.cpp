#include "model/RowTexts.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace tessary {
std::unique_ptr<std::byte[]> RowTexts::allocate(int columns, std::size_t capacity) {
    const std::size_t bytes = columns * sizeof(Span) + capacity * sizeof(char16_t);
    if (bytes == 0) return nullptr;
    std::unique_ptr<std::byte[]> block(new std::byte[bytes]);
    std::uninitialized_value_construct_n(reinterpret_cast<Span*>(block.get()), columns);
    return block;
}

RowTexts::RowTexts(const RowTexts& other)
    : block_(allocate(other.columns_, other.capacity_)),
      size_(other.size_),
      capacity_(other.capacity_),
      shared_(other.shared_),
      columns_(other.columns_) {
    if (block_) {
        std::memcpy(block_.get(), other.block_.get(),
                    columns_ * sizeof(Span) + size_ * sizeof(char16_t));
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
    size_ = 0;
    shared_ = 0;
}

void RowTexts::resizeColumns(int columns) {
    std::unique_ptr<std::byte[]> block = allocate(columns, capacity_);
    auto* spans = reinterpret_cast<Span*>(block.get());
    std::copy_n(this->spans(), std::min<int>(columns, columns_), spans);
    std::copy_n(units(), size_, reinterpret_cast<char16_t*>(block.get() + columns * sizeof(Span)));
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
    const Span s = spans()[column];
    for (int c = 0; c < std::min<int>(columns_, 32); ++c) {
        const Span o = spans()[c];
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
        spans()[column] = {};
        return;
    }
    if (holds(text)) {
        spans()[column] = {static_cast<std::uint32_t>(text.data() - units()),
                           static_cast<std::uint32_t>(text.size())};
        markShared(column);
        return;
    }
    Span& s = spans()[column];
    const bool own = s.length != 0 && !shared(column);
    // Rewritten where it is when it fits there (every preview writes the same column again),
    // or at the end of the block when it ends the block.
    if (own && (text.size() <= s.length ||
                (s.start + s.length == size_ && s.start + text.size() <= capacity_))) {
        std::copy(text.begin(), text.end(), units() + s.start);
        if (s.start + s.length == size_) size_ = s.start + static_cast<std::uint32_t>(text.size());
        s.length = static_cast<std::uint32_t>(text.size());
        return;
    }
    s = {};
    if (column < 32) shared_ &= ~(1u << column);
    if (size_ + text.size() > capacity_) reserveMore(text.size());
    std::copy(text.begin(), text.end(), units() + size_);
    spans()[column] = {size_, static_cast<std::uint32_t>(text.size())};
    size_ += static_cast<std::uint32_t>(text.size());
}

void RowTexts::reserveMore(std::size_t more) {
    // The ranges in use, merged where they overlap, are copied in order into a new block.
    std::vector<int> order;
    for (int c = 0; c < columns_; ++c) {
        if (spans()[c].length != 0) order.push_back(c);
    }
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return spans()[a].start < spans()[b].start; });
    std::size_t live = 0;
    std::uint32_t coveredTo = 0;
    for (const int c : order) {
        const Span s = spans()[c];
        const std::uint32_t from = std::max(s.start, coveredTo);
        if (s.start + s.length > from) live += s.start + s.length - from;
        coveredTo = std::max(coveredTo, s.start + s.length);
    }
    // A little room beyond, so that a column rewritten a little longer stays in place.
    const std::size_t capacity = live + more + 8;
    std::unique_ptr<std::byte[]> block = allocate(columns_, capacity);
    auto* spans = reinterpret_cast<Span*>(block.get());
    auto* units = reinterpret_cast<char16_t*>(block.get() + columns_ * sizeof(Span));
    std::copy_n(this->spans(), columns_, spans);
    std::uint32_t size = 0;
    std::uint32_t runStart = 0;  // where the current merged range began, old and new
    std::uint32_t runNew = 0;
    coveredTo = 0;
    for (const int c : order) {
        Span& s = spans[c];
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
}

void RowTexts::insertColumn(int column) {
    if (column < 0 || column >= columns_) return;
    resizeColumns(columns_ + 1);
    std::copy_backward(spans() + column, spans() + columns_ - 1, spans() + columns_);
    spans()[column] = {};
    // Columns move seldom (the tag columns): every column counts as shared from then on,
    // which costs one copy at its next rewrite.
    shared_ = ~0u;
}

void RowTexts::eraseColumn(int column) {
    if (column < 0 || column >= columns_) return;
    std::copy(spans() + column + 1, spans() + columns_, spans() + column);
    resizeColumns(columns_ - 1);
    shared_ = ~0u;
}

std::size_t RowTexts::heapBytes() const {
    return block_ ? std::size_t{capacity_} * sizeof(char16_t) + std::size_t{columns_} * sizeof(Span)
                  : 0;
}

}  // namespace tessary
