#pragma once
// The in-memory file system as a world of the shared contract and the no-loss rounds.

#include "contract/FileSystemContract.h"
#include "disk/MemoryFileSystem.h"

namespace tessary::contract {

class MemoryHold final : public Hold {
  public:
    MemoryHold(MemoryFileSystem& fs, std::u16string path) : fs_(fs), path_(std::move(path)) {
        fs_.holdOpen(path_, true);
    }
    ~MemoryHold() override { fs_.holdOpen(path_, false); }

  private:
    MemoryFileSystem& fs_;
    std::u16string path_;
};

class MemoryWorld final : public FileSystemWorld {
  public:
    MemoryWorld() { fs_.addFolder(root()); }
    FileSystem& fs() override { return fs_; }
    std::u16string root() override { return u"C:\\Users\\测试\\case\\"; }
    void makeFolder(const std::u16string& path) override { ASSERT_TRUE(fs_.addFolder(path)); }
    void makeFile(const std::u16string& path, const std::string& content,
                  std::uint64_t lastWriteTime) override {
        ASSERT_TRUE(fs_.addFile(path, content, lastWriteTime));
    }
    std::optional<std::string> content(const std::u16string& path) override {
        return fs_.content(path);
    }
    std::vector<std::u16string> namesIn(const std::u16string& folder) override {
        return fs_.namesIn(folder);
    }
    std::unique_ptr<Hold> holdOpen(const std::u16string& path, Sharing) override {
        return std::make_unique<MemoryHold>(fs_, path);
    }
    void setReadOnly(const std::u16string& path) override { fs_.setReadOnly(path); }
    bool showsNewCase() const override { return true; }
    bool refusesWritingReadOnlyFiles() const override { return true; }

  private:
    MemoryFileSystem fs_;
};

}  // namespace tessary::contract
