// LastOpen.ini: what the program makes of the bytes it finds, and what it leaves on disk, on
// real files in a folder of the test's own.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "disk/LastOpenSettings.h"

namespace tessary {
namespace {

std::string le(std::u16string_view text) {
    std::string bytes;
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

TEST(LastOpenCodec, DecodesTheTextTheBufferHolds) {
    struct Case {
        const char* what;
        std::string bytes;
        std::u16string folder;
    };
    const Case cases[] = {
        {"empty file", "", u""},
        {"default", le(u"C:\\"), u"C:\\"},
        {"Chinese folder", le(u"D:\\照片\\2011\\"), u"D:\\照片\\2011\\"},
        {"stops at the first zero unit", le(u"C:\\a") + std::string("\0\0", 2) + le(u"b"),
         u"C:\\a"},
        {"odd length: last byte is a low half", le(u"C:") + "x", u"C:x"},
        {"a zero low byte with a high byte is not a terminator", std::string("\0\x4E", 2),
         u"\u4E00"},
        {"leading zero unit gives nothing", std::string("\0\0C\0", 4), u""},
    };
    for (const Case& c : cases) EXPECT_EQ(decodeLastOpen(c.bytes), c.folder) << c.what;
}

TEST(LastOpenCodec, ReadsOnlyTheFirst256Units) {
    // 600 bytes: 300 distinct non-zero units.
    std::u16string text;
    for (int i = 0; i < 300; ++i) text.push_back(static_cast<char16_t>(u'A' + i));
    const std::u16string folder = decodeLastOpen(le(text));
    ASSERT_EQ(folder.size(), 256u);
    EXPECT_EQ(folder, text.substr(0, 256));
}

TEST(LastOpenCodec, EncodesWithoutTerminatorAndRoundTrips) {
    EXPECT_EQ(encodeLastOpen(u"C:\\"), std::string("C\0:\0\\\0", 6));
    EXPECT_EQ(encodeLastOpen(u""), "");
    EXPECT_EQ(encodeLastOpen(std::u16string(u"ab\0cd", 5)), le(u"ab"));
    const std::u16string folder = u"E:\\音乐\\专辑 (2)\\";
    EXPECT_EQ(decodeLastOpen(encodeLastOpen(folder)), folder);
}

class LastOpenFile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device random;
        dir_ = std::filesystem::temp_directory_path() /
               ("tessary-lastopen-" + std::to_string(random()));
        std::filesystem::create_directories(dir_);
        path_ = dir_ / kLastOpenFileName;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string content() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void write(const std::string& bytes) const {
        std::ofstream(path_, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::filesystem::path dir_;
    std::filesystem::path path_;
};

TEST_F(LastOpenFile, FirstStartCreatesTheSixDefaultBytes) {
    SettingsFile file(path_);
    LastOpenSettings settings;
    EXPECT_EQ(settings.load(file), LastOpenLoad::Created);
    EXPECT_EQ(settings.folder(), u"C:\\");
    EXPECT_EQ(content(), std::string("C\0:\0\\\0", 6));
    // The second start reads what the first wrote and leaves the file alone.
    LastOpenSettings again;
    EXPECT_EQ(again.load(file), LastOpenLoad::Read);
    EXPECT_EQ(again.folder(), u"C:\\");
    EXPECT_EQ(content().size(), 6u);
}

TEST_F(LastOpenFile, ALongFileYieldsItsFirst256UnitsAndStaysAsItWas) {
    std::string bytes;
    for (int i = 0; i < 300; ++i) bytes += le(std::u16string(1, static_cast<char16_t>(0x4E00 + i)));
    ASSERT_EQ(bytes.size(), 600u);
    write(bytes);
    SettingsFile file(path_);
    LastOpenSettings settings;
    EXPECT_EQ(settings.load(file), LastOpenLoad::Read);
    EXPECT_EQ(settings.folder().size(), 256u);
    EXPECT_EQ(settings.folder().back(), static_cast<char16_t>(0x4E00 + 255));
    EXPECT_EQ(content(), bytes);
}

TEST_F(LastOpenFile, AnEmptyFileGivesAnEmptyFolderAndIsNotRewritten) {
    write("");
    SettingsFile file(path_);
    LastOpenSettings settings;
    EXPECT_EQ(settings.load(file), LastOpenLoad::Read);
    EXPECT_EQ(settings.folder(), u"");
    EXPECT_EQ(content(), "");
}

TEST_F(LastOpenFile, UncreatableFileLeavesAnEmptyFolder) {
    // A folder in the file's place: it can be neither read nor created, whoever runs the test.
    std::filesystem::create_directory(path_);
    SettingsFile file(path_);
    LastOpenSettings settings;
    EXPECT_EQ(settings.load(file), LastOpenLoad::CreateFailed);
    EXPECT_EQ(settings.folder(), u"");
    EXPECT_TRUE(std::filesystem::is_directory(path_));
}

TEST_F(LastOpenFile, StoreRewritesTheWholeFile) {
    write(le(u"D:\\a rather long folder name\\"));
    SettingsFile file(path_);
    LastOpenSettings settings;
    settings.load(file);
    EXPECT_TRUE(settings.store(file, u"E:\\新\\"));
    EXPECT_EQ(settings.folder(), u"E:\\新\\");
    EXPECT_EQ(content(), le(u"E:\\新\\"));
    // A folder longer than the 256 units read back is kept whole in memory.
    const std::u16string deep = u"F:\\" + std::u16string(400, u'x');
    EXPECT_TRUE(settings.store(file, deep));
    EXPECT_EQ(settings.folder(), deep);
    EXPECT_EQ(content().size(), deep.size() * 2);
}

TEST_F(LastOpenFile, FailedStoreKeepsTheNewFolder) {
    std::filesystem::create_directory(path_);
    SettingsFile file(path_);
    LastOpenSettings settings;
    EXPECT_FALSE(settings.store(file, u"G:\\x\\"));
    EXPECT_EQ(settings.folder(), u"G:\\x\\");
}

}  // namespace
}  // namespace tessary
