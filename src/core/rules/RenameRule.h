#pragma once
// The contract between the preview and one page's rule: a set-up step that reads the options
// once and may stop the whole preview, and a per-row step that edits the row's name parts.

#include <memory>
#include <string>

#include "model/FileNameParts.h"

namespace tessary {

struct SetupOutcome {
    enum Kind {
        Continue,         // run every row
        SkipRows,         // nothing to do: no row is written, but the preview still completes
        StopSilently,     // stop the preview: nothing written, Apply left as it is
        StopWithMessage,  // likewise, after showing `message`
    };
    Kind kind = Continue;
    std::u16string message;
};

class RenameRule {
  public:
    virtual ~RenameRule() = default;
    virtual SetupOutcome setUp() = 0;
    virtual void applyToRow(int row, FileNameParts& parts) = 0;
    // The swap rule of the Basic page produces its text with the swapped join.
    virtual bool usesSwappedJoin() const { return false; }
};

}  // namespace tessary
