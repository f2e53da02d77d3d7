#include "model/StringPrimitives.h"

namespace tessary {

namespace {
std::size_t clampCount(std::int64_t n, std::size_t length) {
    if (n <= 0) return 0;
    return static_cast<std::uint64_t>(n) >= length ? length : static_cast<std::size_t>(n);
}
}  // namespace

std::u16string Left(std::u16string_view s, std::int64_t n) {
    return std::u16string(s.substr(0, clampCount(n, s.size())));
}

std::u16string Right(std::u16string_view s, std::int64_t n) {
    const std::size_t count = clampCount(n, s.size());
    return std::u16string(s.substr(s.size() - count));
}

std::u16string Mid(std::u16string_view s, std::int64_t f, std::int64_t n) {
    const std::size_t first = clampCount(f, s.size());
    if (f > 0 && static_cast<std::uint64_t>(f) > s.size()) return {};
    return std::u16string(s.substr(first, clampCount(n, s.size() - first)));
}

std::optional<std::size_t> Find(std::u16string_view s, std::u16string_view t, std::int64_t from) {
    const std::size_t start = from < 0 ? 0 : static_cast<std::size_t>(from);
    if (start > s.size()) return std::nullopt;
    const std::size_t at = s.find(t, start);
    if (at == std::u16string_view::npos) return std::nullopt;
    return at;
}

int Replace(std::u16string& s, std::u16string_view from, std::u16string_view to) {
    if (from.empty()) return 0;
    std::size_t at = s.find(from);
    if (at == std::u16string::npos) return 0;
    int count = 0;
    if (from.size() == to.size()) {
        for (; at != std::u16string::npos; at = s.find(from, at + from.size()), ++count) {
            s.replace(at, to.size(), to);
        }
        return count;
    }
    // The result is built aside and swapped in; the buffer is kept for the next call.
    thread_local std::u16string result;
    result.clear();
    std::size_t done = 0;
    for (; at != std::u16string::npos; at = s.find(from, done), ++count) {
        result.append(s, done, at - done);
        result.append(to);
        done = at + from.size();
    }
    result.append(s, done, std::u16string::npos);
    s.swap(result);
    return count;
}

void SpliceEnds(std::u16string& s, std::int64_t left, std::u16string_view middle,
                std::int64_t right) {
    const std::size_t keepLeft = clampCount(left, s.size());
    const std::size_t keepRight = clampCount(right, s.size());
    if (keepLeft + keepRight <= s.size()) {
        s.replace(keepLeft, s.size() - keepLeft - keepRight, middle);
        return;
    }
    std::u16string joined = Left(s, left);
    joined.append(middle);
    joined.append(Right(s, right));
    s = std::move(joined);
}

}  // namespace tessary
