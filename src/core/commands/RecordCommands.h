#pragma once
// Saving the operation record (.opr) from the list: the refusal before the save dialog and the
// save after it, with what the window shows of each.

#include <optional>
#include <string_view>

#include "commands/CommandEffects.h"
#include "disk/FileSystem.h"
#include "disk/OprFile.h"
#include "model/FileListModel.h"

namespace tessary {

// Before the save dialog: the platform message for an empty list, or nothing when the save may
// go on.
std::optional<MessageBoxRequest> saveRecordRefusal(const FileListModel& model);
// After the dialog: writes the list to `path` with the saving time `now`. On success pane 1
// reads "提示：操作记录已成功保存到 <path>"; otherwise a platform message says it failed.
CommandEffects saveOperationRecord(const FileListModel& model, FileSystem& fs,
                                   std::u16string_view path, const SavingTime& now);

}  // namespace tessary
