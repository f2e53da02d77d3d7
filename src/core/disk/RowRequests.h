#pragma once
// The rows of the file list as one batch of renames: each row's file, Path + FileName, is to
// take the name in another of its columns.

#include <string_view>
#include <vector>

#include "disk/RenameBatch.h"
#include "disk/RenamePlan.h"
#include "model/FileListModel.h"

namespace tessary {

// Each row's request, read from the model when it is asked for. The views point into the
// model: plan and run the batch before the model changes.
class RowRequests : public RequestList {
  public:
    RowRequests(const FileListModel& model, int newNameColumn)
        : model_(model), newNameColumn_(newNameColumn) {}
    int size() const override { return model_.rowCount(); }
    RenameRequest at(int row) const override {
        return {model_.text(row, ColPath), model_.text(row, ColFileName),
                model_.text(row, newNameColumn_)};
    }

  private:
    const FileListModel& model_;
    int newNameColumn_;
};

// Where the batch left each row's file: FileName follows it, and Status tells the outcome.
void writeBatchResults(FileListModel& model, const BatchResult& batch, RenameCommand command,
                       int newNameColumn);

// Plans every row's rename to the name in `newNameColumn`, journals and runs it through the
// runner, and writes the results into the rows. False when the journal could not be written:
// then nothing changed.
bool renameRows(FileListModel& model, FileSystem& fs, RenameCommand command, int newNameColumn,
                std::u16string_view journalPath, BatchResult* batch = nullptr,
                BatchRunner& runner = inlineBatchRunner());

// Plans and runs a batch through the runner. The plan is kept: the results point into it.
BatchResult runBatch(BatchRunner& runner, RenamePlan& plan, const RequestList& requests,
                     FileSystem& fs, std::u16string_view journalPath);
// The same for requests kept in a table, which is let go of once planned: the steps carry what
// the renames need.
BatchResult runBatch(BatchRunner& runner, RenamePlan& plan, std::vector<RenameRequest> requests,
                     FileSystem& fs, std::u16string_view journalPath);

inline constexpr char16_t kJournalNotWritten[] =
    u"无法写入改名日志，没有改名任何文件。请检查程序所在的工作文件夹是否可以写入。";

}  // namespace tessary
