#include "engine/InsertRule.h"

#include <algorithm>

#include "engine/NumberText.h"
#include "engine/StringPrimitives.h"

namespace tessary {

void removeForbiddenInsertCharacters(std::u16string& text) {
    constexpr std::u16string_view forbidden = u"/\\|:?*<>\"";
    std::erase_if(text, [&](char16_t c) { return forbidden.find(c) != std::u16string_view::npos; });
}

SetupOutcome InsertRule::setUp() {
    fromTail_ = !options_.fromHead;
    start_ = static_cast<std::int64_t>(readNumber(options_.position)) - 1;
    counter_ = SequenceCounter(readNumber(options_.start), readNumber(options_.step),
                               readNumber(options_.digits));
    return {};
}

void InsertRule::applyToRow(int, FileNameParts& parts) {
    std::u16string text = options_.text;
    if (options_.sequence) Replace(text, u"/N", counter_.next());
    // After the number is in, a stray slash of any other "/N" goes with the forbidden characters.
    removeForbiddenInsertCharacters(text);

    std::u16string& name = parts.name();
    if (!options_.insertIntoName) {
        name = std::move(text);
        return;
    }
    const std::int64_t length = static_cast<std::int64_t>(name.size());
    const std::int64_t s = start_;
    if (!fromTail_) {
        name = s < length ? Left(name, s) + text + Right(name, length - s) : name + text;
    } else {
        name = s < length ? Left(name, length - s) + text + Right(name, s) : text + name;
    }
}

}  // namespace tessary
