#include <gtest/gtest.h>

#include "model/FileNameParts.h"
#include "model/StringPrimitives.h"

namespace tessary {
namespace {

struct SplitCase {
    std::u16string name, mainName, extension, joined, swapped;
};

class SplitFileName : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitFileName, SplitsAtTheLastDotAndJoinsBack) {
    const SplitCase& c = GetParam();
    FileNameParts parts = FileNameParts::fromFileName(c.name);
    EXPECT_EQ(parts.mainName(), c.mainName);
    EXPECT_EQ(parts.extension(), c.extension);
    EXPECT_EQ(parts.fileName(), c.name);
    EXPECT_TRUE(parts.folder().empty());
    EXPECT_TRUE(parts.fullPath().empty());
    EXPECT_EQ(parts.join(), c.joined);
    EXPECT_EQ(parts.joinedName(), c.joined);
    EXPECT_EQ(FileNameParts::fromFileName(c.name).joinSwapped(), c.swapped);
}

INSTANTIATE_TEST_SUITE_P(
    Names, SplitFileName,
    ::testing::Values(SplitCase{u"report.final.doc", u"report.final", u"doc", u"report.final.doc",
                                u"doc.report.final"},
                      SplitCase{u"README", u"README", u"", u"README", u".README"},
                      SplitCase{u".profile", u"", u"profile", u".profile", u"profile"},
                      SplitCase{u"archive.", u"archive", u"", u"archive", u".archive"},
                      SplitCase{u"song.mp3", u"song", u"mp3", u"song.mp3", u"mp3.song"},
                      SplitCase{u"", u"", u"", u"", u""}, SplitCase{u".", u"", u"", u"", u""},
                      SplitCase{u"..", u".", u"", u".", u".."},
                      SplitCase{u"照片 2024.年.jpeg", u"照片 2024.年", u"jpeg",
                                u"照片 2024.年.jpeg", u"jpeg.照片 2024.年"}));

TEST(FileNameParts, SelectExtensionMakesRulesEditTheExtension) {
    FileNameParts parts = FileNameParts::fromFileName(u"a.doc");
    parts.selectExtension();
    EXPECT_TRUE(parts.extensionSelected());
    EXPECT_EQ(parts.name(), u"doc");
    parts.setMainName(u"txt");
    EXPECT_EQ(parts.join(), u"a.txt");
    EXPECT_FALSE(parts.extensionSelected());
    // Joining twice must not swap back a second time.
    EXPECT_EQ(parts.join(), u"a.txt");
}

TEST(FileNameParts, AppendCounterAddsTheNumberInParentheses) {
    FileNameParts parts = FileNameParts::fromFileName(u"x.jpg");
    parts.appendCounter(12);
    EXPECT_EQ(parts.join(), u"x(12).jpg");
}

struct PathCase {
    std::u16string path, folder, drive, fileName, mainName, extension;
};

class SplitFullPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(SplitFullPath, SplitsFolderDriveAndName) {
    const PathCase& c = GetParam();
    FileNameParts parts = FileNameParts::fromFullPath(c.path);
    EXPECT_EQ(parts.folder(), c.folder);
    EXPECT_EQ(parts.drive(), c.drive);
    EXPECT_EQ(parts.fileName(), c.fileName);
    EXPECT_EQ(parts.mainName(), c.mainName);
    EXPECT_EQ(parts.extension(), c.extension);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SplitFullPath,
    ::testing::Values(
        PathCase{u"C:\\Music\\song.mp3", u"C:\\Music\\", u"C:", u"song.mp3", u"song", u"mp3"},
        PathCase{u"D:\\a\\\\b.txt", u"D:\\a\\", u"D:", u"b.txt", u"b", u"txt"},
        PathCase{u"C:\\", u"", u"", u"", u"", u""},
        PathCase{u"C:\\a", u"C:\\", u"C:", u"a", u"a", u""},
        PathCase{u"\\\\server\\share\\f.txt", u"\\\\server\\share\\", u"", u"f.txt", u"f", u"txt"},
        PathCase{u"nobackslash.txt", u"", u"", u"", u"", u""},
        PathCase{u"C:\\dir.d\\name", u"C:\\dir.d\\", u"C:", u"name", u"name", u""}));

TEST(FileNameParts, FullPathIsKeptOnlyWhenSplit) {
    EXPECT_EQ(FileNameParts::fromFullPath(u"C:\\a\\b.txt").fullPath(), u"C:\\a\\b.txt");
    EXPECT_TRUE(FileNameParts::fromFullPath(u"C:\\a\\b.txt", false).fullPath().empty());
    EXPECT_TRUE(FileNameParts::fromFullPath(u"C:\\", true).fullPath().empty());
}

TEST(StringPrimitives, ClampAtBothEnds) {
    EXPECT_EQ(Left(u"abc", -1), u"");
    EXPECT_EQ(Left(u"abc", 2), u"ab");
    EXPECT_EQ(Left(u"abc", 5), u"abc");
    EXPECT_EQ(Right(u"abc", 5), u"abc");
    EXPECT_EQ(Right(u"abc", -4), u"");
    EXPECT_EQ(Right(u"abc", 1), u"c");
    EXPECT_EQ(Mid(u"abcdef", 4, 5), u"ef");
    EXPECT_EQ(Mid(u"abc", 5, 1), u"");
    EXPECT_EQ(Mid(u"abc", 3, 1), u"");
    EXPECT_EQ(Mid(u"abc", -2, 2), u"ab");
    EXPECT_EQ(Mid(u"abc", 1, -1), u"");
    EXPECT_EQ(Left(u"abc", INT64_MIN), u"");
    EXPECT_EQ(Right(u"abc", INT64_MAX), u"abc");
    EXPECT_EQ(Mid(u"abc", INT64_MAX, INT64_MAX), u"");
}

TEST(StringPrimitives, FindStartsAtTheGivenPosition) {
    EXPECT_EQ(Find(u"a-b-c", u"-", 0), 1u);
    EXPECT_EQ(Find(u"a-b-c", u"-", 2), 3u);
    EXPECT_EQ(Find(u"a-b-c", u"-", 4), std::nullopt);
    EXPECT_EQ(Find(u"abc", u"", 2), 2u);
    EXPECT_EQ(Find(u"abc", u"", 3), 3u);
    EXPECT_EQ(Find(u"abc", u"", 4), std::nullopt);
    EXPECT_EQ(Find(u"abc", u"a", -5), 0u);
}

TEST(StringPrimitives, ReplaceNeverOverlapsNorRescans) {
    struct {
        std::u16string s, from, to, result;
        int count;
    } cases[] = {
        {u"aaa", u"aa", u"b", u"ba", 1},
        {u"banana", u"a", u"o", u"bonono", 3},
        {u"banana", u"A", u"o", u"banana", 0},
        {u"aa", u"a", u"aa", u"aaaa", 2},
        {u"abc", u"", u"x", u"abc", 0},
        {u"abcabc", u"abc", u"", u"", 2},
        {u"", u"a", u"b", u"", 0},
    };
    for (auto& c : cases) {
        std::u16string s = c.s;
        EXPECT_EQ(Replace(s, c.from, c.to), c.count);
        EXPECT_EQ(s, c.result);
    }
}

}  // namespace
}  // namespace tessary
