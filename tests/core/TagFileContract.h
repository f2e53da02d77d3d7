#pragma once
// What every TagFiles must do, as one suite: run against the files in memory and the standard
// library's here, and against the Win32 files on real files under Wine, so none of them drifts.
// A test executable includes this once and instantiates TagFilesContract with its harnesses.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>

#include "tags/TagFile.h"

namespace tessary::testing {

class TagFilesHarness {
  public:
    virtual ~TagFilesHarness() = default;
    virtual TagFiles& files() = 0;
    // The path of a file called `name` in the harness's folder.
    virtual std::u16string path(std::u16string_view name) = 0;
    virtual void create(std::u16string_view name, const std::string& content) = 0;
    virtual std::optional<std::string> content(std::u16string_view name) = 0;
};

// A fresh folder under the system's temporary folder, removed afterwards.
class TempFolder {
  public:
    TempFolder() {
        // Other test runs may use the same temporary folder at the same time.
        static const unsigned run = std::random_device{}();
        static std::atomic<int> next{0};
        dir_ = std::filesystem::temp_directory_path() /
               ("tessary-tags-" + std::to_string(run) + "-" + std::to_string(next++));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    const std::filesystem::path& dir() const { return dir_; }

  private:
    std::filesystem::path dir_;
};

class RealFolderHarness : public TagFilesHarness {
  public:
    std::u16string path(std::u16string_view name) override {
        return (folder_.dir() / std::filesystem::path(name)).u16string();
    }
    void create(std::u16string_view name, const std::string& content) override {
        std::ofstream(folder_.dir() / std::filesystem::path(name), std::ios::binary) << content;
    }
    std::optional<std::string> content(std::u16string_view name) override {
        std::ifstream in(folder_.dir() / std::filesystem::path(name), std::ios::binary);
        if (!in) return std::nullopt;
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    const std::filesystem::path& dir() const { return folder_.dir(); }

  private:
    TempFolder folder_;
};

struct TagFilesFactory {
    const char* name;
    std::function<std::unique_ptr<TagFilesHarness>()> make;
};

inline std::ostream& operator<<(std::ostream& os, const TagFilesFactory& f) { return os << f.name; }

class TagFilesContract : public ::testing::TestWithParam<TagFilesFactory> {
  protected:
    void SetUp() override { h = GetParam().make(); }
    std::unique_ptr<TagFilesHarness> h;
};

TEST_P(TagFilesContract, MissingFilesDoNotOpen) {
    EXPECT_EQ(h->files().openForReading(h->path(u"missing.mp3")), nullptr);
    EXPECT_EQ(h->files().openForUpdate(h->path(u"missing.mp3")), nullptr);
    EXPECT_EQ(h->files().openForReading(u""), nullptr);
    // Updating never creates the file.
    EXPECT_FALSE(h->content(u"missing.mp3"));
}

TEST_P(TagFilesContract, ReadsAtOffsetsAndStopsAtTheEnd) {
    h->create(u"a.mp3", "0123456789");
    auto file = h->files().openForReading(h->path(u"a.mp3"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->size(), 10u);
    char buffer[8] = {};
    EXPECT_EQ(file->readAt(2, buffer, 3), 3u);
    EXPECT_EQ(std::string(buffer, 3), "234");
    EXPECT_EQ(file->readAt(7, buffer, 8), 3u);
    EXPECT_EQ(std::string(buffer, 3), "789");
    EXPECT_EQ(file->readAt(10, buffer, 4), 0u);
    EXPECT_EQ(file->readAt(1000, buffer, 4), 0u);
    EXPECT_EQ(file->readAt(0, buffer, 2), 2u);  // reading back after the end
    EXPECT_EQ(std::string(buffer, 2), "01");
    EXPECT_TRUE(file->close());
}

TEST_P(TagFilesContract, AnEmptyFileOpensWithSizeZero) {
    h->create(u"empty.mp3", "");
    auto file = h->files().openForReading(h->path(u"empty.mp3"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->size(), 0u);
    char b = 0;
    EXPECT_EQ(file->readAt(0, &b, 1), 0u);
}

TEST_P(TagFilesContract, UpdateKeepsTheContentWritesInPlaceAndAppends) {
    h->create(u"a.mp3", "0123456789");
    {
        auto file = h->files().openForUpdate(h->path(u"a.mp3"));
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->size(), 10u);
        EXPECT_TRUE(file->writeAt(4, "ab"));
        EXPECT_TRUE(file->writeAt(10, "XYZ"));
        EXPECT_EQ(file->size(), 13u);
        char buffer[13] = {};
        EXPECT_EQ(file->readAt(0, buffer, 13), 13u);
        EXPECT_EQ(std::string(buffer, 13), "0123ab6789XYZ");
        EXPECT_TRUE(file->close());
    }
    EXPECT_EQ(h->content(u"a.mp3"), "0123ab6789XYZ");
}

TEST_P(TagFilesContract, ADroppedFileIsClosedWithItsWrites) {
    h->create(u"a.mp3", "0123");
    {
        auto file = h->files().openForUpdate(h->path(u"a.mp3"));
        ASSERT_NE(file, nullptr);
        EXPECT_TRUE(file->writeAt(4, "45"));
    }
    EXPECT_EQ(h->content(u"a.mp3"), "012345");
    // And it can be opened again right away.
    EXPECT_NE(h->files().openForUpdate(h->path(u"a.mp3")), nullptr);
}

TEST_P(TagFilesContract, BinaryBytesGoThroughUnchanged) {
    const std::string bytes("\r\n\0\x1A\xFF\n\r", 7);
    h->create(u"b.mp3", bytes);
    auto file = h->files().openForUpdate(h->path(u"b.mp3"));
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->writeAt(7, bytes));
    EXPECT_TRUE(file->close());
    EXPECT_EQ(h->content(u"b.mp3"), bytes + bytes);
}

}  // namespace tessary::testing
