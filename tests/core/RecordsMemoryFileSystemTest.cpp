// The in-memory file system against the shared contract (the same cases run on real files
// under Wine), and the few things only the fake offers.

#include <gtest/gtest.h>

#include "contract/MemoryWorld.h"

namespace tessary::contract {
namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, FileSystemContract, ::testing::Types<MemoryWorld>);

TEST(MemoryFileSystem, AnotherDriveIsOtherFailureAndNothingMoves) {
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\d");
    fs.addFolder(u"D:\\e");
    fs.addFile(u"C:\\d\\a.txt", "alpha");
    EXPECT_EQ(fs.rename(u"C:\\d\\a.txt", u"D:\\e\\a.txt"), RenameOutcome::OtherFailure);
    EXPECT_EQ(fs.content(u"C:\\d\\a.txt"), "alpha");
}

TEST(MemoryFileSystem, FolderWithAFileHeldOpenCannotBeRenamed) {
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\d\\sub");
    fs.addFile(u"C:\\d\\sub\\a.txt", "alpha");
    fs.holdOpen(u"C:\\d\\sub\\a.txt");
    EXPECT_EQ(fs.rename(u"C:\\d\\sub", u"C:\\d\\other"), RenameOutcome::AccessDenied);
    EXPECT_TRUE(fs.exists(u"C:\\d\\sub\\a.txt"));
    EXPECT_EQ(fs.rename(u"C:\\d\\sub", u"C:\\d\\sub\\inner"), RenameOutcome::OtherFailure);
}

TEST(MemoryFileSystem, FolderRenameKeepsNeighboursWhoseNamesShareItsStart) {
    // "sub!" sorts between "sub" and "sub\..." and must neither move nor stop the move.
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\d\\sub\\deep");
    fs.addFolder(u"C:\\d\\sub!");
    fs.addFile(u"C:\\d\\sub\\deep\\a.txt", "alpha");
    fs.addFile(u"C:\\d\\sub\\b.txt", "beta");
    fs.addFile(u"C:\\d\\sub!\\c.txt", "gamma");
    ASSERT_EQ(fs.rename(u"C:\\d\\sub", u"C:\\d\\moved"), RenameOutcome::Renamed);
    EXPECT_EQ(fs.content(u"C:\\d\\moved\\deep\\a.txt"), "alpha");
    EXPECT_EQ(fs.content(u"C:\\d\\moved\\b.txt"), "beta");
    EXPECT_EQ(fs.content(u"C:\\d\\sub!\\c.txt"), "gamma");
    EXPECT_EQ(fs.actualPath(u"c:\\D\\MOVED\\DEEP\\A.TXT"), u"C:\\d\\moved\\deep\\a.txt");
    EXPECT_EQ(fs.namesIn(u"C:\\d"), (std::vector<std::u16string>{u"moved", u"sub!"}));
    EXPECT_TRUE(fs.remove(u"C:\\d\\moved"));
    EXPECT_EQ(fs.entryCount(), 4u);  // C:, C:\d, sub!, c.txt
}

TEST(MemoryFileSystem, QueriesCanBeMadeToFailForAnotherReason) {
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\d");
    fs.addFile(u"C:\\d\\a.txt", "alpha");
    fs.failQueries(u"C:\\d\\a.txt");
    EXPECT_EQ(fs.queryAttributes(u"C:\\d\\a.txt").result, QueryResult::Failed);
    EXPECT_EQ(fs.queryAttributes(u"relative\\a.txt").result, QueryResult::Failed);
}

}  // namespace
}  // namespace tessary::contract
