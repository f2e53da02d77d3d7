#pragma once
// The Replace page's two rules: every occurrence of a text, or a run of characters at a position
// (or, inverted, what lies before and after that run).

#include "rules/PageOptions.h"
#include "rules/RenameRule.h"

namespace tessary {

class ReplaceByTextRule : public RenameRule {
  public:
    explicit ReplaceByTextRule(ReplaceOptions options) : options_(std::move(options)) {}
    SetupOutcome setUp() override;
    void applyToRow(int row, FileNameParts& parts) override;

  private:
    ReplaceOptions options_;
};

class ReplaceByPositionRule : public RenameRule {
  public:
    explicit ReplaceByPositionRule(ReplaceOptions options) : options_(std::move(options)) {}
    SetupOutcome setUp() override;
    void applyToRow(int row, FileNameParts& parts) override;

  private:
    ReplaceOptions options_;
    std::int64_t count_ = 0;
    std::int64_t start_ = 0;
};

}  // namespace tessary
