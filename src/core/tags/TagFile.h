#pragma once
// What the tag codec needs from a file: its length, reads at an offset, writes at an offset (at
// the end they append). The window uses the Win32 files; the command-line tool natively and the
// native tests use the standard library's; tests and the fuzzer also use files in memory. A
// contract suite runs the same cases against each of them.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace tessary {

class TagFile {
  public:
    virtual ~TagFile() = default;
    // The length in bytes; nothing when the system cannot tell.
    virtual std::optional<std::uint64_t> size() = 0;
    // Reads up to `count` bytes at `offset`; returns how many were read (0 past the end or when
    // the read failed).
    virtual std::size_t readAt(std::uint64_t offset, void* buffer, std::size_t count) = 0;
    // Writes all of `bytes` at `offset`; false when any of them could not be written.
    virtual bool writeAt(std::uint64_t offset, std::string_view bytes) = 0;
    // Closes the file; false when the system says the written bytes could not be kept. A file
    // that is dropped unclosed is closed all the same.
    virtual bool close() = 0;
};

class TagFiles {
  public:
    virtual ~TagFiles() = default;
    // An existing file, for reading; while it is open others may read it but not write it.
    // Nothing when it cannot be opened (missing, a folder, being written by another program,
    // access refused).
    virtual std::unique_ptr<TagFile> openForReading(std::u16string_view path) = 0;
    // An existing file, for reading and writing, keeping its content. Nothing when it cannot be
    // opened so; it is never created.
    virtual std::unique_ptr<TagFile> openForUpdate(std::u16string_view path) = 0;
};

}  // namespace tessary
