#include "rules/BasicRule.h"

namespace tessary {

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
        case Kind::Swap:
        case Kind::None:
            break;
    }
}

}  // namespace tessary
