#pragma once
// Tag files in memory, for tests and the fuzzer: files are found by their exact path, and a
// file can be made unopenable, read-only or failing on write to play the cases the system has.

#include <map>
#include <optional>
#include <string>

#include "tags/TagFile.h"

namespace tessary {

class MemoryTagFiles final : public TagFiles {
  public:
    void addFile(std::u16string_view path, std::string content);
    std::optional<std::string> content(std::u16string_view path) const;
    // As if another program were writing it or access were refused: no open succeeds.
    void refuseOpen(std::u16string_view path, bool refuse = true);
    // Opens for reading, not for update.
    void setReadOnly(std::u16string_view path, bool readOnly = true);
    // Opens for update, but every write fails (a full disk).
    void failWrites(std::u16string_view path, bool fail = true);

    std::unique_ptr<TagFile> openForReading(std::u16string_view path) override;
    std::unique_ptr<TagFile> openForUpdate(std::u16string_view path) override;

  private:
    struct Entry {
        std::string content;
        bool refuseOpen = false;
        bool readOnly = false;
        bool failWrites = false;
    };
    Entry* find(std::u16string_view path);

    std::map<std::u16string, Entry, std::less<>> files_;
};

}  // namespace tessary
