#pragma once
// The Delete page: a run of characters deleted at a position counted from the head or the tail.

#include "rules/PageOptions.h"
#include "rules/RenameRule.h"

namespace tessary {

class DeleteRule : public RenameRule {
  public:
    explicit DeleteRule(DeleteOptions options) : options_(std::move(options)) {}
    SetupOutcome setUp() override;
    void applyToRow(int row, FileNameParts& parts) override;

  private:
    enum class Direction { None, Head, Tail };
    DeleteOptions options_;
    Direction direction_ = Direction::None;
    std::int64_t count_ = 0;
    std::int64_t start_ = 0;
};

}  // namespace tessary
