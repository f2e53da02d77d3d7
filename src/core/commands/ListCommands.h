#pragma once
// The commands that act on the file list as a list: clearing it, removing rows, moving the
// current row, and exporting every row to a text file. The selection and the current row are
// the window's; they come in as arguments.

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "commands/CommandEffects.h"
#include "commands/MemoEncoder.h"
#include "commands/RecordedHistory.h"
#include "disk/FileSystem.h"
#include "model/AnsiCodePage.h"
#include "model/FileListModel.h"
#include "model/RowSelection.h"

namespace tessary {

// "列表中的文件数:%d个", the file count label of pane 0.
std::u16string fileCountText(int rows);

// "清空列表(&E)" (32800, 32809, 32820): deletes every row, sets the file counter to 0, empties
// the recorded history; the new-extension field and pane 0 are reset and Apply is disabled.
CommandEffects clearList(FileListModel& model, int& fileCounter, RecordedHistory& history);
// Button 1004: the same without the file count label and the Apply button.
CommandEffects clearListShort(FileListModel& model, int& fileCounter, RecordedHistory& history);

// "从列表中移除选定的项(&R)" (32808, 32812, 32821).
CommandEffects removeSelectedRows(FileListModel& model, int& fileCounter,
                                  const RowSelection& selected);
// "从列表中移除未选定的项(&M)" (32857).
CommandEffects removeUnselectedRows(FileListModel& model, int& fileCounter,
                                    const RowSelection& selected);

struct MoveResult {
    bool moved = false;
    // When moved: the current row becomes `currentRow`, which is to be selected and focused;
    // the row displaced by it now sits at `displacedRow` and keeps its own selection state.
    int currentRow = -1;
    int displacedRow = -1;
    CommandEffects effects;  // the boundary message when the row could not move
};

// "△" (9000) and "▽" (9001), also buttons 1148 and 1149, on the current row (-1 for none).
// The row keeps every column text, tag columns included. The window gives the list the focus
// first, whatever the result.
MoveResult moveRowUp(FileListModel& model, int currentRow);
MoveResult moveRowDown(FileListModel& model, int currentRow);

// Open folder (32843): the parameters for "explorer.exe" with the verb "open" - " /e,/select,"
// and the row's Path and FileName - or empty when there is no current row or its name is empty.
std::u16string openFolderParameters(const FileListModel& model, int currentRow);
// Open file (32849): Path + FileName of the current row, empty for none.
std::u16string openFilePath(const FileListModel& model, int currentRow);
// The parameters for "rundll32.exe" when no program is associated with the file.
std::u16string openWithParameters(std::u16string_view path);

// Export (32858). Before the save dialog: the message for an empty list, or nothing.
std::optional<std::u16string> exportRefusal(const FileListModel& model);
// One row's line: FileName, Preview, Size, Path, Status, Date Modified and Extension joined by
// "?", without its line end.
std::u16string exportLine(const FileListModel& model, int row);
// The whole export file: every line in the ANSI code page, each ended by CR LF.
std::string exportFileBytes(const FileListModel& model, const AnsiCodePage& codePage);
// The same bytes in order, about a megabyte of whole lines at a time, so that the whole file
// is never in memory. A chunk stays as it is until the second next() after it, so that it can
// be written while the next one is made.
class ExportChunks {
  public:
    ExportChunks(const FileListModel& model, const AnsiCodePage& codePage);
    ~ExportChunks();
    // The next chunk; empty after the last row.
    std::string_view next();

  private:
    struct Encoder;
    const FileListModel& model_;
    std::unique_ptr<Encoder> encoder_;
    std::array<EncodedBytes, 2> chunks_;
    int filling_ = 1;
    int row_ = 0;
};
// "      导出成功:导出到<path>.    共导出<n>条记录"
std::u16string exportDoneMessage(std::u16string_view path, int rows);
// After the dialog: writes the file and returns the final message (or, when the file could
// not be written, a message saying so).
CommandEffects exportList(const FileListModel& model, FileSystem& fs, const AnsiCodePage& codePage,
                          std::u16string_view path);

// "刷新列表(&F)" (32859): empties every Preview and sets Status to "未修改" for files that
// are there and "文件不存在" for files that are not; other failures leave Status alone. Then
// disables Apply. An empty list is left as it is.
CommandEffects refreshList(FileListModel& model, const FileSystem& fs);

}  // namespace tessary
