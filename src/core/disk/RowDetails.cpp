#include "disk/RowDetails.h"

#include "disk/RenameOutcome.h"

namespace tessary {

namespace {

// A text of a few dozen units built in place. A drop of 200,000 files makes two for each row,
// and formatting them through the C library and a heap string cost more than the rest of the
// row's texts together.
class ShortText {
  public:
    ShortText& operator<<(long long value) {
        char16_t digits[20];
        int count = 0;
        unsigned long long magnitude =
            value < 0 ? 0ull - static_cast<unsigned long long>(value) : value;
        do {
            digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (value < 0) units_[length_++] = u'-';
        while (count > 0) units_[length_++] = digits[--count];
        return *this;
    }
    ShortText& operator<<(std::u16string_view text) {
        for (char16_t unit : text) units_[length_++] = unit;
        return *this;
    }
    std::u16string_view view() const { return {units_, length_}; }

  private:
    char16_t units_[48] = {};  // a 64-bit year, two more numbers and their dashes
    std::size_t length_ = 0;
};

ShortText kiloBytesText(std::int64_t value) {
    // "%ld" of a 32-bit long: only the low 32 bits are shown.
    const auto shown = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    ShortText text;
    text << shown << u" KB";
    return text;
}

ShortText sizeShortText(std::uint64_t bytes, bool roundSmallUp) {
    if (roundSmallUp && bytes > 0 && bytes < 1024) return kiloBytesText(1);
    return kiloBytesText(static_cast<std::int64_t>(bytes / 1024));
}

ShortText sizeShortText(const AttributeQuery& query) {
    if (!query.found()) return kiloBytesText(-1);
    return sizeShortText(query.attributes.isFolder ? 0 : query.attributes.size, true);
}

ShortText dateShortText(const AttributeQuery& query) {
    ShortText text;
    if (!query.found()) return text;
    const CivilDate date = utcDateOfFileTime(query.attributes.lastWriteTime);
    text << date.year << u"-" << date.month << u"-" << date.day;
    return text;
}

constexpr std::uint64_t kTicksPerDay = 10'000'000ull * 86'400;
// Days from 1601-01-01 to 1970-01-01.
constexpr long long kDaysFrom1601To1970 = 134'774;

}  // namespace

std::u16string sizeTextOfBytes(std::uint64_t bytes, bool roundSmallUp) {
    return std::u16string(sizeShortText(bytes, roundSmallUp).view());
}

std::u16string sizeText(const AttributeQuery& query) {
    return std::u16string(sizeShortText(query).view());
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
    return std::u16string(dateShortText(query).view());
}

void writeRowDetails(FileListModel& model, int row, const FileSystem& fs,
                     std::u16string_view queuedPath) {
    const AttributeQuery query = fs.queryAttributes(queuedPath);
    model.setText(row, ColSize, sizeShortText(query).view());
    model.setText(row, ColDateModified, dateShortText(query).view());
    model.setText(row, ColStatus, kStatusUnchanged);
}

}  // namespace tessary
