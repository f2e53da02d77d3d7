#include "rules/InsertRule.h"

#include <algorithm>

#include "model/NumberText.h"
#include "model/StringPrimitives.h"

namespace tessary {

void removeForbiddenInsertCharacters(std::u16string& text) {
    std::erase_if(text, [](char16_t c) {
        switch (c) {
            case u'/':
            case u'\\':
            case u'|':
            case u':':
            case u'?':
            case u'*':
            case u'<':
            case u'>':
            case u'"':
                return true;
            default:
                return false;
        }
    });
}

SetupOutcome InsertRule::setUp() {
    fromTail_ = !options_.fromHead;
    start_ = static_cast<std::int64_t>(readNumber(options_.position)) - 1;
    counter_ = SequenceCounter(readNumber(options_.start), readNumber(options_.step),
                               readNumber(options_.digits));
    return {};
}

void InsertRule::applyToRow(int, FileNameParts& parts) {
    std::u16string& text = text_;
    text.assign(options_.text);
    if (options_.sequence) Replace(text, u"/N", counter_.next());
    // After the number is in, a stray slash of any other "/N" goes with the forbidden characters.
    removeForbiddenInsertCharacters(text);

    std::u16string& name = parts.name();
    if (!options_.insertIntoName) {
        name.assign(text);
        return;
    }
    // Inserting in place gives what Left(name, at) + text + Right(name, length - at) gives,
    // with the positions clamped as those primitives clamp them.
    const std::int64_t length = static_cast<std::int64_t>(name.size());
    const std::int64_t s = start_;
    std::int64_t at;
    if (!fromTail_) {
        at = s < 0 ? 0 : (s < length ? s : length);
    } else {
        at = s < 0 ? length : (s < length ? length - s : 0);
    }
    name.insert(static_cast<std::size_t>(at), text);
}

}  // namespace tessary
