#include "rules/DeleteRule.h"

#include "model/NumberText.h"
#include "model/StringPrimitives.h"

namespace tessary {

SetupOutcome DeleteRule::setUp() {
    direction_ = options_.fromHead   ? Direction::Head
                 : options_.fromTail ? Direction::Tail
                                     : Direction::None;
    count_ = readNumber(options_.count);
    if (count_ < 1) return {SetupOutcome::StopSilently, {}};
    start_ = static_cast<std::int64_t>(readNumber(options_.position)) - 1;
    return {};
}

void DeleteRule::applyToRow(int, FileNameParts& parts) {
    if (direction_ == Direction::None) return;
    std::u16string& name = parts.name();
    const std::int64_t length = static_cast<std::int64_t>(name.size());
    if (count_ >= length) {
        name.clear();
        return;
    }
    const std::int64_t n = count_;
    const std::int64_t s = start_;
    if (direction_ == Direction::Head) {
        SpliceEnds(name, s, {}, length - n - s);
    } else {
        SpliceEnds(name, length - n - s, {}, s);
    }
}

}  // namespace tessary
