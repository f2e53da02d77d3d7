#pragma once
// New names from a text file, one a line: line i becomes the Preview of row i, for the rename
// plan to check as after a preview.

#include <string>
#include <string_view>
#include <vector>

#include "model/AnsiCodePage.h"
#include "model/FileListModel.h"

namespace tessary {

inline constexpr char16_t kNamesFileUnreadable[] = u"无法读取名字列表文件!";
// A names file larger than this is refused rather than read.
inline constexpr std::size_t kLargestNamesFile = 128u << 20;

// The lines of a names file: UTF-8 with or without a byte-order mark, UTF-16LE with one, or
// (bytes that are not UTF-8) the ANSI code page. A line ends at LF, CR LF or CR; the text after
// the last line break is a line only when it is not empty.
std::vector<std::u16string> decodeNameLines(std::string_view bytes, const AnsiCodePage& codePage);

struct NamesImport {
    int named = 0;       // rows that took a line
    int extraLines = 0;  // lines beyond the last row
};

// Line i as row i's Preview; rows beyond the lines keep their names. Every row's Status is
// "未修改", as after a preview.
NamesImport importNames(FileListModel& model, const std::vector<std::u16string>& lines);

// The status bar's plan pane after an import: the plan's counts, and the lines left over.
std::u16string importPaneText(int renamed, int refused, int extraLines);

}  // namespace tessary
