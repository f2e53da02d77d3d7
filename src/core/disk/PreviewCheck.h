#pragma once
// The preview's look ahead: after the new names are written, every row that Apply would refuse
// shows why in its Status, and the window's last status pane tells how many rows will be
// renamed and how many are refused.

#include <string>

#include "disk/BatchProgress.h"
#include "disk/FileSystem.h"
#include "disk/RenamePlan.h"
#include "model/FileListModel.h"

namespace tessary {

struct PreviewCheck {
    int renamed = 0;
    int refused = 0;
    bool stopped = false;     // the counts are then those of the folders checked
    std::u16string paneText;  // "将改名%d个，拒绝%d个", after "已停止：" when stopped
};

// The Status text the preview gives a row of the plan: "未修改" for a row Apply renames or
// leaves alone, otherwise its reason ("冲突:与第N行的新名相同", "冲突:已有同名文件", "无效:...").
std::u16string previewStatusText(const RowPlan& row);

// "将改名%d个，拒绝%d个".
std::u16string previewPaneText(int renamed, int refused);

// "已停止：" before a status pane's text when its batch was stopped.
std::u16string withStopMark(bool stopped, std::u16string text);

// Plans the list's Preview names against the disk and writes each refused row's reason. The
// reading of the folders runs where `runner` says and stops between two folders when asked:
// the rows of the folders not checked are left as they are.
PreviewCheck checkPreview(FileListModel& model, const FileSystem& fs,
                          BatchRunner& runner = inlineBatchRunner());

}  // namespace tessary
