#include "disk/PreviewCheck.h"

#include "disk/RowRequests.h"
#include "model/NumberText.h"

namespace tessary {

std::u16string previewStatusText(const RowPlan& row) {
    const auto rowNumber = [&row] { return decimalText(row.otherRow + 1); };
    switch (row.verdict) {
        case RowVerdict::Unchanged:
        case RowVerdict::Rename:
            break;
        case RowVerdict::SameNewName:
            return u"冲突:与第" + rowNumber() + u"行的新名相同";
        case RowVerdict::NameTaken:
            return u"冲突:已有同名文件";
        case RowVerdict::SameFile:
            return u"冲突:与第" + rowNumber() + u"行是同一个文件";
        case RowVerdict::SourceMissing:
            return u"无效:原文件不存在";
        case RowVerdict::InvalidName:
            return u"无效:" + std::u16string(nameProblemWords(row.problem));
    }
    return kStatusUnchanged;
}

PreviewCheck checkPreview(FileListModel& model, const FileSystem& fs, BatchRunner& runner) {
    const RowRequests requests(model, ColPreview);
    RenamePlan plan;
    runner.run(model.rowCount(), BatchWork::PreviewCheck, [&](BatchProgress& progress) {
        plan = planRenames(requests, fs, &progress, PlanUse::VerdictsOnly);
    });
    PreviewCheck check;
    check.stopped = !plan.complete;
    for (int row = 0; row < model.rowCount(); ++row) {
        const RowPlan& p = plan.rows[static_cast<std::size_t>(row)];
        if (p.verdict == RowVerdict::Rename) ++check.renamed;
        if (!p.refused()) continue;
        ++check.refused;
        model.setText(row, ColStatus, previewStatusText(p));
    }
    check.paneText = withStopMark(check.stopped, previewPaneText(check.renamed, check.refused));
    return check;
}

std::u16string withStopMark(bool stopped, std::u16string text) {
    return stopped ? kStoppedMark + text : text;
}

std::u16string previewPaneText(int renamed, int refused) {
    return u"将改名" + decimalText(renamed) + u"个，拒绝" + decimalText(refused) + u"个";
}

}  // namespace tessary
