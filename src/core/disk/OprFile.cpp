#include "disk/OprFile.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tessary {

namespace {

constexpr char16_t kMagic[] = u"OPRECFILE";
constexpr std::size_t kMagicUnits = 9;
constexpr std::size_t kHeaderBytes = 2 * kMagicUnits + 4 + 16;

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

// Reads little-endian values from a byte string, never past its end.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t left() const { return bytes_.size() - at_; }

    bool u16(std::uint16_t& v) {
        if (left() < 2) return false;
        v = static_cast<std::uint16_t>(byte(0) | byte(1) << 8);
        at_ += 2;
        return true;
    }

    bool u32(std::uint32_t& v) {
        if (left() < 4) return false;
        v = byte(0) | byte(1) << 8 | byte(2) << 16 | static_cast<std::uint32_t>(byte(3)) << 24;
        at_ += 4;
        return true;
    }

  private:
    std::uint32_t byte(std::size_t i) const { return static_cast<unsigned char>(bytes_[at_ + i]); }

    std::string_view bytes_;
    std::size_t at_ = 0;
};

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

bool OprRecords::decode(std::string_view body, std::size_t recordsExpected) {
    // The body is copied whole as UTF-16 units, lengths and terminators too; the fields are
    // the stretches between them.
    texts_.assign(body.size() / 2, u'\0');
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(texts_.data(), body.data(), 2 * texts_.size());
    } else {
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            texts_[i] = static_cast<char16_t>(static_cast<unsigned char>(body[2 * i]) |
                                              static_cast<unsigned char>(body[2 * i + 1]) << 8);
        }
    }
    fields_.clear();
    // A record takes nine units at the least; the count never sizes the table beyond that.
    fields_.reserve(3 * std::min(recordsExpected, texts_.size() / 9));
    const std::size_t units = texts_.size();
    std::size_t at = 0;
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
    if (bytes.size() < kHeaderBytes) return std::nullopt;
    Reader in(bytes);
    for (std::size_t i = 0; i < kMagicUnits; ++i) {
        std::uint16_t unit = 0;
        in.u16(unit);
        if (unit != kMagic[i]) return std::nullopt;
    }
    OprContent content;
    in.u32(content.headerRowCount);
    SavingTime& t = content.time;
    for (std::uint16_t* v : {&t.year, &t.month, &t.dayOfWeek, &t.day, &t.hour, &t.minute, &t.second,
                             &t.milliseconds}) {
        in.u16(*v);
    }
    // The header's row count is not trusted: records are read until the bytes end.
    if (!content.records.decode(bytes.substr(kHeaderBytes), content.headerRowCount)) {
        return std::nullopt;
    }
    return content;
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
