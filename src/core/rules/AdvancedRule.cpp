#include "rules/AdvancedRule.h"

#include "model/NumberText.h"
#include "model/StringPrimitives.h"

namespace tessary {

namespace {
void listPositions(std::u16string_view name, std::u16string_view separator,
                   std::vector<std::size_t>& positions) {
    positions.clear();
    auto p = Find(name, separator, 0);
    while (p) {
        positions.push_back(*p);
        if (*p + 1 > name.size()) break;
        p = Find(name, separator, static_cast<std::int64_t>(*p + 1));
    }
}
}  // namespace

std::vector<std::size_t> separatorPositions(std::u16string_view name,
                                            std::u16string_view separator) {
    std::vector<std::size_t> positions;
    listPositions(name, separator, positions);
    return positions;
}

SetupOutcome AdvancedRule::setUp() {
    n_ = readNumber(options_.n);
    from_ = readNumber(options_.from);
    to_ = readNumber(options_.to);
    if (!options_.mode1) {
        if (to_ <= from_ || to_ <= 0 || from_ <= 0) {
            return {SetupOutcome::StopWithMessage, kMessageEndNotAfterStart};
        }
    } else if (n_ <= 0) {
        return {SetupOutcome::StopSilently, {}};
    }
    return {};
}

void AdvancedRule::applyToRow(int, FileNameParts& parts) {
    std::u16string& name = parts.name();
    listPositions(name, options_.separator, positions_);
    const std::int64_t k = static_cast<std::int64_t>(positions_.size());
    if (k == 0) return;
    const std::int64_t length = static_cast<std::int64_t>(name.size());
    auto at = [&](std::int64_t occurrence) {
        return static_cast<std::int64_t>(positions_[static_cast<std::size_t>(occurrence - 1)]);
    };

    if (!options_.mode1) {
        // The head keeps the first unit of the from-th separator; the tail starts with the to-th.
        if (to_ <= k) {
            SpliceEnds(name, at(from_) + 1, options_.replacement, length - at(to_));
        }
        return;
    }
    if (n_ > k) return;
    // Before the n-th occurrence lie c units; it and what follows it are the rest.
    const std::size_t c = positions_[static_cast<std::size_t>(n_ - 1)];
    if (!options_.invert) {
        if (c > 0) name.replace(0, c, options_.replacement);
    } else {
        if (c < name.size()) name.replace(c, std::u16string::npos, options_.replacement);
    }
}

}  // namespace tessary
