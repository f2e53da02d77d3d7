#include "disk/RenameJournal.h"

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <unordered_map>

namespace tessary {

namespace {

constexpr std::string_view kMagic = "TSYJRNL1";
constexpr std::size_t kHeaderBytes = 8 + 4 + 4;
constexpr std::size_t kCrcBytes = 4;
constexpr std::size_t kMinFolderBytes = 4;
constexpr std::size_t kMinStepBytes = 4 * 5 + 8 * 2;

void putU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void putU64(std::string& out, std::uint64_t v) {
    putU32(out, static_cast<std::uint32_t>(v));
    putU32(out, static_cast<std::uint32_t>(v >> 32));
}

void putText(std::string& out, std::u16string_view text) {
    putU32(out, static_cast<std::uint32_t>(text.size()));
    for (const char16_t c : text) {
        out += static_cast<char>(c & 0xFF);
        out += static_cast<char>(c >> 8);
    }
}

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    std::size_t left() const { return bytes_.size() - at_; }
    bool u32(std::uint32_t& v) {
        if (left() < 4) return false;
        v = 0;
        for (int i = 0; i < 4; ++i) {
            v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
        }
        at_ += 4;
        return true;
    }
    bool u64(std::uint64_t& v) {
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        if (!u32(low) || !u32(high)) return false;
        v = static_cast<std::uint64_t>(high) << 32 | low;
        return true;
    }
    bool text(std::u16string& out) {
        std::uint32_t units = 0;
        // The length is checked against what is left before anything is allocated.
        if (!u32(units) || units > left() / 2) return false;
        out.resize(units);
        for (std::uint32_t i = 0; i < units; ++i) {
            out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes_[at_]) |
                                           static_cast<unsigned char>(bytes_[at_ + 1]) << 8);
            at_ += 2;
        }
        return true;
    }

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

// A step's names must be plain names in its folder: a damaged or forged journal must not move
// files anywhere else.
bool isBareName(std::u16string_view name) {
    return !name.empty() && name != u"." && name != u".." &&
           name.find_first_of(std::u16string_view(u"\\/\0", 3)) == std::u16string_view::npos;
}

// Whether the disk shows the step as done, once every later step that was done is undone.
bool stepDone(const JournalStep& step, const std::u16string& from, const std::u16string& to,
              bool fromHeldByStuckFile, const FileSystem& fs) {
    if (step.kind == JournalStep::Kind::MoveOn) {
        // Before and after the whole cycle the same names are taken: only the file under the
        // cycle's new name tells. Without its identity the cycle is left as it is.
        return step.identity && fs.identify(to) == step.identity;
    }
    if (!fs.queryAttributes(to).found()) return false;
    // The temporary name is nobody else's: a file there was set aside by this step.
    if (step.kind == JournalStep::Kind::SetAside) {
        return !step.identity || fs.identify(to) == step.identity;
    }
    // A case-only rename leaves both spellings found; renaming back is harmless either way.
    return equalFolded(step.from, step.to) || fromHeldByStuckFile ||
           fs.queryAttributes(from).result == QueryResult::NotFound;
}

// The running CRC-32 (before its final inversion) after `bytes`.
std::uint32_t updateChecksum(std::uint32_t c, std::string_view bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    for (const char b : bytes) c = table[(c ^ static_cast<unsigned char>(b)) & 0xFF] ^ (c >> 8);
    return c;
}

// Hands a journal's bytes on a chunk at a time, its checksum last: a journal of 200,000 steps
// never sits whole in memory while the batch that it guards needs its own.
class ChunkedOutput {
  public:
    explicit ChunkedOutput(const std::function<bool(std::string_view)>& emit) : emit_(emit) {}

    std::string& buffer() { return buffer_; }
    void flushIfFull() {
        if (buffer_.size() >= kChunkBytes) flush();
    }
    // Hands on the rest with the checksum; false when any chunk was refused, after which
    // nothing more was handed on.
    bool finish() {
        crc_ = updateChecksum(crc_, buffer_);
        putU32(buffer_, crc_ ^ 0xFFFFFFFFu);
        if (ok_) ok_ = emit_(buffer_);
        return ok_;
    }

