#pragma once
// The operation record file (.opr): a snapshot of the file list - folder, the name each file
// had when it was added, its name now - with the local time it was saved, so that the names
// can be restored later, also after a restart.
//
// Layout, little-endian, no padding: "OPRECFILE" as nine UTF-16 units; a 32-bit row count;
// the saving time as a 16-byte SYSTEMTIME; then per row three text fields, each a 32-bit
// length L in UTF-16 units, L units of text and one zero unit.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "disk/FileSystem.h"
#include "model/FileListModel.h"

namespace tessary {

// The fields of a SYSTEMTIME, in its order.
struct SavingTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;  // 0 = Sunday
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;

    bool operator==(const SavingTime&) const = default;
};

struct OprRecord {
    std::u16string folder;       // ends with a backslash
    std::u16string earlierName;  // the name when the row was added
    std::u16string currentName;  // the name when the file was saved

    bool operator==(const OprRecord&) const = default;
};

struct OprContent {
    std::uint32_t headerRowCount = 0;  // as written; readers do not rely on it
    SavingTime time;
    std::vector<OprRecord> records;
};

// Longest text field the reader accepts. Longer fields make the file invalid: cutting a name
// short would restore the wrong file. Every real path fits.
inline constexpr std::uint32_t kOprMaxFieldUnits = 32'767;
// Largest record file the program opens.
inline constexpr std::size_t kOprMaxFileBytes = std::size_t{1} << 30;

inline constexpr char16_t kOprInvalidFileMessage[] = u"提示：您打开的是无效的操作记录文件(*.opr)";

// The bytes of a record file. Nothing when a field is longer than kOprMaxFieldUnits, since
// the file could not be read back.
std::optional<std::string> encodeOpr(const SavingTime& time, const std::vector<OprRecord>& records);
// The records of the file list: Path, OriginalName and FileName of every row, in list order.
std::vector<OprRecord> oprRecordsOfList(const FileListModel& model);

// Reads a record file. Nothing when the magic is wrong, the header is incomplete, a field is
// longer than kOprMaxFieldUnits or its terminator is not zero. A record cut short by the end
// of the file is dropped; the records before it are kept.
std::optional<OprContent> decodeOpr(std::string_view bytes);

// Writes the list to `path` with the saving time `now`, a chunk at a time. False when it was
// not written whole; a list with a field the reader would refuse leaves no file behind.
bool writeOprOfList(const FileListModel& model, FileSystem& fs, std::u16string_view path,
                    const SavingTime& now);

}  // namespace tessary
