#pragma once
// The Basic page: one new main name with a counter, a new extension, no extension, or main name
// and extension swapped.

#include "rules/PageOptions.h"
#include "rules/RenameRule.h"

namespace tessary {

class BasicRule : public RenameRule {
  public:
    explicit BasicRule(BasicOptions options) : options_(std::move(options)) {}
    SetupOutcome setUp() override;
    void applyToRow(int row, FileNameParts& parts) override;
    bool usesSwappedJoin() const override { return kind_ == Kind::Swap; }

  private:
    enum class Kind { None, NewName, NewExtension, DeleteExtension, Swap };
    BasicOptions options_;
    Kind kind_ = Kind::None;
};

}  // namespace tessary
