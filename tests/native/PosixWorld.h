#pragma once
// Real files in a temporary folder of a POSIX system, as a world of the batch cases and the
// no-loss rounds.

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "contract/FileSystemContract.h"
#include "model/Utf8.h"
#include "platform/native/PosixFileSystem.h"

namespace tessary::contract {

class PosixWorld final : public FileSystemWorld {
  public:
    PosixWorld() {
        std::random_device random;
        root_ = std::filesystem::temp_directory_path() /
                ("tessary-posix-" + std::to_string(::getpid()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(root_);
    }
    ~PosixWorld() override {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    FileSystem& fs() override { return fs_; }
    std::u16string root() override { return fromUtf8(root_.string()) + u"/"; }
    void makeFolder(const std::u16string& path) override {
        ASSERT_TRUE(std::filesystem::create_directory(local(path)));
    }
    void makeFile(const std::u16string& path, const std::string& content, std::uint64_t) override {
        std::ofstream out(local(path), std::ios::binary);
        out << content;
        ASSERT_TRUE(out.good());
    }
    std::optional<std::string> content(const std::u16string& path) override {
        std::ifstream in(local(path), std::ios::binary);
        if (!in) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::vector<std::u16string> namesIn(const std::u16string& folder) override {
        std::vector<std::u16string> names;
        for (const auto& entry : std::filesystem::directory_iterator(local(folder))) {
            names.push_back(fromUtf8(entry.path().filename().string()));
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    // Another program's open file does not stop a rename here.
    std::unique_ptr<Hold> holdOpen(const std::u16string&, Sharing) override {
        return std::make_unique<Hold>();
    }
    void setReadOnly(const std::u16string& path) override {
        std::filesystem::permissions(local(path), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
    }
    bool showsNewCase() const override { return true; }
    bool refusesWritingReadOnlyFiles() const override { return false; }
    bool openFilesStayPut() const override { return false; }
    char16_t separator() const override { return u'/'; }

  private:
    static std::filesystem::path local(const std::u16string& path) { return toUtf8(path); }

    std::filesystem::path root_;
    PosixFileSystem fs_;
};

}  // namespace tessary::contract
