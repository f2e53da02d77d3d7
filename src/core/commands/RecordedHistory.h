#pragma once
// The recorded apply and undo: an apply that keeps a history of what each batch renamed, and
// an undo that takes the newest batch back, rebuilding names from the extension texts that
// batch recorded.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/CommandEffects.h"
#include "disk/BatchProgress.h"
#include "disk/FileSystem.h"
#include "model/FileListModel.h"

namespace tessary {

// A row renamed by a recorded apply, with what it was given: before touching it again the
// undo checks that the row still names the same file.
struct RecordedRow {
    int row = 0;
    std::u16string path;      // the row's Path at the time
    std::u16string fileName;  // the FileName the batch gave it
};

struct HistoryEntry {
    int sequence = 0;
    std::u16string oldExtension;    // the previous entry's new extension; empty for the first
    std::u16string newExtension;    // the new-extension field when the batch ran
    std::vector<RecordedRow> rows;  // every row the batch renamed, in row order
};

// Lives as long as the main window; emptied with the list. Unlimited: every recorded apply
// adds an entry, every recorded undo removes the newest.
class RecordedHistory {
  public:
    int count() const { return static_cast<int>(entries_.size()); }
    bool empty() const { return entries_.empty(); }
    const HistoryEntry& newest() const { return entries_.back(); }
    HistoryEntry& newest() { return entries_.back(); }
    const std::vector<HistoryEntry>& entries() const { return entries_; }

    void clear() { entries_.clear(); }
    void push(HistoryEntry entry) { entries_.push_back(std::move(entry)); }
    void popNewest() { entries_.pop_back(); }

  private:
    std::vector<HistoryEntry> entries_;
};

inline constexpr char16_t kRecordedApplyQuestion[] =
    u"提示：是否保存这次命名操作？如果您选择'是'，则将把本次命名操作保存到磁盘文件，\r\n"
    u"这样您以后可以还原这次命名操作；如果选择'否'，则不保存。建议保存。";
inline constexpr char16_t kRecordedApplyNotSavedHint[] =
    u"提示：您没有保存这次命名操作，如果需要保存，请选择'更名选项'->'保存操作记录...'菜单项。";

struct RecordedApplyResult {
    // False when nothing was renamed (an empty list, or the same new extension as the newest
    // entry): then nothing is to be asked.
    bool ran = false;
    // When the journal could not be written: nothing was renamed and this is to be shown.
    std::optional<std::u16string> message;
    // When it ran: ask kRecordedApplyQuestion in the platform's message box (information icon,
    // Yes and No, caption "Tessary1.0"). On Yes run the save operation record command; on No
    // apply recordedApplyDeclined().
    std::u16string question;
    // When it ran: the status bar's account of the batch.
    std::u16string planPane;
};

// Commands 32783 and 32802. `newExtensionField` is the text of edit 1009.
RecordedApplyResult recordedApply(FileListModel& model, FileSystem& fs, RecordedHistory& history,
                                  std::u16string_view newExtensionField,
                                  std::u16string_view journalPath = {},
                                  BatchRunner& runner = inlineBatchRunner());
// The No answer to the recorded apply's question: pane 0 gets the hint.
CommandEffects recordedApplyDeclined();

// Commands 32786 and 32807: renames the rows of the newest entry back and removes the entry.
// A row that no longer exists, or no longer holds the name the entry gave it, reads "失败"
// and its file is left alone. A batch stopped part way keeps the entry with the rows it did not
// reach, so that the next recorded undo takes back the rest.
CommandEffects recordedUndo(FileListModel& model, FileSystem& fs, RecordedHistory& history,
                            std::u16string_view journalPath = {},
                            BatchRunner& runner = inlineBatchRunner());

}  // namespace tessary
