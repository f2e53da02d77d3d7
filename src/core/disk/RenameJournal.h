#pragma once
// The journal of a batch: every step of its plan, temporary names included, written and
// flushed to the disk before the first rename. When a batch is cut short (the program killed,
// the power gone) the journal is what puts the files back; the command-line tool keeps it
// after the batch as its undo file.
//
// Layout, little-endian: "TSYJRNL1", the folder count and the step count (32 bits each), each
// folder as a 32-bit length and UTF-16LE units, each step as its row, its folder's index, its
// kind, its file's identity (two 64-bit numbers, zero when unknown) and its two names (length
// and units), then the CRC-32 of everything before it.
//
// A cycle's first and last steps carry the identity of the file they move: a finished swap
// and one not begun leave the same names on disk, and only the file under a name tells them
// apart.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "disk/FileSystem.h"
#include "disk/RenamePlan.h"

namespace tessary {

struct JournalStep {
    enum class Kind : std::uint8_t {
        Plain,     // a step of a chain, or a middle step of a cycle
        SetAside,  // a cycle's first step, to its temporary name
        MoveOn,    // a cycle's last step, from its temporary name
    };
    int row = 0;
    std::u16string folder;
    std::u16string from;
    std::u16string to;
    Kind kind = Kind::Plain;
    std::optional<FileIdentity> identity;  // SetAside and MoveOn: the file the cycle moves

    bool operator==(const JournalStep&) const = default;
};

// Larger journals are refused as damaged before anything is read into memory.
inline constexpr std::size_t kJournalMaxFileBytes = std::size_t{1} << 30;

// The CRC-32 that ends a journal, of everything before it.
std::uint32_t journalChecksum(std::string_view bytes);

// `cycleFiles` holds, by group, the identity of the file each cycle sets aside.
std::string encodeJournal(const RenamePlan& plan,
                          const std::vector<std::optional<FileIdentity>>& cycleFiles = {});
// Nothing for bytes that are not a whole, undamaged journal.
std::optional<std::vector<JournalStep>> decodeJournal(std::string_view bytes);

// Learns the files of the plan's cycles, writes the journal and flushes it to the disk; false
// when the file could not be written.
bool writeJournal(FileSystem& fs, std::u16string_view path, const RenamePlan& plan);

// What putting a journal's files back did to one of its rows.
struct RecoveredRow {
    int row = 0;
    std::u16string folder;
    std::u16string nameBefore;  // where the file was found (its first name when nothing was done)
    std::u16string nameBack;    // its first name
    bool hadDoneSteps = false;
    RenameOutcome outcome = RenameOutcome::Renamed;  // Renamed: it has its first name now
};

struct Recovery {
    std::vector<RecoveredRow> rows;  // by row
    int putBack = 0;                 // rows that had done steps and are back
    int notPutBack = 0;              // rows that had done steps and could not be put back
};

// Undoes, newest first, every step the disk shows as done: its file gone from the step's first
// name and found under its second (for a cycle's ends: the cycle's file found there). Steps
// not done are left alone; nothing is replaced.
Recovery recoverJournal(const std::vector<JournalStep>& steps, FileSystem& fs);

}  // namespace tessary
