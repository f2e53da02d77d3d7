#pragma once
// The Replace page's by-text rule with "正则表达式" checked: every match of an ECMAScript regular
// expression, left to right, replaced by the new text, in which $1 to $9 stand for the groups
// and $& for the whole match.

// GCC 12 warns of a member that may be used uninitialized deep inside <regex>; it is not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <regex>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#include <string>
#include <string_view>

#include "rules/PageOptions.h"
#include "rules/RenameRule.h"

namespace tessary {

inline constexpr char16_t kRegexFault[] = u"正则表达式有误:";

class RegexReplaceRule : public RenameRule {
  public:
    explicit RegexReplaceRule(ReplaceOptions options) : options_(std::move(options)) {}
    // An invalid expression stops the preview with a message that names the fault.
    SetupOutcome setUp() override;
    void applyToRow(int row, FileNameParts& parts) override;

  private:
    ReplaceOptions options_;
    std::wregex expression_;
    std::wstring format_;
    std::wstring name_;  // the row's name, reused from row to row
};

}  // namespace tessary
