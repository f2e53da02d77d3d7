#pragma once
// The file system of Windows: MoveFileExW without replacing, GetFileAttributesExW, and whole
// files through CreateFileW. Absolute paths of MAX_PATH units or more are given to the system
// in their \\?\ form, so that they work wherever the file system allows them.

#include <memory>
#include <string>
#include <string_view>

#include "disk/FileSystem.h"

namespace tessary {

class Win32FileSystem final : public FileSystem {
  public:
    RenameOutcome rename(std::u16string_view from, std::u16string_view to) override;
    AttributeQuery queryAttributes(std::u16string_view path) const override;
    bool listFolder(std::u16string_view folder,
                    const std::function<void(std::u16string_view)>& onName) const override;
    bool removeFile(std::u16string_view path) override;
    std::optional<FileIdentity> identify(std::u16string_view path) const override;
    std::unique_ptr<FileSink> createFile(std::u16string_view path) override;
    bool readFileInto(std::u16string_view path, std::size_t maxBytes,
                      ReadTarget& target) const override;
};

// The outcome of a failed rename from its system error code, as the C library's rename maps it.
RenameOutcome renameOutcomeOfError(unsigned long error);

// The path as the system is given it: an absolute path ("C:\..." or "\\server\share\...")
// normalised as Windows normalises it ("." and "..", trailing dots and blanks) and then in
// its \\?\ form; any other path as it is.
std::u16string extendedLengthPath(std::u16string_view path);

}  // namespace tessary
