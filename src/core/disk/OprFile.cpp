#include "disk/OprFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tessary {

namespace {

constexpr char16_t kMagic[] = u"OPRECFILE";
constexpr std::size_t kMagicUnits = 9;
constexpr std::size_t kHeaderBytes = 2 * kMagicUnits + 4 + 16;
constexpr std::size_t kHeaderUnits = kHeaderBytes / 2;

// Appends little-endian values to a byte string; texts are copied as a block on little-endian
// machines.
class Writer {
  public:
    explicit Writer(std::string& out) : out_(out) {}

    void u16(std::uint16_t v) {
        out_.push_back(static_cast<char>(v & 0xFF));
        out_.push_back(static_cast<char>(v >> 8));
    }
    void u32(std::uint32_t v) {
        for (int shift = 0; shift < 32; shift += 8) out_.push_back(static_cast<char>(v >> shift));
    }
    void field(std::u16string_view text) {
        u32(static_cast<std::uint32_t>(text.size()));
        if constexpr (std::endian::native == std::endian::little) {
            out_.append(reinterpret_cast<const char*>(text.data()), 2 * text.size());
        } else {
            for (char16_t c : text) u16(c);
        }
        u16(0);
    }

  private:
    std::string& out_;
};

std::size_t fieldBytes(std::u16string_view text) { return 4 + 2 * text.size() + 2; }

void writeHeader(Writer& out, std::uint32_t rows, const SavingTime& time) {
    for (std::size_t i = 0; i < kMagicUnits; ++i) out.u16(kMagic[i]);
    out.u32(rows);
    for (std::uint16_t v : {time.year, time.month, time.dayOfWeek, time.day, time.hour, time.minute,
                            time.second, time.milliseconds}) {
        out.u16(v);
    }
}

// The file's little-endian units, copied as they lie, in this machine's order.
void unitsToNativeOrder(std::u16string& units) {
    if constexpr (std::endian::native != std::endian::little) {
        for (char16_t& unit : units) unit = static_cast<char16_t>(unit >> 8 | unit << 8);
    }
}

// The units of a file's bytes; an odd last byte is no unit.
std::u16string unitsOfBytes(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    std::memcpy(units.data(), bytes.data(), 2 * units.size());
    unitsToNativeOrder(units);
    return units;
}

// A file read straight into its units.
class UnitsTarget final : public FileSystem::ReadTarget {
  public:
    explicit UnitsTarget(std::u16string& units) : units_(units) {}
    char* room(std::size_t bytes) override {
        units_.resize((bytes + 1) / 2);
        return reinterpret_cast<char*>(units_.data());
    }
    void read(std::size_t bytes) override {
        units_.resize(bytes / 2);
        unitsToNativeOrder(units_);
    }

  private:
    std::u16string& units_;
};

std::optional<OprContent> decodeOprUnits(std::u16string units) {
    if (units.size() < kHeaderUnits) return std::nullopt;
    if (std::u16string_view(units).substr(0, kMagicUnits) != kMagic) return std::nullopt;
    OprContent content;
    std::size_t at = kMagicUnits;
    content.headerRowCount = units[at] | static_cast<std::uint32_t>(units[at + 1]) << 16;
    at += 2;
    SavingTime& t = content.time;
    for (std::uint16_t* v : {&t.year, &t.month, &t.dayOfWeek, &t.day, &t.hour, &t.minute, &t.second,
                             &t.milliseconds}) {
        *v = units[at++];
    }
    // The header's row count is not trusted: records are read until the units end.
    if (!content.records.adopt(std::move(units), kHeaderUnits, content.headerRowCount)) {
        return std::nullopt;
    }
    return content;
}

constexpr int kListColumns[] = {ColPath, ColOriginalName, ColFileName};

// Whether every field of the list fits what the reader accepts, and the bytes the file takes.
std::optional<std::size_t> listFileBytes(const FileListModel& model) {
    std::size_t size = kHeaderBytes;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column : kListColumns) {
            const std::u16string_view text = model.text(row, column);
            if (text.size() > kOprMaxFieldUnits) return std::nullopt;
            size += fieldBytes(text);
        }
    }
    return size;
}

