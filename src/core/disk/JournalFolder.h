#pragma once
// The folder where the window keeps the journals of its batches ("Tessary.journal",
// "Tessary-2.journal", ...). A journal left by a batch that did not end is never written over:
// the next batch takes a new number, and the program offers at its next start to put back
// the files of every journal it finds, newest first.

#include <string>
#include <vector>

#include "disk/FileSystem.h"

namespace tessary {

class JournalFolder {
  public:
    // `folder` ends with its separator.
    explicit JournalFolder(std::u16string folder) : folder_(std::move(folder)) {}

    // The journals there, newest first, as full paths.
    std::vector<std::u16string> journals(const FileSystem& fs) const;
    // Where the next batch's journal goes: after the newest one there.
    std::u16string nextPath(const FileSystem& fs) const;

  private:
    std::u16string folder_;
};

struct JournalsRecovered {
    int putBack = 0;
    int notPutBack = 0;
    std::vector<std::u16string> damaged;  // journals that could not be read; kept
};

// Puts back the files of every journal in the folder, newest first. A journal whose files are
// all back is deleted; one with files that could not be put back is kept for another try.
JournalsRecovered recoverJournals(const JournalFolder& folder, FileSystem& fs);

inline constexpr char16_t kRecoveryQuestion[] =
    u"上次的改名没有完成就中断了。是否把那次改名的文件改回原来的名字？";

// "已改回%d个文件。" and, when some could not be, "另有%d个文件未能改回。"; then a line per
// damaged journal.
std::u16string recoveryReport(const JournalsRecovered& recovered);

}  // namespace tessary
