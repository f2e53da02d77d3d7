// The tag files contract against the files in memory and the standard library's on real files
// (natively, and under Wine through the C runtime).

#include <filesystem>

#include "core/TagFileContract.h"
#include "tags/MemoryTagFiles.h"
#include "tags/StreamTagFiles.h"

namespace tessary::testing {
namespace {

class MemoryHarness final : public TagFilesHarness {
  public:
    TagFiles& files() override { return files_; }
    std::u16string path(std::u16string_view name) override {
        return u"C:\\tags\\" + std::u16string(name);
    }
    void create(std::u16string_view name, const std::string& content) override {
        files_.addFile(path(name), content);
    }
    std::optional<std::string> content(std::u16string_view name) override {
        return files_.content(path(name));
    }

  private:
    MemoryTagFiles files_;
};

class StreamHarness final : public RealFolderHarness {
  public:
    TagFiles& files() override { return files_; }

  private:
    StreamTagFiles files_;
};

INSTANTIATE_TEST_SUITE_P(
    TagFiles, TagFilesContract,
    ::testing::Values(TagFilesFactory{"memory", [] { return std::make_unique<MemoryHarness>(); }},
                      TagFilesFactory{"stream", [] { return std::make_unique<StreamHarness>(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StreamTagFiles, AFolderIsNoFileToTag) {
    StreamHarness h;
    std::filesystem::create_directory(h.dir() / "album.mp3");
    EXPECT_EQ(h.files().openForReading(h.path(u"album.mp3")), nullptr);
    EXPECT_EQ(h.files().openForUpdate(h.path(u"album.mp3")), nullptr);
}

TEST(MemoryTagFiles, PlaysTheRefusalsOfTheSystem) {
    MemoryHarness h;
    h.create(u"a.mp3", "abc");
    auto& files = static_cast<MemoryTagFiles&>(h.files());
    files.setReadOnly(h.path(u"a.mp3"));
    EXPECT_NE(files.openForReading(h.path(u"a.mp3")), nullptr);
    EXPECT_EQ(files.openForUpdate(h.path(u"a.mp3")), nullptr);
    files.setReadOnly(h.path(u"a.mp3"), false);
    files.failWrites(h.path(u"a.mp3"));
    auto file = files.openForUpdate(h.path(u"a.mp3"));
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(file->writeAt(3, "d"));
    EXPECT_EQ(h.content(u"a.mp3"), "abc");
    files.refuseOpen(h.path(u"a.mp3"));
    EXPECT_EQ(files.openForReading(h.path(u"a.mp3")), nullptr);
}

}  // namespace
}  // namespace tessary::testing