void writeListRow(Writer& out, const FileListModel& model, int row) {
    for (int column : kListColumns) out.field(model.text(row, column));
}

}  // namespace

void OprRecords::add(const OprRecord& record) {
    for (const std::u16string* text : {&record.folder, &record.earlierName, &record.currentName}) {
        fields_.push_back(
            {static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(text->size())});
        texts_ += *text;
    }
}

std::vector<OprRecord> OprRecords::owned() const {
    std::vector<OprRecord> records;
    records.reserve(size());
    for (const OprRecordView record : *this) records.push_back(record.owned());
    return records;
}

bool OprRecords::adopt(std::u16string fileUnits, std::size_t from, std::size_t recordsExpected) {
    // The units are kept whole, lengths and terminators too; the fields are the stretches
    // between them.
    texts_ = std::move(fileUnits);
    fields_.clear();
    // A record takes nine units at the least; the count never sizes the table beyond that.
    fields_.reserve(3 * std::min(recordsExpected, (texts_.size() - from) / 9));
    const std::size_t units = texts_.size();
    std::size_t at = from;
    std::size_t recordStart = 0;
    while (units - at >= 2) {
        const std::uint32_t length = texts_[at] | static_cast<std::uint32_t>(texts_[at + 1]) << 16;
        if (length > kOprMaxFieldUnits) return false;
        if (units - at - 2 < std::size_t{length} + 1) break;
        const std::u16string_view text(texts_.data() + at + 2, length);
        // A zero inside a name, or a missing terminator, means the file is damaged; a name cut
        // at the zero would point at another file.
        if (texts_[at + 2 + length] != 0 || text.find(u'\0') != std::u16string_view::npos) {
            return false;
        }
        fields_.push_back({static_cast<std::uint32_t>(at + 2), length});
        at += 2 + std::size_t{length} + 1;
        if (fields_.size() % 3 == 0) recordStart = fields_.size();
    }
    fields_.resize(recordStart);
    return true;
}

std::optional<std::string> encodeOpr(const SavingTime& time,
                                     const std::vector<OprRecord>& records) {
    std::size_t size = kHeaderBytes;
    for (const OprRecord& r : records) {
        for (const std::u16string* field : {&r.folder, &r.earlierName, &r.currentName}) {
            if (field->size() > kOprMaxFieldUnits) return std::nullopt;
            size += fieldBytes(*field);
        }
    }
    std::string bytes;
    bytes.reserve(size);
    Writer out(bytes);
    writeHeader(out, static_cast<std::uint32_t>(records.size()), time);
    for (const OprRecord& r : records) {
        out.field(r.folder);
        out.field(r.earlierName);
        out.field(r.currentName);
    }
    return bytes;
}

std::vector<OprRecord> oprRecordsOfList(const FileListModel& model) {
    std::vector<OprRecord> records;
    records.reserve(static_cast<std::size_t>(model.rowCount()));
    for (int row = 0; row < model.rowCount(); ++row) {
        records.push_back({std::u16string(model.text(row, ColPath)),
                           std::u16string(model.text(row, ColOriginalName)),
                           std::u16string(model.text(row, ColFileName))});
    }
    return records;
}

std::optional<OprContent> decodeOpr(std::string_view bytes) {
    return decodeOprUnits(unitsOfBytes(bytes));
}

OprFileRead readOprFile(const FileSystem& fs, std::u16string_view path) {
    std::u16string units;
    UnitsTarget target(units);
    OprFileRead result;
    result.opened = fs.readFileInto(path, kOprMaxFileBytes, target);
    if (result.opened) result.content = decodeOprUnits(std::move(units));
    return result;
}

bool writeOprOfList(const FileListModel& model, FileSystem& fs, std::u16string_view path,
                    const SavingTime& now) {
    // Checked before the file is created, so that a list the reader would refuse leaves no
    // half-written file behind.
    if (!listFileBytes(model)) return false;
    BufferedFileWriter file(fs, path);
    Writer out(file.buffer());
    writeHeader(out, static_cast<std::uint32_t>(model.rowCount()), now);
    for (int row = 0; row < model.rowCount() && file.opened(); ++row) {
        writeListRow(out, model, row);
        file.flushIfFull();
    }
    return file.finish();
}

}  // namespace tessary
