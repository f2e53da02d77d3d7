#include "tags/TagBulkEdit.h"

#include <string>

#include "model/NumberText.h"
#include "tags/Mp3TagRecord.h"
#include "tags/TagColumns.h"

namespace tessary {

namespace {

void keepIfNotEmpty(std::u16string& field, const std::u16string& value) {
    if (!value.empty()) field = value;
}

}  // namespace

std::optional<BulkList> collectBulkList(const FileListModel& model, const RowSelection& selected) {
    if (model.rowCount() == 0) return std::nullopt;
    std::vector<bool> isSelected(static_cast<std::size_t>(model.rowCount()), false);
    for (int row : selected) {
        if (model.hasRow(row)) isSelected[static_cast<std::size_t>(row)] = true;
    }
    BulkList list;
    for (int row = model.rowCount() - 1; row >= 0; --row) {
        if (isSelected[static_cast<std::size_t>(row)]) {
            list.push_back(BulkEntry{rowFilePath(model, row), row});
        }
    }
    return list;
}

std::u16string tagFileCountText(std::size_t files) {
    return u"The number of files is " + decimalText(static_cast<long long>(files));
}

TagEditorOpening openTagEditor(const BulkList& files, TagFiles& tagFiles,
                               const AnsiCodePage& codePage) {
    TagEditorOpening opening;
    const bool several = files.size() > 1;
    auto check = [&](TagField f, bool on) { opening.checked[fieldSlot(f)] = on; };
    check(TagField::Artist, several);
    check(TagField::Album, several);
    check(TagField::Year, several);
    check(TagField::Genre, several);
    check(TagField::Comment, several);
    check(TagField::Title, !several);
    check(TagField::Track, !several);
    opening.fileCountText = tagFileCountText(files.size());

    TagEditorFields& f = opening.fields;
    for (const BulkEntry& entry : files) {
        Mp3TagRecord record(entry.fullPath);
        record.read(tagFiles, codePage);
        if (!record.opened()) {
            opening.messages.emplace_back(kTagFileMissingMessage);
            opening.writeEnabled = false;
            continue;
        }
        if (!record.isMp3()) {
            opening.messages.emplace_back(kTagNotMp3Message);
            opening.writeEnabled = false;
            continue;
        }
        if (!record.hasTag()) continue;
        keepIfNotEmpty(f.title, record.title());
        keepIfNotEmpty(f.artist, record.artist());
        keepIfNotEmpty(f.album, record.album());
        keepIfNotEmpty(f.year, record.year());
        keepIfNotEmpty(f.comment, record.comment());
        keepIfNotEmpty(f.track, record.trackText());
        if (record.genreIndex() >= 0) f.genreIndex = record.genreIndex();
    }
    if (f.track.empty()) f.track = kTrackFallback;
    return opening;
}

std::optional<std::u16string> checkTrackField(std::u16string_view text) {
    if (text.empty()) return std::nullopt;
    const std::int32_t value = readNumber(text);
    if (value >= kTrackMin && value <= kTrackMax) return std::nullopt;
    return std::u16string(kTrackRangeMessage);
}

TagWriteResult writeTags(const BulkList& files, const TagFieldFlags& checked,
                         const TagEditorFields& input, TagFiles& tagFiles,
                         const AnsiCodePage& codePage) {
    auto on = [&](TagField f) { return checked[fieldSlot(f)]; };
    const std::int32_t track = input.track.empty() ? 0 : readNumber(input.track);
    const bool copyTrack = on(TagField::Track) && track >= 1 && track <= kTrackMax;

    TagWriteResult result;
    for (const BulkEntry& entry : files) {
        Mp3TagRecord record(entry.fullPath);
        const int code = record.read(tagFiles, codePage);
        if (code == TagReadNotOpened || code == TagReadFailed || code == TagReadTooShort) continue;
        if (on(TagField::Title)) record.setTitle(input.title);
        if (on(TagField::Artist)) record.setArtist(input.artist);
        if (on(TagField::Album)) record.setAlbum(input.album);
        if (on(TagField::Year)) record.setYear(input.year);
        if (on(TagField::Comment)) record.setComment(input.comment);
        if (on(TagField::Genre)) record.setGenreIndex(input.genreIndex);
        if (copyTrack) record.setTrack(input.track);
        if (record.write(tagFiles, codePage) == 0) {
            result.messages.emplace_back(kTagWriteFailedMessage);
            continue;
        }
        ++result.filesWritten;
        auto& labels = result.resultLabels.emplace();
        for (std::size_t i = 0; i < kTagFieldCount; ++i) {
            labels[i] = checked[i] ? kTagFieldWritten : kTagFieldNotWritten;
        }
    }
    return result;
}

TagWriteResult TagEditor::write(const TagFieldFlags& checked, const TagEditorFields& input) {
    TagWriteResult result = writeTags(files_, checked, input, tagFiles_, codePage_);
    if (result.filesWritten > 0) written_ = true;
    return result;
}

void updateRowsAfterTagEdit(FileListModel& model, const BulkList& files, bool written,
                            TagFiles& tagFiles, const AnsiCodePage& codePage) {
    if (!written) return;
    for (const BulkEntry& entry : files) {
        if (!model.hasRow(entry.row)) continue;
        Mp3TagRecord record(entry.fullPath);
        record.read(tagFiles, codePage);
        if (!record.opened() || !record.isMp3()) continue;
        putTagColumns(model, entry.row, record);
        model.setText(entry.row, ColStatus, kStatusTagWritten);
    }
}

}  // namespace tessary
