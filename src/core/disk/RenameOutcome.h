#pragma once
// The result of renaming one file, and the Status text each command writes for it. Apply,
// undo, restore and the single-file rename all go through one rename operation; they differ
// only in the words they put into the row.

#include <cstdint>
#include <string_view>

namespace tessary {

enum class RenameOutcome : std::uint8_t {
    Renamed,
    SourceMissing,  // the file, its folder or its drive is not there, or the path is malformed
    TargetExists,   // something already has the new name; nothing was changed
    AccessDenied,   // refused, in use by another program, write-protected, not ready
    OtherFailure,   // anything else, such as a name the file system refuses
};

// The commands that rename files, each with its own column of status texts.
enum class RenameCommand {
    Apply,              // button "应用"
    RecordedApply,      // the recorded apply that keeps a history
    DoubleClickRename,  // single-file rename opened by a double click
    MenuRename,         // single-file rename opened from the context menu
    Undo,               // button "撤销"
    Restore,            // the restore dialog's "还原"
    RecordedUndo,       // the recorded undo: only "成功" or "失败"
};

std::u16string_view statusText(RenameCommand command, RenameOutcome outcome);

// Other Status texts of the file list and of the restore dialog.
inline constexpr char16_t kStatusFileMissing[] = u"文件不存在";
inline constexpr char16_t kStatusLoaded[] = u"成功载入";
inline constexpr char16_t kStatusToRestoreMissing[] = u"拟还原文件不存在";
inline constexpr char16_t kStatusSucceeded[] = u"成功";
inline constexpr char16_t kStatusFailed[] = u"失败";

}  // namespace tessary
