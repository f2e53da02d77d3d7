#pragma once
// A file system in memory that behaves as Windows does for everything the renamer asks of it:
// names are matched without regard to case but keep the case they were given, a rename never
// replaces anything, a file held open by another program cannot be renamed, and names with
// characters Windows refuses are refused. Tests and native benchmarks run on it; the contract
// suite runs the same cases against it and against real files under Wine.
//
// Paths are absolute, "X:\folder\name"; "/" also separates, "." and ".." are resolved, and
// trailing dots and blanks of the last name are dropped, as Windows does.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "disk/FileSystem.h"

namespace tessary {

class MemoryFileSystem final : public FileSystem {
  public:
    // Setting up. Folders are created with their parents; files need their folder. Each
    // returns false when the path is malformed or its folder is missing.
    bool addFolder(std::u16string_view path);
    bool addFile(std::u16string_view path, std::string content = {},
                 std::uint64_t lastWriteTime = 0);
    // Removes a file, or a folder with all it holds.
    bool remove(std::u16string_view path);
    // As if another program had the file open without sharing: renames and writes are refused.
    bool holdOpen(std::u16string_view path, bool held = true);
    // The read-only attribute. Windows still renames a read-only file, and ignores the
    // attribute on folders; only writing a read-only file is refused.
    bool setReadOnly(std::u16string_view path, bool readOnly = true);
    // Makes listing this folder fail, as for a folder the user may not read.
    bool failListing(std::u16string_view path, bool fail = true);
    // Makes attribute queries of this path fail for another reason than "not found", as for a
    // device that is not ready.
    bool failQueries(std::u16string_view path, bool fail = true);

    // Looking at the result.
    bool exists(std::u16string_view path) const;
    std::optional<std::string> content(std::u16string_view path) const;
    // The path with the case the names have on "disk".
    std::optional<std::u16string> actualPath(std::u16string_view path) const;
    // Names of the entries of a folder, in the case they have, sorted.
    std::vector<std::u16string> namesIn(std::u16string_view folder) const;
    std::size_t entryCount() const { return entries_.size(); }

    RenameOutcome rename(std::u16string_view from, std::u16string_view to) override;
    AttributeQuery queryAttributes(std::u16string_view path) const override;
    bool listFolder(std::u16string_view folder,
                    const std::function<void(std::u16string_view)>& onName) const override;
    bool removeFile(std::u16string_view path) override;
    std::optional<FileIdentity> identify(std::u16string_view path) const override;
    std::unique_ptr<FileSink> createFile(std::u16string_view path) override;
    bool readFileInto(std::u16string_view path, std::size_t maxBytes,
                      ReadTarget& target) const override;

  private:
    class Sink;

    struct Entry {
        std::u16string path;  // as cased on disk
        bool isFolder = false;
        bool heldOpen = false;
        bool readOnly = false;
        bool failQueries = false;
        bool failListing = false;
        std::string content;
        std::uint64_t lastWriteTime = 0;
        std::uint64_t id = 0;  // which file this is, kept across renames
    };

    // A path taken apart: `key` is the folded full path without a trailing separator, `path`
    // the same with its case kept.
    struct Parsed {
        enum class Error { None, Malformed, InvalidName, TooLong } error = Error::None;
        std::u16string path;
        std::u16string key;
        std::u16string parentKey;  // empty for a drive root
        bool isRoot = false;
    };
    static Parsed parse(std::u16string_view path);

    Entry* find(const std::u16string& key);
    const Entry* find(const std::u16string& key) const;
    bool folderExists(const Parsed& p) const;

    std::uint64_t newId() { return ++lastId_; }

    std::map<std::u16string, Entry> entries_;  // by folded path
    std::uint64_t lastId_ = 0;
};

}  // namespace tessary