  private:
    static constexpr std::size_t kChunkBytes = 1 << 16;

    void flush() {
        crc_ = updateChecksum(crc_, buffer_);
        if (ok_) ok_ = emit_(buffer_);
        buffer_.clear();
    }

    const std::function<bool(std::string_view)>& emit_;
    std::string buffer_;
    std::uint32_t crc_ = 0xFFFFFFFFu;
    bool ok_ = true;
};

// The journal of the plan, handed to `emit` a chunk at a time; false when a chunk was refused.
bool emitJournal(const RenamePlan& plan, const std::vector<std::optional<FileIdentity>>& cycleFiles,
                 const std::function<bool(std::string_view)>& emit) {
    ChunkedOutput output(emit);
    std::string& out = output.buffer();
    out = kMagic;
    putU32(out, static_cast<std::uint32_t>(plan.folders.size()));
    putU32(out, static_cast<std::uint32_t>(plan.steps.size()));
    for (const std::u16string_view folder : plan.folders) {
        putText(out, folder);
        output.flushIfFull();
    }
    for (std::size_t g = 0; g < plan.groups.size(); ++g) {
        const StepGroup& group = plan.groups[g];
        const FileIdentity file =
            g < cycleFiles.size() && cycleFiles[g] ? *cycleFiles[g] : FileIdentity{};
        for (int i = group.first; i < group.first + group.count; ++i) {
            const RenameStep& step = plan.steps[static_cast<std::size_t>(i)];
            JournalStep::Kind kind = JournalStep::Kind::Plain;
            if (group.cycle && i == group.first) kind = JournalStep::Kind::SetAside;
            if (group.cycle && i == group.first + group.count - 1) kind = JournalStep::Kind::MoveOn;
            const bool identified = kind != JournalStep::Kind::Plain;
            putU32(out, static_cast<std::uint32_t>(step.row));
            putU32(out, static_cast<std::uint32_t>(step.folder));
            putU32(out, static_cast<std::uint32_t>(kind));
            putU64(out, identified ? file.volume : 0);
            putU64(out, identified ? file.file : 0);
            putText(out, step.from());
            putText(out, step.to());
            output.flushIfFull();
        }
    }
    return output.finish();
}

}  // namespace

std::uint32_t journalChecksum(std::string_view bytes) {
    return updateChecksum(0xFFFFFFFFu, bytes) ^ 0xFFFFFFFFu;
}

std::string encodeJournal(const RenamePlan& plan,
                          const std::vector<std::optional<FileIdentity>>& cycleFiles) {
    std::string bytes;
    emitJournal(plan, cycleFiles, [&bytes](std::string_view chunk) {
        bytes += chunk;
        return true;
    });
    return bytes;
}

std::optional<std::vector<JournalStep>> decodeJournal(std::string_view bytes) {
    if (bytes.size() < kHeaderBytes + kCrcBytes || !bytes.starts_with(kMagic)) return std::nullopt;
    const std::string_view body = bytes.substr(0, bytes.size() - kCrcBytes);
    Reader crcReader(bytes.substr(body.size()));
    std::uint32_t crc = 0;
    if (!crcReader.u32(crc) || crc != journalChecksum(body)) return std::nullopt;

    Reader in(body.substr(kMagic.size()));
    std::uint32_t folderCount = 0;
    std::uint32_t stepCount = 0;
    if (!in.u32(folderCount) || !in.u32(stepCount)) return std::nullopt;
    if (folderCount > in.left() / kMinFolderBytes ||
        stepCount > (in.left() - folderCount * kMinFolderBytes) / kMinStepBytes) {
        return std::nullopt;
    }
    std::vector<std::u16string> folders(folderCount);
    for (std::u16string& folder : folders) {
        if (!in.text(folder) || folder.empty() || folder.find(u'\0') != std::u16string::npos) {
            return std::nullopt;
        }
    }
    std::vector<JournalStep> steps(stepCount);
    for (JournalStep& step : steps) {
        std::uint32_t row = 0;
        std::uint32_t folder = 0;
        std::uint32_t kind = 0;
        FileIdentity identity;
        if (!in.u32(row) || !in.u32(folder) || !in.u32(kind) || !in.u64(identity.volume) ||
            !in.u64(identity.file) || row > 0x7FFFFFFF || folder >= folderCount ||
            kind > static_cast<std::uint32_t>(JournalStep::Kind::MoveOn) || !in.text(step.from) ||
            !in.text(step.to) || !isBareName(step.from) || !isBareName(step.to)) {
            return std::nullopt;
        }
        step.row = static_cast<int>(row);
        step.folder = folders[folder];
        step.kind = static_cast<JournalStep::Kind>(kind);
        if (identity != FileIdentity{}) step.identity = identity;
    }
    if (in.left() != 0) return std::nullopt;
    return steps;
}

