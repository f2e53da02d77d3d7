#include "engine/ReplaceRules.h"

#include "engine/NumberText.h"
#include "engine/StringPrimitives.h"

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
    std::u16string a, c, b;
    if (options_.fromHead) {
        a = Left(name, s);
        c = Mid(name, s, n);
        b = Right(name, length - n - s);
    } else {
        a = Left(name, length - n - s);
        c = Mid(name, length - n - s, n);
        b = Right(name, s);
    }
    const std::u16string& with = options_.withRun;
    if (!options_.invert) {
        name = a + with + b;
    } else {
        name = (a.empty() ? u"" : with) + c + (b.empty() ? u"" : with);
    }
}

}  // namespace tessary
