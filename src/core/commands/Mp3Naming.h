#pragma once
// Naming MP3 files from their tags: the template's tokens (/A artist, /T title, /B album, /Y
// year, /G genre, /R track, /D a running number) replaced by each file's tag values, the file's
// extension kept.

#include <optional>
#include <string>
#include <string_view>

#include "model/AnsiCodePage.h"
#include "model/FileListModel.h"
#include "rules/PageOptions.h"
#include "rules/Preview.h"
#include "tags/Mp3TagRecord.h"
#include "tags/TagFile.h"

namespace tessary {

inline constexpr char16_t kStatusNoNamingTag[] = u"无效:没有标签";
inline constexpr char16_t kEmptyTemplate[] = u"请先输入命名模板!";

// The texts a name is built from: each field of the ID3v2 tags, or of the ID3v1 tag where they
// lack it; the track in two digits at least ("07"), the genre by its name.
struct TagNameValues {
    std::u16string artist, title, album, year, genre, track;
};

// The values of a record read with its ID3v2 tags; nothing for a file that is no MP3 or whose
// tags hold none of the fields.
std::optional<TagNameValues> tagNameValues(const Mp3TagRecord& record);

// The main name the template builds: every token replaced, any other text kept as typed. Tag
// texts have each character Windows refuses in names (< > : " / \ | ? * and 1 to 31) made "_";
// blanks and dots at the end of the name are removed.
std::u16string buildTagName(std::u16string_view templateText, const TagNameValues& values,
                            std::u16string_view sequence);

// The Mp3 page's preview: each row's file is read, and its Preview is the built name with the
// row's extension; a row without tags keeps its name, its Status saying why. The running number
// counts the rows that are named. `unnamed` (when given) receives how many rows were not.
PreviewOutcome runMp3Preview(FileListModel& model, const Mp3Options& options, TagFiles& files,
                             const AnsiCodePage& codePage, int* unnamed = nullptr);

// The preview of the chosen page: the Mp3 page's reads every row's file, the others are the
// rules'. `unnamed` (when given) receives how many rows the Mp3 page could not name.
PreviewOutcome runPagePreview(FileListModel& model, int pageIndex, const PageOptions& options,
                              TagFiles& files, const AnsiCodePage& codePage,
                              int* unnamed = nullptr);

}  // namespace tessary
