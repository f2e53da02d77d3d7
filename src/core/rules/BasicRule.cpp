#include "rules/BasicRule.h"

namespace tessary {
namespace {

bool isUpper(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'\uFF21' && c <= u'\uFF3A'); }
bool isLower(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'\uFF41' && c <= u'\uFF5A'); }
bool isDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'\uFF10' && c <= u'\uFF19'); }
bool inWord(char16_t c) {
    return isUpper(c) || isLower(c) || isDigit(c) || c == u'\'' || c == u'\u2019';
}
// Upper and lower case letters lie 32 apart, in ASCII as in the full-width forms.
char16_t toUpper(char16_t c) { return isLower(c) ? static_cast<char16_t>(c - 32) : c; }
char16_t toLower(char16_t c) { return isUpper(c) ? static_cast<char16_t>(c + 32) : c; }

}  // namespace

std::u16string changeCase(std::u16string_view text, LetterCase letterCase) {
    std::u16string out(text);
    bool wordStarted = false;
    for (char16_t& c : out) {
        switch (letterCase) {
            case LetterCase::Upper:
                c = toUpper(c);
                break;
            case LetterCase::Lower:
                c = toLower(c);
                break;
            case LetterCase::Title:
                c = wordStarted ? toLower(c) : toUpper(c);
                break;
        }
        wordStarted = inWord(c);
    }
    return out;
}

SetupOutcome BasicRule::setUp() {
    // The radios are tested in this order; the first checked one decides.
    if (options_.newNameChecked) {
        kind_ = Kind::NewName;
    } else if (options_.newExtensionChecked) {
        kind_ = Kind::NewExtension;
    } else if (options_.deleteExtensionChecked) {
        kind_ = Kind::DeleteExtension;
    } else if (options_.swapChecked) {
        kind_ = Kind::Swap;
    } else if (options_.caseChecked) {
        kind_ = Kind::ChangeCase;
    } else {
        kind_ = Kind::None;
    }
    return {};
}

void BasicRule::applyToRow(int row, FileNameParts& parts) {
    switch (kind_) {
        case Kind::NewName:
            parts.setMainName(options_.newName);
            // The top row keeps the bare name; every later row is told apart by its index.
            if (row >= 1) parts.appendCounter(row);
            break;
        case Kind::NewExtension:
            parts.setExtension(options_.newExtension);
            break;
        case Kind::DeleteExtension:
            parts.setExtension({});
            break;
        case Kind::ChangeCase:
            if (options_.caseObject != CaseObject::Extension) {
                parts.setMainName(changeCase(parts.mainName(), options_.letterCase));
            }
            if (options_.caseObject != CaseObject::Name) {
                parts.setExtension(changeCase(parts.extension(), options_.letterCase));
            }
            break;
        case Kind::Swap:
        case Kind::None:
            break;
    }
}

}  // namespace tessary
