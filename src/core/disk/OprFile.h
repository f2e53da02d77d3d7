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

// A record as read: its fields are views into the texts of the records that hold it.
struct OprRecordView {
    std::u16string_view folder;
    std::u16string_view earlierName;
    std::u16string_view currentName;

    OprRecord owned() const {
        return {std::u16string(folder), std::u16string(earlierName), std::u16string(currentName)};
    }
};

// The records of a file, their texts in one block: a file of 200,000 records is read with two
// allocations instead of 600,000.
class OprRecords {
  public:
    class Iterator;

    std::size_t size() const { return fields_.size() / 3; }
    bool empty() const { return fields_.empty(); }
    OprRecordView operator[](std::size_t i) const {
        return {field(3 * i), field(3 * i + 1), field(3 * i + 2)};
    }
    Iterator begin() const;
    Iterator end() const;

    void add(const OprRecord& record);
    // Copies of every record, as a list of them would hold them.
    std::vector<OprRecord> owned() const;

    // Replaces the records with those of a file's units from `from` on (after its header),
    // keeping the units as the records' texts; false when they are damaged. A record cut short
    // by the end of the units is dropped.
    bool adopt(std::u16string units, std::size_t from, std::size_t recordsExpected);

  private:
    struct Field {
        std::uint32_t start;
        std::uint32_t length;
    };
    std::u16string_view field(std::size_t i) const {
        return std::u16string_view(texts_).substr(fields_[i].start, fields_[i].length);
    }

    std::u16string texts_;
    std::vector<Field> fields_;  // three a record
};

class OprRecords::Iterator {
  public:
    Iterator(const OprRecords& records, std::size_t at) : records_(&records), at_(at) {}
    OprRecordView operator*() const { return (*records_)[at_]; }
    Iterator& operator++() {
        ++at_;
        return *this;
    }
    bool operator==(const Iterator&) const = default;

  private:
    const OprRecords* records_;
    std::size_t at_;
};

inline OprRecords::Iterator OprRecords::begin() const { return Iterator(*this, 0); }
inline OprRecords::Iterator OprRecords::end() const { return Iterator(*this, size()); }

struct OprContent {
    std::uint32_t headerRowCount = 0;  // as written; readers do not rely on it
    SavingTime time;
    OprRecords records;
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

// Reads the record file at `path` straight into its records' texts, as decodeOpr() reads its
// bytes; `opened` is false when the file could not be read at all (or is over kOprMaxFileBytes).
struct OprFileRead {
    bool opened = false;
    std::optional<OprContent> content;
};
OprFileRead readOprFile(const FileSystem& fs, std::u16string_view path);

// Writes the list to `path` with the saving time `now`, a chunk at a time. False when it was
// not written whole; a list with a field the reader would refuse leaves no file behind.
bool writeOprOfList(const FileListModel& model, FileSystem& fs, std::u16string_view path,
                    const SavingTime& now);

}  // namespace tessary
