#include "commands/RestoreRows.h"

#include <algorithm>
#include <utility>

#include "disk/RenameBatch.h"
#include "disk/RenamePlan.h"
#include "disk/RowDetails.h"
#include "disk/RowRequests.h"
#include "model/NumberText.h"

namespace tessary {

namespace {

// A record's names must be plain names: a separator or a parent reference would make the
// restore move a file into another folder than the one the record names.
bool isBareName(std::u16string_view name) {
    return !name.empty() && name.find_first_of(u"\\/:") == std::u16string_view::npos &&
           name != u"." && name != u"..";
}

RestoreLoad invalidLoad(std::u16string text) {
    RestoreLoad load;
    load.pane0 = kRestoreInitialPane0;
    MessageBoxRequest box;
    box.text = std::move(text);
    box.icon = MessageBoxRequest::Icon::Error;
    load.messageBox = std::move(box);
    return load;
}

}  // namespace

const std::u16string& RestoreRow::text(int column) const {
    static const std::u16string empty;
    switch (column) {
        case RestoreColCurrentName:
            return currentName;
        case RestoreColEarlierName:
            return earlierName;
        case RestoreColSize:
            return sizeText;
        case RestoreColFolder:
            return folder;
        case RestoreColStatus:
            return status;
        default:
            return empty;
    }
}

std::vector<RestoreColumnInfo> restoreColumns() {
    return {{u"现在文件名", 150},
            {u"原始文件名", 150},
            {u"文件大小", 80},
            {u"文件路径", 150},
            {u"状态", 100}};
}

RestoreLoad restoreRowsFromContent(const FileSystem& fs, const OprContent& content) {
    RestoreLoad load;
    load.valid = true;
    std::vector<RestoreRow> notFound;
    std::u16string path;
    for (const OprRecordView record : content.records) {
        RestoreRow row;
        row.currentName = record.currentName;
        row.earlierName = record.earlierName;
        row.folder = record.folder;
        path.assign(record.folder).append(record.currentName);
        const AttributeQuery query = fs.queryAttributes(path);
        if (query.found()) {
            row.sizeText = sizeTextOfBytes(query.attributes.isFolder ? 0 : query.attributes.size,
                                           /*roundSmallUp=*/false);
            row.status = kStatusLoaded;
            load.rows.push_back(std::move(row));
        } else {
            if (query.result == QueryResult::NotFound) row.status = kStatusToRestoreMissing;
            notFound.push_back(std::move(row));
        }
    }
    load.validCount = static_cast<int>(load.rows.size());
    // Each record that was not found is inserted just below the found ones, so they end up in
    // reverse order of the file.
    load.rows.insert(load.rows.end(), std::make_move_iterator(notFound.rbegin()),
                     std::make_move_iterator(notFound.rend()));
    load.pane0 = u"打开有效操作记录个数:" + decimalText(load.validCount);
    const SavingTime& t = content.time;
    load.pane1 = u"该操作记录文件的保存时间：" + decimalText(t.year) + u"年" +
                 decimalText(t.month) + u"月" + decimalText(t.day) + u"日 " + decimalText(t.hour) +
                 u":" + decimalText(t.minute);
    return load;
}

RestoreLoad loadRestoreRows(const FileSystem& fs, std::u16string_view path) {
    const OprFileRead read = readOprFile(fs, path);
    if (!read.opened) return invalidLoad(u"提示：无法打开操作记录文件 " + std::u16string(path));
    if (!read.content) return invalidLoad(kOprInvalidFileMessage);
    return restoreRowsFromContent(fs, *read.content);
}

RestoreRun restoreCheckedRows(std::vector<RestoreRow>& rows, FileSystem& fs,
                              std::u16string_view journalPath, BatchRunner& runner) {
    std::vector<RenameRequest> requests;
    std::vector<std::size_t> rowOfRequest;
    std::vector<std::size_t> unsafe;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const RestoreRow& row = rows[i];
        if (!row.checked) continue;
        if (!isBareName(row.currentName) || !isBareName(row.earlierName)) {
            unsafe.push_back(i);
            continue;
        }
        requests.push_back({row.folder, row.currentName, row.earlierName});
        rowOfRequest.push_back(i);
    }
    RenamePlan plan;
    const BatchResult batch = runBatch(runner, plan, std::move(requests), fs, journalPath);
    if (!batch.ran) return RestoreRun::JournalNotWritten;
    for (const std::size_t i : unsafe) rows[i].status = kStatusFailed;
    for (std::size_t r = 0; r < rowOfRequest.size(); ++r) {
        RestoreRow& row = rows[rowOfRequest[r]];
        const RowResult& result = batch.rows[r];
        row.status = batchStatusText(RenameCommand::Restore, result);
        if (result.end == RowEnd::Renamed) row.currentName = row.earlierName;
        if (result.end == RowEnd::Aside) row.currentName = batch.asideName(static_cast<int>(r));
    }
    return batch.stopped ? RestoreRun::Stopped : RestoreRun::Finished;
}

}  // namespace tessary
