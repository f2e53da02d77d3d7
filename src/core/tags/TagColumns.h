#pragma once
// Tags as columns of the file list: "Show Tag" adds the six tag columns (9 Title to 14 Track)
// and fills them from each row's file, and takes them away again.

#include "model/AnsiCodePage.h"
#include "model/FileListModel.h"
#include "tags/Mp3TagRecord.h"
#include "tags/TagFile.h"

namespace tessary {

inline constexpr char16_t kStatusNoTag[] = u"No ID3V1Tag";
inline constexpr char16_t kStatusNotMp3[] = u"Not mp3 files";

// The file a row stands for now: Path + FileName, so a renamed file still shows its tag.
std::u16string rowFilePath(const FileListModel& model, int row);

// Columns 9 to 14 of a row from a record that was read: title, artist, album, year, genre text
// and track text. Only columns the list has are written, as the list control keeps no text
// for a column it lacks.
void putTagColumns(FileListModel& model, int row, const Mp3TagRecord& record);

// "Show Tag" toggled to `show`. Checked: adds the six columns unless the list already has more
// than the nine standard ones, then reads every row's file: an MP3 with a tag fills the
// columns; an MP3 without one gets "No ID3V1Tag" and a file that is no MP3 "Not mp3 files" as
// its Status, with its tag columns emptied; a file that cannot be opened leaves its row as it
// is. Cleared: deletes columns 14 down to 9 when the list has them.
void refreshTagColumns(FileListModel& model, bool show, TagFiles& files,
                       const AnsiCodePage& codePage);

}  // namespace tessary
