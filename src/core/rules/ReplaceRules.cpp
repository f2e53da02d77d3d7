#include "rules/ReplaceRules.h"

#include "model/NumberText.h"
#include "model/StringPrimitives.h"

namespace tessary {

SetupOutcome ReplaceByTextRule::setUp() {
    if (options_.find.empty()) return {SetupOutcome::SkipRows, {}};
    return {};
}

void ReplaceByTextRule::applyToRow(int, FileNameParts& parts) {
    Replace(parts.name(), options_.find, options_.withText);
}

SetupOutcome ReplaceByPositionRule::setUp() {
    count_ = readNumber(options_.count);
    if (count_ < 1) return {SetupOutcome::StopSilently, {}};
    start_ = static_cast<std::int64_t>(readNumber(options_.position)) - 1;
    return {};
}

void ReplaceByPositionRule::applyToRow(int, FileNameParts& parts) {
    std::u16string& name = parts.name();
    const std::int64_t length = static_cast<std::int64_t>(name.size());
    if (length < 1) return;
    const std::int64_t n = count_;
    const std::int64_t s = start_;
    // A is the text before the run, C the run, B the text after it.
    const std::int64_t keepLeft = options_.fromHead ? s : length - n - s;
    const std::int64_t keepRight = options_.fromHead ? length - n - s : s;
    const std::u16string& with = options_.withRun;
    if (!options_.invert) {
        SpliceEnds(name, keepLeft, with, keepRight);
        return;
    }
    const bool hasA = !Left(name, keepLeft).empty();
    const bool hasB = !Right(name, keepRight).empty();
    std::u16string inverted = hasA ? with : std::u16string();
    inverted += Mid(name, keepLeft, n);
    if (hasB) inverted += with;
    name = std::move(inverted);
}

}  // namespace tessary
