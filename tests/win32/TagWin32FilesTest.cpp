// The Win32 tag files on real files under Wine: the shared contract, the sharing the codec
// relies on, folders, long and Chinese paths, and whole tags in code page 936.

#include <windows.h>

#include "core/TagFileContract.h"
#include "core/TagTestSupport.h"
#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "platform/win32/Win32TagFiles.h"
#include "tags/Mp3TagRecord.h"

namespace tessary::testing {
namespace {

class Win32Harness final : public RealFolderHarness {
  public:
    TagFiles& files() override { return files_; }

  private:
    Win32TagFiles files_;
};

INSTANTIATE_TEST_SUITE_P(Win32, TagFilesContract,
                         ::testing::Values(TagFilesFactory{
                             "win32", [] { return std::make_unique<Win32Harness>(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

HANDLE openRaw(const std::u16string& path, DWORD access, DWORD share) {
    return CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), access, share, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

class Win32TagFilesTest : public ::testing::Test {
  protected:
    Win32Harness h;
    Win32TagFiles& files = static_cast<Win32TagFiles&>(h.files());
};

TEST_F(Win32TagFilesTest, ReadingLetsOthersReadButNotWrite) {
    h.create(u"a.mp3", frameAudio());
    auto file = files.openForReading(h.path(u"a.mp3"));
    ASSERT_NE(file, nullptr);
    const DWORD all = FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE reader = openRaw(h.path(u"a.mp3"), GENERIC_READ, all);
    EXPECT_NE(reader, INVALID_HANDLE_VALUE);
    if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
    HANDLE writer = openRaw(h.path(u"a.mp3"), GENERIC_WRITE, all);
    EXPECT_EQ(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
    file->close();
    writer = openRaw(h.path(u"a.mp3"), GENERIC_WRITE, all);
    EXPECT_NE(writer, INVALID_HANDLE_VALUE);
    if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
}

TEST_F(Win32TagFilesTest, AFileBeingWrittenDoesNotOpen) {
    h.create(u"a.mp3", frameAudio());
    HANDLE writer = openRaw(h.path(u"a.mp3"), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(files.openForReading(h.path(u"a.mp3")), nullptr);
    EXPECT_EQ(files.openForUpdate(h.path(u"a.mp3")), nullptr);
    Mp3TagRecord record(h.path(u"a.mp3"));
    EXPECT_EQ(record.read(files, *makeSystemAnsiCodePage()), 0);
    CloseHandle(writer);
    EXPECT_NE(files.openForReading(h.path(u"a.mp3")), nullptr);
}

TEST_F(Win32TagFilesTest, FoldersDoNotOpen) {
    ASSERT_TRUE(
        CreateDirectoryW(reinterpret_cast<const wchar_t*>(h.path(u"album").c_str()), nullptr));
    EXPECT_EQ(files.openForReading(h.path(u"album")), nullptr);
    EXPECT_EQ(files.openForUpdate(h.path(u"album")), nullptr);
}

TEST_F(Win32TagFilesTest, LongAndChinesePaths) {
    std::u16string folder = h.path(u"");
    for (int i = 0; i < 4; ++i) {
        folder += std::u16string(80, static_cast<char16_t>(u'a' + i)) + u"\\";
        ASSERT_TRUE(CreateDirectoryW(
            reinterpret_cast<const wchar_t*>((u"\\\\?\\" + folder).c_str()), nullptr));
    }
    const std::u16string longPath = folder + u"歌曲.mp3";
    ASSERT_GT(longPath.size(), static_cast<std::size_t>(MAX_PATH));
    HANDLE made =
        CreateFileW(reinterpret_cast<const wchar_t*>((u"\\\\?\\" + longPath).c_str()),
                    GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(made, INVALID_HANDLE_VALUE);
    const std::string audio = frameAudio();
    DWORD put = 0;
    WriteFile(made, audio.data(), static_cast<DWORD>(audio.size()), &put, nullptr);
    CloseHandle(made);

    const auto cp = makeSystemAnsiCodePage();
    Mp3TagRecord record(longPath);
    EXPECT_EQ(record.read(files, *cp), 3);
    record.setTitle(u"长路径");
    EXPECT_EQ(record.write(files, *cp), 1);
    Mp3TagRecord back(longPath);
    EXPECT_EQ(back.read(files, *cp), 4);
    EXPECT_EQ(back.title(), u"长路径");
}

TEST_F(Win32TagFilesTest, TagsInCodePage936OnRealFiles) {
    const auto cp = makeSystemAnsiCodePage();
    ASSERT_EQ(cp->number(), 936u) << "run with LC_ALL=zh_CN.UTF-8";
    // 中文 in GBK as the title, a cut double-byte character at the end of the artist.
    h.create(u"中文.mp3",
             frameAudio() + tagBlock(RawTag{"\xD6\xD0\xCE\xC4", std::string(29, 'a') + "\xD6", "",
                                            "1999", "", 0, 3, 8}));
    Mp3TagRecord record(h.path(u"中文.mp3"));
    ASSERT_EQ(record.read(files, *cp), 4);
    EXPECT_EQ(record.title(), u"中文");
    EXPECT_EQ(record.artist(), std::u16string(29, u'a'));
    EXPECT_EQ(record.trackText(), u"3");
    EXPECT_EQ(record.genreText(), u"8.Jazz");

    record.setAlbum(u"a" + std::u16string(15, u'专'));  // 31 bytes: the last one is left out
    ASSERT_EQ(record.write(files, *cp), 1);
    const std::string disk = *h.content(u"中文.mp3");
    ASSERT_EQ(disk.size(), frameAudio().size() + 128);
    const std::string album = disk.substr(disk.size() - 128 + 63, 30);
    std::string expected = "a";
    for (int i = 0; i < 14; ++i) expected += "\xD7\xA8";  // 专
    expected += '\0';
    EXPECT_EQ(album, expected);
}

}  // namespace
}  // namespace tessary::testing
