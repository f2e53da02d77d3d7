#pragma once
// The file system as the renamer sees it: rename one file without ever replacing another,
// ask for a file's size and last-write time, and read or write a whole file. The program uses
// the Win32 implementation; tests and benchmarks use MemoryFileSystem, which a shared contract
// suite keeps in step with Windows.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "disk/RenameOutcome.h"

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

// Which file a path names, whatever it is called: two paths with the same identity name one
// file. Survives renames within the volume.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::uint64_t file = 0;

    bool operator==(const FileIdentity&) const = default;
};

// A file being written piece by piece, so that a large export or record file never has to be
// held whole in memory.
class FileSink {
  public:
    virtual ~FileSink() = default;
    // Appends bytes; false when the system refused them.
    virtual bool write(std::string_view bytes) = 0;
    // Makes what was written so far survive a crash or a power cut before returning; false
    // when the system could not.
    virtual bool flushToDisk() = 0;
    // Completes the file; false when anything written did not reach it. A sink dropped without
    // finish() leaves whatever it has written so far.
    virtual bool finish() = 0;
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

    // Calls `onName` with the name of every entry of the folder (files and folders, without
    // "." and ".."), in no particular order; false when the folder cannot be read. The view
    // lasts for the call only.
    virtual bool listFolder(std::u16string_view folder,
                            const std::function<void(std::u16string_view)>& onName) const = 0;

    // The identity of the file or folder at `path`; nothing when it cannot be had.
    virtual std::optional<FileIdentity> identify(std::u16string_view path) const = 0;

    // Whether the full path folder + name is longer than this system takes in any form.
    virtual bool pathTooLong(std::u16string_view folder, std::u16string_view name) const;

    // Deletes a file; false when it is not there or cannot be deleted.
    virtual bool removeFile(std::u16string_view path) = 0;

    // Creates the file, replacing an old one, to be written; nothing when it cannot be created.
    virtual std::unique_ptr<FileSink> createFile(std::u16string_view path) = 0;

    // Creates the file, replacing an old one, and writes `bytes`; false when any step failed.
    bool writeFile(std::u16string_view path, std::string_view bytes);

    // Where a read puts a file's bytes, so that a reader can take them straight into the
    // memory that keeps them (a file of 36 MB is then not held twice).
    class ReadTarget {
      public:
        virtual ~ReadTarget() = default;
        // Room for the `bytes` the file holds when it is opened.
        virtual char* room(std::size_t bytes) = 0;
        // How many were read: fewer when the file got shorter meanwhile.
        virtual void read(std::size_t bytes) = 0;
    };
    // Reads the whole file into the target; false when it cannot be opened or read, or when it
    // is larger than `maxBytes`.
    virtual bool readFileInto(std::u16string_view path, std::size_t maxBytes,
                              ReadTarget& target) const = 0;
    // The whole content of a file; nothing when readFileInto() fails.
    std::optional<std::string> readFile(std::u16string_view path, std::size_t maxBytes) const;
};

// Gathers what a command writes into a buffer of about one chunk and hands every full buffer
// to the file: the memory a large file costs stays one chunk, and the system sees few calls.
class BufferedFileWriter {
  public:
    static constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

    // The file at `path`, created (replacing an old one) at once.
    BufferedFileWriter(FileSystem& fs, std::u16string_view path);

    bool opened() const { return sink_ != nullptr; }
    // Append to this, then call flushIfFull().
    std::string& buffer() { return buffer_; }
    void flushIfFull() {
        if (buffer_.size() >= kChunkBytes) flush();
    }
    // Writes the rest and completes the file; false when the file could not be created or any
    // part of it was not written.
    bool finish();

  private:
    void flush();

    std::unique_ptr<FileSink> sink_;
    std::string buffer_;
    bool failed_ = false;
};

}  // namespace tessary
