#pragma once
// The Advanced page: replacing the part of a name that occurrences of a separator delimit.
// Mode 1 replaces what lies before the N-th separator (inverted: the N-th separator and what
// follows it); mode 2 replaces what lies between the from-th and the to-th separator.

#include <vector>

#include "rules/PageOptions.h"
#include "rules/RenameRule.h"

namespace tessary {

inline constexpr char16_t kMessageEndNotAfterStart[] = u"终止值应该大于开始值，请检查后重试！";

// Positions of every occurrence of separator in name; each search starts one unit after the
// last match, so occurrences may overlap, and an empty separator is found at 0 to length.
std::vector<std::size_t> separatorPositions(std::u16string_view name,
                                            std::u16string_view separator);

class AdvancedRule : public RenameRule {
  public:
    explicit AdvancedRule(AdvancedOptions options) : options_(std::move(options)) {}
    SetupOutcome setUp() override;
    void applyToRow(int row, FileNameParts& parts) override;

  private:
    AdvancedOptions options_;
    std::int64_t n_ = 0;
    std::int64_t from_ = 0;
    std::int64_t to_ = 0;
    std::vector<std::size_t> positions_;  // reused from row to row
};

}  // namespace tessary
