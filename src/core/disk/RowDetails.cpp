#include "disk/RowDetails.h"

#include <cstdio>

#include "disk/RenameOutcome.h"

namespace tessary {

namespace {

std::u16string ascii(const char* text) {
    std::u16string out;
    while (*text) out += static_cast<char16_t>(*text++);
    return out;
}

std::u16string kiloBytesText(std::int64_t value) {
    // "%ld" of a 32-bit long: only the low 32 bits are shown.
    const auto shown = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld KB", static_cast<long>(shown));
    return ascii(buffer);
}

constexpr std::uint64_t kTicksPerDay = 10'000'000ull * 86'400;
// Days from 1601-01-01 to 1970-01-01.
constexpr long long kDaysFrom1601To1970 = 134'774;

}  // namespace

std::u16string sizeTextOfBytes(std::uint64_t bytes, bool roundSmallUp) {
    if (roundSmallUp && bytes > 0 && bytes < 1024) return kiloBytesText(1);
    return kiloBytesText(static_cast<std::int64_t>(bytes / 1024));
}

std::u16string sizeText(const AttributeQuery& query) {
    if (!query.found()) return kiloBytesText(-1);
    return sizeTextOfBytes(query.attributes.isFolder ? 0 : query.attributes.size);
}

CivilDate utcDateOfFileTime(std::uint64_t fileTime) {
    // Days since 1970 to a proleptic Gregorian date (the well-known era algorithm), which
    // stays exact for every 64-bit file time.
    const long long z =
        static_cast<long long>(fileTime / kTicksPerDay) - kDaysFrom1601To1970 + 719'468;
    const long long era = (z >= 0 ? z : z - 146'096) / 146'097;
    const long long doe = z - era * 146'097;
    const long long yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    CivilDate date;
    date.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    date.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    date.year = yoe + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
}

std::u16string dateModifiedText(const AttributeQuery& query) {
    if (!query.found()) return {};
    const CivilDate date = utcDateOfFileTime(query.attributes.lastWriteTime);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%lld-%d-%d", date.year, date.month, date.day);
    return ascii(buffer);
}

void writeRowDetails(FileListModel& model, int row, const FileSystem& fs,
                     std::u16string_view queuedPath) {
    const AttributeQuery query = fs.queryAttributes(queuedPath);
    model.setText(row, ColSize, sizeText(query));
    model.setText(row, ColDateModified, dateModifiedText(query));
    model.setText(row, ColStatus, kStatusUnchanged);
}

}  // namespace tessary
