#pragma once
// The restore dialog's logic: the rows of one operation record file, checked against the
// disk, and the pass that renames the checked ones back to their earlier names.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/CommandEffects.h"
#include "disk/BatchProgress.h"
#include "disk/FileSystem.h"
#include "disk/OprFile.h"

namespace tessary {

// Column numbers of the restore dialog's list.
enum RestoreColumn : int {
    RestoreColCurrentName = 0,  // "现在文件名"
    RestoreColEarlierName = 1,  // "原始文件名"
    RestoreColSize = 2,         // "文件大小"
    RestoreColFolder = 3,       // "文件路径"
    RestoreColStatus = 4,       // "状态"
};

struct RestoreRow {
    std::u16string currentName;
    std::u16string earlierName;
    std::u16string sizeText;
    std::u16string folder;
    std::u16string status;
    bool checked = true;

    const std::u16string& text(int column) const;
};

struct RestoreColumnInfo {
    std::u16string header;
    int width = 0;
};
std::vector<RestoreColumnInfo> restoreColumns();

inline constexpr char16_t kRestoreInitialPane0[] = u"打开操作记录个数:0";

struct RestoreLoad {
    // False for a file that is not a record file (or cannot be read): the list stays empty,
    // "还原" is disabled and `messageBox` is shown, owned by the dialog.
    bool valid = false;
    std::vector<RestoreRow> rows;  // found files first, in file order; the others after them
    int validCount = 0;            // rows whose file was found
    std::u16string pane0;          // "打开有效操作记录个数:%d"
    std::u16string pane1;          // "该操作记录文件的保存时间：..."
    std::optional<MessageBoxRequest> messageBox;
};

// Reads the record file at `path` and checks every record's file.
RestoreLoad loadRestoreRows(const FileSystem& fs, std::u16string_view path);
// The same for a file already decoded.
RestoreLoad restoreRowsFromContent(const FileSystem& fs, const OprContent& content);

// "还原": renames every checked row from folder + current name to folder + earlier name and
// writes its status. Afterwards "还原" is disabled until the dialog is opened again, unless the
// batch was stopped: then restoring again finishes it.
enum class RestoreRun { JournalNotWritten, Finished, Stopped };
RestoreRun restoreCheckedRows(std::vector<RestoreRow>& rows, FileSystem& fs,
                              std::u16string_view journalPath = {},
                              BatchRunner& runner = inlineBatchRunner());

}  // namespace tessary
