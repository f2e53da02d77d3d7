#pragma once
// A file system that hands every call on to another: tests derive from it to count calls or to
// break in at one of them.

#include "disk/FileSystem.h"

namespace tessary::testing {

class ForwardingFileSystem : public FileSystem {
  public:
    explicit ForwardingFileSystem(FileSystem& fs) : fs_(fs) {}

    RenameOutcome rename(std::u16string_view from, std::u16string_view to) override {
        return fs_.rename(from, to);
    }
    AttributeQuery queryAttributes(std::u16string_view path) const override {
        return fs_.queryAttributes(path);
    }
    bool listFolder(std::u16string_view folder,
                    const std::function<void(std::u16string_view)>& onName) const override {
        return fs_.listFolder(folder, onName);
    }
    std::optional<FileIdentity> identify(std::u16string_view path) const override {
        return fs_.identify(path);
    }
    bool removeFile(std::u16string_view path) override { return fs_.removeFile(path); }
    std::unique_ptr<FileSink> createFile(std::u16string_view path) override {
        return fs_.createFile(path);
    }
    bool readFileInto(std::u16string_view path, std::size_t maxBytes,
                      ReadTarget& target) const override {
        return fs_.readFileInto(path, maxBytes, target);
    }

  private:
    FileSystem& fs_;
};

}  // namespace tessary::testing
