#pragma once
// The Basic page: one new main name with a counter, a new extension, no extension, main name
// and extension swapped, or the letters' case changed.

#include <string>
#include <string_view>

#include "rules/PageOptions.h"
#include "rules/RenameRule.h"

namespace tessary {

// The text with its Latin letters, half-width and full-width, in the case asked for; Title makes
// the first letter of each word upper case and the rest lower case. A word is a run of letters,
// digits and apostrophes. Other characters, Chinese ones among them, are kept.
std::u16string changeCase(std::u16string_view text, LetterCase letterCase);

class BasicRule : public RenameRule {
  public:
    explicit BasicRule(BasicOptions options) : options_(std::move(options)) {}
    SetupOutcome setUp() override;
    void applyToRow(int row, FileNameParts& parts) override;
    bool usesSwappedJoin() const override { return kind_ == Kind::Swap; }

  private:
    enum class Kind { None, NewName, NewExtension, DeleteExtension, Swap, ChangeCase };
    BasicOptions options_;
    Kind kind_ = Kind::None;
};

}  // namespace tessary
