#pragma once
// Bulk edit of MP3 tags: the list of files taken from the selected rows, the tag editor's
// logic (what it shows when it opens, the track field check, the write pass) and the rows
// updated after it has closed. The dialog reads its controls into these structs and shows
// what comes back; nothing here touches a control.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/AnsiCodePage.h"
#include "model/FileListModel.h"
#include "model/RowSelection.h"
#include "tags/TagFile.h"

namespace tessary {

inline constexpr char16_t kBulkEditCaption[] = u"Bulk Edit MP3 ID3V1 Tag";
inline constexpr char16_t kTagFileMissingMessage[] = u"该文件不存在!";
inline constexpr char16_t kTagNotMp3Message[] = u"It's not a mp3 file!";
inline constexpr char16_t kTrackRangeMessage[] = u"音轨编号应该在[0~255]区间内！";
inline constexpr char16_t kTagWriteFailedMessage[] = u"修改失败！";
inline constexpr char16_t kTagFieldWritten[] = u"修改成功！";
inline constexpr char16_t kTagFieldNotWritten[] = u"未修改！";
inline constexpr char16_t kStatusTagWritten[] = u"写入Tag成功";
// The track field's range, also the range of its up-down control.
inline constexpr int kTrackMin = 0;
inline constexpr int kTrackMax = 255;

// The editor's fields, in the order of its rows of controls.
enum class TagField : int { Artist, Title, Album, Year, Track, Genre, Comment };
inline constexpr std::size_t kTagFieldCount = 7;
using TagFieldFlags = std::array<bool, kTagFieldCount>;
constexpr std::size_t fieldSlot(TagField f) { return static_cast<std::size_t>(f); }

// One file of a bulk edit: its full path and its row in the file list.
struct BulkEntry {
    std::u16string fullPath;
    int row = -1;
};
using BulkList = std::vector<BulkEntry>;

// Command 32848: the selected rows, walked from the last to the first (so the first entry is
// the selected row nearest the end), each as Path + FileName. Nothing, and no editor, when the
// list is empty. The list has no limit on entries or path lengths.
std::optional<BulkList> collectBulkList(const FileListModel& model, const RowSelection& selected);

// The texts and the genre the editor's inputs hold. genreIndex is the list's selection, -1
// for none.
struct TagEditorFields {
    std::u16string artist;
    std::u16string title;
    std::u16string album;
    std::u16string year;
    std::u16string track;
    std::u16string comment;
    int genreIndex = -1;
};

// The editor as it opens.
struct TagEditorOpening {
    TagFieldFlags checked{};
    std::u16string fileCountText;  // label 1013
    TagEditorFields fields;
    bool writeEnabled = true;
    // Shown one after the other, each in a message dialog: one per file that cannot be opened
    // or is no MP3.
    std::vector<std::u16string> messages;
};

// "The number of files is %d"
std::u16string tagFileCountText(std::size_t files);

// Reads the files in order. Several files check Artist, Album, Year, Genre and Comment; one
// file or none checks Title and Track. Every field shows the last non-empty value met among
// the MP3 files with a tag (for the genre, the last index within the table). The track field
// falls back to "1" only when none of them had a track, so that writing keeps a file's own
// track. A file that cannot be opened or is no MP3 adds its message and disables writing.
TagEditorOpening openTagEditor(const BulkList& files, TagFiles& tagFiles,
                               const AnsiCodePage& codePage);

// The track field losing the focus: the message when its text is a number outside 0 to 255;
// the field then reads "1" and gets the focus back.
std::optional<std::u16string> checkTrackField(std::u16string_view text);
inline constexpr char16_t kTrackFallback[] = u"1";

struct TagWriteResult {
    // Set when at least one file was written: then each result label reads "修改成功！" for a
    // checked field and "未修改！" otherwise. Unset, the labels stay as they were.
    std::optional<std::array<std::u16string, kTagFieldCount>> resultLabels;
    // "修改失败！" once per file whose write failed.
    std::vector<std::u16string> messages;
    int filesWritten = 0;
};

// "&Write Tag": for every file in order, reads its tag (skipping, without a word, a file that
// cannot be opened or read or is too short or no MP3 by its first bytes), copies the checked
// fields into it and writes it. The track is copied only when its text is a number from 1 to
// 255; otherwise the file keeps its own.
TagWriteResult writeTags(const BulkList& files, const TagFieldFlags& checked,
                         const TagEditorFields& input, TagFiles& tagFiles,
                         const AnsiCodePage& codePage);

// The editor's logic for one bulk edit: the written flag starts cleared and is set by the
// first write that succeeds; the bulk edit reads it after the dialog has closed.
class TagEditor {
  public:
    TagEditor(BulkList files, TagFiles& tagFiles, const AnsiCodePage& codePage)
        : files_(std::move(files)), tagFiles_(tagFiles), codePage_(codePage) {}

    const BulkList& files() const { return files_; }
    TagEditorOpening open() const { return openTagEditor(files_, tagFiles_, codePage_); }
    TagWriteResult write(const TagFieldFlags& checked, const TagEditorFields& input);
    bool written() const { return written_; }

  private:
    BulkList files_;
    TagFiles& tagFiles_;
    const AnsiCodePage& codePage_;
    bool written_ = false;
};

// After the editor has closed: when it wrote, every file of the list that opens as an MP3
// shows its tag in columns 9 to 14 of its row (those the list has) and "写入Tag成功" as its
// Status.
void updateRowsAfterTagEdit(FileListModel& model, const BulkList& files, bool written,
                            TagFiles& tagFiles, const AnsiCodePage& codePage);

}  // namespace tessary
