#pragma once
// Real files in a temporary folder as a world of the shared contract and the no-loss rounds.

#include "contract/FileSystemContract.h"
#include "win32/Win32TempFolder.h"

namespace tessary::contract {

using namespace tessary::win32test;

class Win32Hold final : public Hold {
  public:
    Win32Hold(const std::u16string& path, Sharing sharing) {
        const DWORD share = sharing == Sharing::None ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE;
        handle_ = CreateFileW(wide(longForm(path)), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE);
    }
    ~Win32Hold() override {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }

  private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

class Win32World final : public FileSystemWorld {
  public:
    FileSystem& fs() override { return fs_; }
    std::u16string root() override { return folder_.path(); }
    void makeFolder(const std::u16string& path) override {
        ASSERT_TRUE(CreateDirectoryW(wide(longForm(path)), nullptr)) << GetLastError();
    }
    void makeFile(const std::u16string& path, const std::string& content,
                  std::uint64_t lastWriteTime) override {
        ASSERT_TRUE(writeBytes(path, content));
        if (lastWriteTime == 0) return;
        HANDLE file = CreateFileW(wide(longForm(path)), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        FILETIME t{static_cast<DWORD>(lastWriteTime), static_cast<DWORD>(lastWriteTime >> 32)};
        EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &t));
        CloseHandle(file);
    }
    std::optional<std::string> content(const std::u16string& path) override {
        return readBytes(path);
    }
    std::vector<std::u16string> namesIn(const std::u16string& folder) override {
        return namesInFolder(folder);
    }
    std::unique_ptr<Hold> holdOpen(const std::u16string& path, Sharing sharing) override {
        return std::make_unique<Win32Hold>(path, sharing);
    }
    void setReadOnly(const std::u16string& path) override {
        const std::u16string full = longForm(path);
        const DWORD attributes = GetFileAttributesW(wide(full));
        ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
        ASSERT_TRUE(SetFileAttributesW(wide(full), attributes | FILE_ATTRIBUTE_READONLY));
    }
    bool showsNewCase() const override { return !runningUnderWine(); }
    bool refusesWritingReadOnlyFiles() const override { return !runningUnderWine(); }

  private:
    TempFolder folder_{u"tessary-contract"};
    Win32FileSystem fs_;
};

}  // namespace tessary::contract
