#pragma once
// The texts of a row that come from the file system rather than from its path - Size, Date
// Modified and the first Status - and the refresh command that checks every listed file again.

#include <cstdint>
#include <string>
#include <string_view>

#include "disk/FileSystem.h"
#include "model/FileListModel.h"

namespace tessary {

// "%ld KB": -1 when the query failed; 1 for 1 to 1,023 bytes; otherwise the size divided by
// 1,024, rounded down, printed as a signed 32-bit number.
std::u16string sizeText(const AttributeQuery& query);
// The same from a byte count. With `roundSmallUp` false (the restore dialog's rule) a file
// under 1,024 bytes shows 0 KB.
std::u16string sizeTextOfBytes(std::uint64_t bytes, bool roundSmallUp = true);

struct CivilDate {
    long long year = 0;
    int month = 0;
    int day = 0;

    bool operator==(const CivilDate&) const = default;
};
// The UTC calendar date of a file time (100-nanosecond ticks since 1601-01-01 UTC).
CivilDate utcDateOfFileTime(std::uint64_t fileTime);

// "%d-%d-%d", year-month-day of the last write in UTC, no leading zeros; empty when the query
// failed.
std::u16string dateModifiedText(const AttributeQuery& query);

// Room enough for the Size, Status and Date Modified texts of almost any file.
inline constexpr std::size_t kRowDetailUnits = 20;

// For a row just added: Size and Date Modified from the attributes of `queuedPath` (the path
// exactly as it was handed over), and Status "未修改".
void writeRowDetails(FileListModel& model, int row, const FileSystem& fs,
                     std::u16string_view queuedPath);

}  // namespace tessary
