#pragma once
// The preview: the rule of the selected page run over every row of the file list, writing each
// row's proposed name into Preview and "未修改" into Status. Nothing on disk is touched.

#include <memory>
#include <string>

#include "model/FileListModel.h"
#include "rules/PageOptions.h"
#include "rules/RenameRule.h"

namespace tessary {

struct PreviewOutcome {
    enum Kind {
        EmptyList,           // nothing written, Apply left as it is
        Stopped,             // the rule's set-up stopped it: nothing written, Apply as it is
        StoppedWithMessage,  // likewise, and `message` is to be shown
        Completed,           // rows written (or none, when the rule had nothing to do)
    };
    Kind kind = EmptyList;
    std::u16string message;
    bool enableApply = false;
    bool rowsWritten = false;  // every row got its Preview and Status
};

// The rule of a page, or none for a page without one (or the Replace page with neither mode).
std::unique_ptr<RenameRule> makeRule(int pageIndex, const PageOptions& options);

PreviewOutcome runPreview(FileListModel& model, int pageIndex, const PageOptions& options);

}  // namespace tessary
