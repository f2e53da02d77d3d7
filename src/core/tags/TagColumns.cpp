#include "tags/TagColumns.h"

namespace tessary {

namespace {

void putColumns(FileListModel& model, int row, const std::u16string_view (&texts)[6]) {
    int column = ColTitle;
    for (std::u16string_view text : texts) {
        if (column < model.columnCount()) model.setText(row, column, text);
        ++column;
    }
}

}  // namespace

std::u16string rowFilePath(const FileListModel& model, int row) {
    return joined({model.text(row, ColPath), model.text(row, ColFileName)});
}

void putTagColumns(FileListModel& model, int row, const Mp3TagRecord& record) {
    const std::u16string genre = record.genreText();
    const std::u16string_view texts[6] = {record.title(), record.artist(), record.album(),
                                          record.year(),  genre,           record.trackText()};
    putColumns(model, row, texts);
}

void refreshTagColumns(FileListModel& model, bool show, TagFiles& files,
                       const AnsiCodePage& codePage) {
    if (!show) {
        if (model.columnCount() > kFixedColumnCount) {
            for (int column = ColTrack; column >= ColTitle; --column) model.deleteColumn(column);
        }
        return;
    }
    if (model.columnCount() <= kFixedColumnCount) {
        int column = ColTitle;
        for (ColumnInfo& info : FileListModel::tagColumns()) {
            model.insertColumn(column++, std::move(info.header), info.width);
        }
    }
    // The count is read afresh after every row, as every loop over the list does.
    for (int row = 0; row < model.rowCount(); ++row) {
        Mp3TagRecord record(rowFilePath(model, row));
        record.read(files, codePage);
        if (!record.opened()) continue;
        if (record.isMp3() && record.hasTag()) {
            putTagColumns(model, row, record);
            continue;
        }
        // What the columns showed before is no longer the file's tag.
        const std::u16string_view empty[6] = {};
        putColumns(model, row, empty);
        model.setText(row, ColStatus, record.isMp3() ? kStatusNoTag : kStatusNotMp3);
    }
}

}  // namespace tessary
