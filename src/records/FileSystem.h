#pragma once
// The file system as the renamer sees it: rename one file without ever replacing another,
// ask for a file's size and last-write time, and read or write a whole file. The program uses
// the Win32 implementation; tests and benchmarks use MemoryFileSystem, which a shared contract
// suite keeps in step with Windows.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "records/RenameOutcome.h"

namespace tessary {

struct FileAttributes {
    std::uint64_t size = 0;           // bytes; 0 for a folder
    std::uint64_t lastWriteTime = 0;  // 100-nanosecond ticks since 1601-01-01 00:00 UTC
    bool isFolder = false;
};

enum class QueryResult {
    Found,
    NotFound,  // the file or one of its folders is not there
    Failed,    // any other reason: access refused, device not ready, malformed name
};

struct AttributeQuery {
    QueryResult result = QueryResult::Failed;
    FileAttributes attributes;  // meaningful only when result is Found

    bool found() const { return result == QueryResult::Found; }
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Renames the file or folder at `from` to `to`. Never replaces anything: when `to` is
    // taken the result is TargetExists and nothing changes. A rename onto the exact same path
    // changes nothing and is Renamed when the file is there. A name that differs only in case
    // renames the file.
    virtual RenameOutcome rename(std::u16string_view from, std::u16string_view to) = 0;

    // Attributes, size and last-write time of a file or folder by its full path.
    virtual AttributeQuery queryAttributes(std::u16string_view path) const = 0;

    // Creates the file, replacing an old one, and writes `bytes`; false when any step failed.
    virtual bool writeFile(std::u16string_view path, std::string_view bytes) = 0;

    // The whole content of a file; nothing when it cannot be opened or read, or when it is
    // larger than `maxBytes`.
    virtual std::optional<std::string> readFile(std::u16string_view path,
                                                std::size_t maxBytes) const = 0;
};

}  // namespace tessary