bool writeJournal(FileSystem& fs, std::u16string_view path, const RenamePlan& plan) {
    std::vector<std::optional<FileIdentity>> cycleFiles(plan.groups.size());
    std::u16string file;
    for (std::size_t g = 0; g < plan.groups.size(); ++g) {
        if (!plan.groups[g].cycle) continue;
        const RenameStep& first = plan.steps[static_cast<std::size_t>(plan.groups[g].first)];
        file.assign(plan.folders[static_cast<std::size_t>(first.folder)]).append(first.from());
        cycleFiles[g] = fs.identify(file);
    }
    const std::unique_ptr<FileSink> sink = fs.createFile(path);
    if (!sink) return false;
    const bool written =
        emitJournal(plan, cycleFiles,
                    [&sink](std::string_view chunk) { return sink->write(chunk); }) &&
        sink->flushToDisk();
    return sink->finish() && written;
}

Recovery recoverJournal(const std::vector<JournalStep>& steps, FileSystem& fs) {
    Recovery recovery;
    // Rows in the order they first appear; a row's first step starts from its first name.
    // Row numbers come from the file: they are looked up, never used to size anything.
    std::unordered_map<int, std::size_t> indexOfRow;
    auto rowOf = [&](const JournalStep& step) -> RecoveredRow& {
        const auto [it, added] = indexOfRow.emplace(step.row, recovery.rows.size());
        if (added) {
            recovery.rows.push_back(
                {step.row, step.folder, step.from, step.from, false, RenameOutcome::Renamed});
        }
        return recovery.rows[it->second];
    };
    for (const JournalStep& step : steps) rowOf(step);

    // Names still held by a file whose step could not be undone: a step whose first name is
    // one of them was done all the same.
    std::set<std::u16string> stuck;
    auto key = [](const std::u16string& folder, const std::u16string& name) {
        std::u16string k;
        appendFolded(k, folder);
        appendFolded(k, name);
        return k;
    };
    std::u16string from;
    std::u16string to;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        const JournalStep& step = *it;
        from.assign(step.folder).append(step.from);
        to.assign(step.folder).append(step.to);
        if (!stepDone(step, from, to, stuck.contains(key(step.folder, step.from)), fs)) continue;
        RecoveredRow& row = rowOf(step);
        if (!row.hadDoneSteps) row.nameBefore = step.to;  // its newest done step puts it there
        row.hadDoneSteps = true;
        const RenameOutcome outcome = fs.rename(to, from);
        if (outcome != RenameOutcome::Renamed) {
            row.outcome = outcome;
            stuck.insert(key(step.folder, step.to));
        }
    }
    for (const RecoveredRow& row : recovery.rows) {
        if (!row.hadDoneSteps) continue;
        if (row.outcome == RenameOutcome::Renamed) {
            ++recovery.putBack;
        } else {
            ++recovery.notPutBack;
        }
    }
    return recovery;
}

}  // namespace tessary
