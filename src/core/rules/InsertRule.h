#pragma once
// The Insert page: a text, perhaps carrying a running number for "/N", inserted at a position
// counted from the head or the tail of the name, or replacing the whole name.

#include <string>
#include <vector>

#include "rules/PageOptions.h"
#include "rules/RenameRule.h"
#include "rules/SequenceCounter.h"

namespace tessary {

// Removes the characters a file name may not hold (the slash among them).
void removeForbiddenInsertCharacters(std::u16string& text);

class InsertRule : public RenameRule {
  public:
    explicit InsertRule(InsertOptions options) : options_(std::move(options)) {}
    SetupOutcome setUp() override;
    void applyToRow(int row, FileNameParts& parts) override;

  private:
    InsertOptions options_;
    bool fromTail_ = false;
    std::int64_t start_ = 0;  // 0-based insertion position
    SequenceCounter counter_;
    // The text cut at each "/N" the number goes into, its forbidden characters gone; the
    // number has none, so joining the pieces with it gives the cleaned whole.
    std::vector<std::u16string> pieces_;
    std::u16string text_;  // the text of the current row, kept to reuse its buffer
};

}  // namespace tessary
