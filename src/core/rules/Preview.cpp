#include "rules/Preview.h"

#include "rules/AdvancedRule.h"
#include "rules/BasicRule.h"
#include "rules/DeleteRule.h"
#include "rules/InsertRule.h"
#include "rules/RegexReplaceRule.h"
#include "rules/ReplaceRules.h"

namespace tessary {

std::unique_ptr<RenameRule> makeRule(int pageIndex, const PageOptions& options) {
    switch (pageIndex) {
        case PageBasic:
            return std::make_unique<BasicRule>(options.basic);
        case PageInsert:
            return std::make_unique<InsertRule>(options.insert);
        case PageDelete:
            return std::make_unique<DeleteRule>(options.del);
        case PageReplace:
            if (options.replace.byText && options.replace.regex) {
                return std::make_unique<RegexReplaceRule>(options.replace);
            }
            if (options.replace.byText) return std::make_unique<ReplaceByTextRule>(options.replace);
            if (options.replace.byPosition) {
                return std::make_unique<ReplaceByPositionRule>(options.replace);
            }
            return nullptr;
        case PageAdvanced:
            return std::make_unique<AdvancedRule>(options.advanced);
        default:
            return nullptr;
    }
}

PreviewOutcome runPreview(FileListModel& model, int pageIndex, const PageOptions& options) {
    if (model.rowCount() == 0) return {};

    std::unique_ptr<RenameRule> rule = makeRule(pageIndex, options);
    bool runRows = rule != nullptr;
    if (rule) {
        SetupOutcome setup = rule->setUp();
        switch (setup.kind) {
            case SetupOutcome::StopSilently:
                return {PreviewOutcome::Stopped, {}, false, false};
            case SetupOutcome::StopWithMessage:
                return {PreviewOutcome::StoppedWithMessage, std::move(setup.message), false, false};
            case SetupOutcome::SkipRows:
                runRows = false;
                break;
            case SetupOutcome::Continue:
                break;
        }
    }

    if (runRows) {
        const bool editExtension = options.editExtension && pageIndex != PageBasic;
        const bool swapped = rule->usesSwappedJoin();
        // One parts object serves every row, reusing its buffers. The row count is read again
        // for every row.
        FileNameParts parts;
        for (int row = 0; row < model.rowCount(); ++row) {
            parts.assignFileName(model.text(row, ColFileName));
            if (editExtension) parts.selectExtension();
            rule->applyToRow(row, parts);
            model.setText(row, ColPreview, swapped ? parts.joinSwapped() : parts.join());
            model.setText(row, ColStatus, kStatusUnchanged);
        }
    }
    return {PreviewOutcome::Completed, {}, pageIndex >= 0, runRows};
}

}  // namespace tessary
