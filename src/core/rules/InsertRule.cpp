#include "rules/InsertRule.h"

#include <algorithm>

#include "model/NumberText.h"

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
    // Cut once here rather than searched for and cleaned again on each of 200,000 rows.
    pieces_.clear();
    const std::u16string_view text = options_.text;
    std::size_t from = 0;
    if (options_.sequence) {
        for (std::size_t at = text.find(u"/N"); at != std::u16string_view::npos;
             at = text.find(u"/N", from)) {
            pieces_.emplace_back(text.substr(from, at - from));
            from = at + 2;
        }
    }
    pieces_.emplace_back(text.substr(from));
    for (std::u16string& piece : pieces_) removeForbiddenInsertCharacters(piece);
    return {};
}

void InsertRule::applyToRow(int, FileNameParts& parts) {
    std::u16string& text = text_;
    text.assign(pieces_.front());
    if (pieces_.size() > 1) {
        const std::u16string& number = counter_.next();
        for (std::size_t i = 1; i < pieces_.size(); ++i) text.append(number).append(pieces_[i]);
    }

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
