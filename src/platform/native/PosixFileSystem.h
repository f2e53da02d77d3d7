#pragma once
// The file system of Linux and other POSIX systems, for the command-line tool: "/" separates,
// names are UTF-8 on disk, and a rename never replaces anything (renameat2 with
// RENAME_NOREPLACE, or a hard link and an unlink where the file system lacks it). What names
// are allowed is still judged by the Windows rules, before a batch reaches this class.

#include "disk/FileSystem.h"

namespace tessary {

class PosixFileSystem final : public FileSystem {
  public:
    RenameOutcome rename(std::u16string_view from, std::u16string_view to) override;
    AttributeQuery queryAttributes(std::u16string_view path) const override;
    bool listFolder(std::u16string_view folder,
                    const std::function<void(std::u16string_view)>& onName) const override;
    std::optional<FileIdentity> identify(std::u16string_view path) const override;
    bool pathTooLong(std::u16string_view folder, std::u16string_view name) const override;
    bool removeFile(std::u16string_view path) override;
    std::unique_ptr<FileSink> createFile(std::u16string_view path) override;
    bool readFileInto(std::u16string_view path, std::size_t maxBytes,
                      ReadTarget& target) const override;
};

// The outcome of a failed rename from its errno.
RenameOutcome renameOutcomeOfErrno(int error);

}  // namespace tessary
