#pragma once
// Apply, undo and the single-file rename: the commands that rename the listed files on disk
// and report each row's outcome in its Status column. Each returns what the window must then
// do with its buttons and fields. The batches are planned whole (swaps, chains and cycles
// work, conflicts are refused before anything moves) and, given a journal path, journaled.

#include <string>
#include <string_view>

#include "commands/CommandEffects.h"
#include "disk/BatchProgress.h"
#include "disk/FileSystem.h"
#include "model/FileListModel.h"

namespace tessary {

// Button "应用": renames every row from Path + FileName to Path + Preview. A renamed row takes
// its Preview as FileName; every row's Status tells its outcome, and the plan pane counts
// them. Afterwards Apply is disabled, Undo enabled and the new-extension field emptied (on an
// empty list only Apply is disabled). A batch stopped part way keeps Apply enabled and the
// field as it was, so that applying again finishes it; its rows not reached read "未修改".
// When the journal cannot be written nothing is renamed and a message says so.
CommandEffects applyRenames(FileListModel& model, FileSystem& fs,
                            std::u16string_view journalPath = {},
                            BatchRunner& runner = inlineBatchRunner());

// Button "撤销": renames every row back to its OriginalName and empties every Preview, then
// disables Undo. A batch stopped part way keeps Undo enabled and the Preview of the rows it
// did not reach.
CommandEffects undoRenames(FileListModel& model, FileSystem& fs,
                           std::u16string_view journalPath = {},
                           BatchRunner& runner = inlineBatchRunner());

enum class SingleRenameOrigin { DoubleClick, Menu };

// Whether the single-file rename dialog opens for the current row.
struct SingleRenameStart {
    enum class Kind {
        Nothing,     // a double click that hit no row: nothing happens
        OpenDialog,  // open the dialog with `text`, the row's FileName
        Message,     // show `text` in the message dialog instead
    };
    Kind kind = Kind::Nothing;
    std::u16string text;
};

SingleRenameStart startSingleRename(const FileListModel& model, int currentRow,
                                    SingleRenameOrigin origin);

// After the dialog's OK: renames row `row` from Path + FileName to Path + newName. On success
// the Status reads "成功" (double click) or "改名成功" (menu), FileName takes the new name and
// Undo is enabled; otherwise the Status tells why and nothing else changes.
CommandEffects renameSingleFile(FileListModel& model, FileSystem& fs, int row,
                                std::u16string_view newName, SingleRenameOrigin origin);

}  // namespace tessary
