// The POSIX file system of the command-line tool on real files: the batch cases, the no-loss
// rounds, and what only it has.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "contract/NoLossRounds.h"
#include "contract/RenamePlanCases.h"
#include "native/PosixWorld.h"

namespace tessary::contract {

INSTANTIATE_TYPED_TEST_SUITE_P(Posix, RenamePlanCases, ::testing::Types<PosixWorld>);

namespace {

TEST(PosixFileSystem, RenamesWithoutEverReplacing) {
    PosixWorld world;
    const std::u16string root = world.root();
    world.makeFile(root + u"a.txt", "a", 0);
    world.makeFile(root + u"b.txt", "b", 0);
    world.makeFolder(root + u"sub");
    FileSystem& fs = world.fs();
    EXPECT_EQ(fs.rename(root + u"a.txt", root + u"b.txt"), RenameOutcome::TargetExists);
    EXPECT_EQ(fs.rename(root + u"a.txt", root + u"sub"), RenameOutcome::TargetExists);
    EXPECT_EQ(fs.rename(root + u"gone.txt", root + u"c.txt"), RenameOutcome::SourceMissing);
    EXPECT_EQ(fs.rename(root + u"a.txt", root + u"nofolder/c.txt"), RenameOutcome::SourceMissing);
    EXPECT_EQ(fs.rename(root + u"a.txt", root + u"a.txt"), RenameOutcome::Renamed);
    EXPECT_EQ(fs.rename(root + u"a.txt", root + u"照片 1.txt"), RenameOutcome::Renamed);
    EXPECT_EQ(fs.rename(root + u"sub", root + u"folder"), RenameOutcome::Renamed);
    EXPECT_EQ(world.namesIn(root), (Names{u"b.txt", u"folder", u"照片 1.txt"}));
    EXPECT_EQ(world.content(root + u"照片 1.txt"), "a");
    EXPECT_EQ(world.content(root + u"b.txt"), "b");
}

TEST(PosixFileSystem, ErrorsMapToTheirOutcomes) {
    EXPECT_EQ(renameOutcomeOfErrno(ENOENT), RenameOutcome::SourceMissing);
    EXPECT_EQ(renameOutcomeOfErrno(ENAMETOOLONG), RenameOutcome::SourceMissing);
    EXPECT_EQ(renameOutcomeOfErrno(EEXIST), RenameOutcome::TargetExists);
    EXPECT_EQ(renameOutcomeOfErrno(ENOTEMPTY), RenameOutcome::TargetExists);
    EXPECT_EQ(renameOutcomeOfErrno(EACCES), RenameOutcome::AccessDenied);
    EXPECT_EQ(renameOutcomeOfErrno(EROFS), RenameOutcome::AccessDenied);
    EXPECT_EQ(renameOutcomeOfErrno(EXDEV), RenameOutcome::OtherFailure);
}

TEST(PosixFileSystem, NamesLongerThanTheDiskTakesAreRefusedBeforeTheDisk) {
    PosixWorld world;
    FileSystem& fs = world.fs();
    // 85 Chinese characters are 255 bytes in UTF-8, 86 are too many for a name.
    EXPECT_FALSE(fs.pathTooLong(world.root(), std::u16string(85, u'长')));
    EXPECT_TRUE(fs.pathTooLong(world.root(), std::u16string(86, u'长')));
    EXPECT_TRUE(fs.pathTooLong(world.root() + std::u16string(4100, u'd') + u"/", u"a"));
}

TEST(NoLoss, RealFileRoundsLoseNothingHere) {
    PosixWorld world;
    const int rounds = std::getenv("TESSARY_NOLOSS_ROUNDS")
                           ? std::atoi(std::getenv("TESSARY_NOLOSS_ROUNDS"))
                           : 1000;
    const NoLossFigures figures = NoLossRounds(world, 20261209u).run(rounds);
    printNoLossFigures("real files, POSIX", figures);
    EXPECT_EQ(figures.rounds, rounds);
    EXPECT_EQ(figures.filesLost, 0);
}

}  // namespace
}  // namespace tessary::contract
