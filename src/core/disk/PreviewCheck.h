#pragma once
// The preview's look ahead: after the new names are written, every row that Apply would refuse
// shows why in its Status, and the window's last status pane tells how many rows will be
// renamed and how many are refused.

#include <string>

#include "disk/FileSystem.h"
#include "disk/RenamePlan.h"
#include "model/FileListModel.h"

namespace tessary {

struct PreviewCheck {
    int renamed = 0;
    int refused = 0;
    std::u16string paneText;  // "将改名%d个，拒绝%d个"
};

// The Status text the preview gives a row of the plan: "未修改" for a row Apply renames or
// leaves alone, otherwise its reason ("冲突:与第N行的新名相同", "冲突:已有同名文件", "无效:...").
std::u16string previewStatusText(const RowPlan& row);

// "将改名%d个，拒绝%d个".
std::u16string previewPaneText(int renamed, int refused);

// Plans the list's Preview names against the disk and writes each refused row's reason.
PreviewCheck checkPreview(FileListModel& model, const FileSystem& fs);

}  // namespace tessary
