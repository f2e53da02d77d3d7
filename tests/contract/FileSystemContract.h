#pragma once
// The cases every FileSystem must pass the same way: the in-memory one natively, the Win32 one
// on real files in a temporary folder under Wine. A world sets up files and looks at them
// behind the file system's back; each suite instantiates the cases with its world:
//
//   INSTANTIATE_TYPED_TEST_SUITE_P(Memory, FileSystemContract, ::testing::Types<MemoryWorld>);

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "disk/FileSystem.h"

namespace tessary::contract {

// Another program holding a file open, until it is destroyed.
class Hold {
  public:
    virtual ~Hold() = default;
};

enum class Sharing {
    None,       // opened without any sharing
    ReadWrite,  // others may read and write, but not delete or rename
};

class FileSystemWorld {
  public:
    virtual ~FileSystemWorld() = default;
    virtual FileSystem& fs() = 0;
    // An empty folder for the case, ending with a backslash.
    virtual std::u16string root() = 0;
    virtual void makeFolder(const std::u16string& path) = 0;
    virtual void makeFile(const std::u16string& path, const std::string& content,
                          std::uint64_t lastWriteTime) = 0;
    // The content of the file, found by the name as given (without regard to case).
    virtual std::optional<std::string> content(const std::u16string& path) = 0;
    // The names in a folder, in the case they have on disk, sorted.
    virtual std::vector<std::u16string> namesIn(const std::u16string& folder) = 0;
    virtual std::unique_ptr<Hold> holdOpen(const std::u16string& path, Sharing sharing) = 0;
    virtual void setReadOnly(const std::u16string& path) = 0;
    // Whether a case-only rename shows the new case on disk (Windows does; Wine keeps the old
    // case, which is Wine's own quirk and not asserted).
    virtual bool showsNewCase() const = 0;
    // Whether writing over a read-only file is refused, as Windows does.
    virtual bool refusesWritingReadOnlyFiles() const = 0;
    // Whether a file another program holds open cannot be renamed (not so on POSIX systems).
    virtual bool openFilesStayPut() const { return true; }
    // What separates a folder from its names.
    virtual char16_t separator() const { return u'\\'; }
};

template <class World>
class FileSystemContract : public ::testing::Test {
  protected:
    World world;
    FileSystem& fs() { return world.fs(); }
    std::u16string at(const std::u16string& name) { return world.root() + name; }
    void file(const std::u16string& name, const std::string& content,
              std::uint64_t lastWriteTime = 130'000'000'000'000'000ull) {
        world.makeFile(at(name), content, lastWriteTime);
    }
};

TYPED_TEST_SUITE_P(FileSystemContract);

TYPED_TEST_P(FileSystemContract, RenamesAFileAndItsContentGoesWithIt) {
    this->file(u"a.txt", "alpha");
    EXPECT_EQ(this->fs().rename(this->at(u"a.txt"), this->at(u"b.txt")), RenameOutcome::Renamed);
    EXPECT_EQ(this->world.namesIn(this->world.root()), std::vector<std::u16string>{u"b.txt"});
    EXPECT_EQ(this->world.content(this->at(u"b.txt")), "alpha");
}

TYPED_TEST_P(FileSystemContract, RenamesNamesWithChineseAndBlanks) {
    this->file(u"照片 01.jpg", "photo");
    EXPECT_EQ(this->fs().rename(this->at(u"照片 01.jpg"), this->at(u"海边 旅行.jpg")),
              RenameOutcome::Renamed);
    EXPECT_EQ(this->world.content(this->at(u"海边 旅行.jpg")), "photo");
}

TYPED_TEST_P(FileSystemContract, SamePathIsRenamedWithoutChangingAnything) {
    this->file(u"a.txt", "alpha");
    EXPECT_EQ(this->fs().rename(this->at(u"a.txt"), this->at(u"a.txt")), RenameOutcome::Renamed);
    {
        // Nothing is changed, so a program holding the file open does not matter.
        auto hold = this->world.holdOpen(this->at(u"a.txt"), Sharing::None);
        EXPECT_EQ(this->fs().rename(this->at(u"a.txt"), this->at(u"a.txt")),
                  RenameOutcome::Renamed);
    }
    EXPECT_EQ(this->world.namesIn(this->world.root()), std::vector<std::u16string>{u"a.txt"});
    EXPECT_EQ(this->world.content(this->at(u"a.txt")), "alpha");
    // A file that is not there is not "renamed" onto itself.
    EXPECT_EQ(this->fs().rename(this->at(u"gone.txt"), this->at(u"gone.txt")),
              RenameOutcome::SourceMissing);
}

TYPED_TEST_P(FileSystemContract, CaseOnlyRenameSucceeds) {
    this->file(u"a.txt", "alpha");
    EXPECT_EQ(this->fs().rename(this->at(u"a.txt"), this->at(u"A.TXT")), RenameOutcome::Renamed);
    const auto names = this->world.namesIn(this->world.root());
    ASSERT_EQ(names.size(), 1u);
    if (this->world.showsNewCase()) {
        EXPECT_EQ(names[0], u"A.TXT");
    }
    EXPECT_EQ(this->world.content(this->at(u"A.TXT")), "alpha");
}

TYPED_TEST_P(FileSystemContract, NeverReplacesAnExistingFile) {
    this->file(u"a.txt", "alpha");
    this->file(u"b.txt", "beta");
    this->world.makeFolder(this->at(u"sub"));
    struct Case {
        const char16_t* target;
    };
    for (const Case& c : {Case{u"b.txt"}, Case{u"B.TXT"}, Case{u"sub"}}) {
        EXPECT_EQ(this->fs().rename(this->at(u"a.txt"), this->at(c.target)),
                  RenameOutcome::TargetExists)
            << std::string(c.target, c.target + std::char_traits<char16_t>::length(c.target));
    }
    EXPECT_EQ(this->world.content(this->at(u"a.txt")), "alpha");
    EXPECT_EQ(this->world.content(this->at(u"b.txt")), "beta");
    EXPECT_EQ(this->world.namesIn(this->at(u"sub")), std::vector<std::u16string>{});
}

TYPED_TEST_P(FileSystemContract, MissingFileOrFolderIsSourceMissing) {
    this->file(u"a.txt", "alpha");
    FileSystem& fs = this->fs();
    EXPECT_EQ(fs.rename(this->at(u"gone.txt"), this->at(u"b.txt")), RenameOutcome::SourceMissing);
    EXPECT_EQ(fs.rename(this->at(u"nofolder\\a.txt"), this->at(u"nofolder\\b.txt")),
              RenameOutcome::SourceMissing);
    EXPECT_EQ(fs.rename(this->at(u"a.txt"), this->at(u"nofolder\\b.txt")),
              RenameOutcome::SourceMissing);
    EXPECT_EQ(this->world.namesIn(this->world.root()), std::vector<std::u16string>{u"a.txt"});
}

TYPED_TEST_P(FileSystemContract, NameTheFileSystemRefusesIsOtherFailure) {
    this->file(u"a.txt", "alpha");
    FileSystem& fs = this->fs();
    EXPECT_EQ(fs.rename(this->at(u"a.txt"), this->at(u"x?y")), RenameOutcome::OtherFailure);
    EXPECT_EQ(fs.rename(this->at(u"a.txt"), this->at(u"x*y.txt")), RenameOutcome::OtherFailure);
    EXPECT_EQ(fs.rename(this->at(u"x?y"), this->at(u"b.txt")), RenameOutcome::OtherFailure);
    // A zero inside a name would make the system see a shorter, other name.
    EXPECT_EQ(fs.rename(this->at(u"a.txt"), this->at(std::u16string(u"b\0.txt", 6))),
              RenameOutcome::OtherFailure);
    EXPECT_EQ(this->world.namesIn(this->world.root()), std::vector<std::u16string>{u"a.txt"});
}

TYPED_TEST_P(FileSystemContract, FileHeldOpenByAnotherProgramIsAccessDenied) {
    this->file(u"a.txt", "alpha");
    for (Sharing sharing : {Sharing::None, Sharing::ReadWrite}) {
        auto hold = this->world.holdOpen(this->at(u"a.txt"), sharing);
        EXPECT_EQ(this->fs().rename(this->at(u"a.txt"), this->at(u"b.txt")),
                  RenameOutcome::AccessDenied);
    }
    auto hold = this->world.holdOpen(this->at(u"a.txt"), Sharing::None);
    EXPECT_FALSE(this->fs().readFile(this->at(u"a.txt"), 100));
    EXPECT_FALSE(this->fs().writeFile(this->at(u"a.txt"), "other"));
    hold.reset();
    EXPECT_EQ(this->world.content(this->at(u"a.txt")), "alpha");
    EXPECT_EQ(this->fs().rename(this->at(u"a.txt"), this->at(u"b.txt")), RenameOutcome::Renamed);
}

TYPED_TEST_P(FileSystemContract, ReadOnlyFilesAndFoldersStillRename) {
    // Windows renames a read-only file, and ignores the attribute on folders.
    this->world.makeFolder(this->at(u"ro"));
    this->world.makeFile(this->at(u"ro\\a.txt"), "alpha", 0);
    this->world.setReadOnly(this->at(u"ro\\a.txt"));
    this->world.setReadOnly(this->at(u"ro"));
    EXPECT_EQ(this->fs().rename(this->at(u"ro\\a.txt"), this->at(u"ro\\b.txt")),
              RenameOutcome::Renamed);
    EXPECT_EQ(this->world.content(this->at(u"ro\\b.txt")), "alpha");
    // Writing over a read-only file is refused (Wine run by root writes it all the same).
    if (this->world.refusesWritingReadOnlyFiles()) {
        EXPECT_FALSE(this->fs().writeFile(this->at(u"ro\\b.txt"), "other"));
        EXPECT_EQ(this->world.content(this->at(u"ro\\b.txt")), "alpha");
    }
}

TYPED_TEST_P(FileSystemContract, EmptyNewNameNamesTheFolderItself) {
    // Path + an empty Preview is the folder, which is there: nothing is renamed.
    this->file(u"a.txt", "alpha");
    EXPECT_EQ(this->fs().rename(this->at(u"a.txt"), this->world.root()),
              RenameOutcome::TargetExists);
    EXPECT_EQ(this->world.namesIn(this->world.root()), std::vector<std::u16string>{u"a.txt"});
}

TYPED_TEST_P(FileSystemContract, RenamesAFolderWithWhatItHolds) {
    this->world.makeFolder(this->at(u"old"));
    this->world.makeFile(this->at(u"old\\a.txt"), "alpha", 0);
    EXPECT_EQ(this->fs().rename(this->at(u"old"), this->at(u"new")), RenameOutcome::Renamed);
    EXPECT_EQ(this->world.content(this->at(u"new\\a.txt")), "alpha");
    EXPECT_EQ(this->world.namesIn(this->world.root()), std::vector<std::u16string>{u"new"});
}

TYPED_TEST_P(FileSystemContract, TrailingDotsAndBlanksOfANewNameAreDropped) {
    this->file(u"a.txt", "alpha");
    EXPECT_EQ(this->fs().rename(this->at(u"a.txt"), this->at(u"b.txt. .")), RenameOutcome::Renamed);
    EXPECT_EQ(this->world.namesIn(this->world.root()), std::vector<std::u16string>{u"b.txt"});
}

TYPED_TEST_P(FileSystemContract, PathsLongerThanMaxPathWork) {
    std::u16string folder = this->world.root();
    for (int i = 0; folder.size() < 300; ++i) {
        folder += u"a folder with a rather long name " + std::u16string(1, u'0' + i) + u"\\";
        this->world.makeFolder(folder);
    }
    this->world.makeFile(folder + u"a.txt", "deep", 0);
    ASSERT_GT((folder + u"a.txt").size(), 260u);
    EXPECT_EQ(this->fs().rename(folder + u"a.txt", folder + u"b.txt"), RenameOutcome::Renamed);
    EXPECT_EQ(this->fs().queryAttributes(folder + u"b.txt").attributes.size, 4u);
    EXPECT_EQ(this->fs().readFile(folder + u"b.txt", 100), "deep");
    EXPECT_TRUE(this->fs().writeFile(folder + u"c.txt", "written"));
    EXPECT_EQ(this->world.content(folder + u"c.txt"), "written");
}

TYPED_TEST_P(FileSystemContract, PathTooLongForAnySystemIsSourceMissing) {
    this->file(u"a.txt", "alpha");
    const std::u16string huge = this->world.root() + std::u16string(40'000, u'x');
    EXPECT_EQ(this->fs().rename(huge, this->at(u"b.txt")), RenameOutcome::SourceMissing);
    EXPECT_EQ(this->fs().rename(this->at(u"a.txt"), huge), RenameOutcome::SourceMissing);
    EXPECT_NE(this->fs().queryAttributes(huge).result, QueryResult::Found);
    EXPECT_EQ(this->world.content(this->at(u"a.txt")), "alpha");
}

TYPED_TEST_P(FileSystemContract, AttributesOfFilesFoldersAndMissingOnes) {
    const std::uint64_t written = 129'447'072'000'000'000ull;  // 2011-03-16 00:00 UTC
    this->file(u"a.txt", std::string(1536, 'x'), written);
    this->world.makeFolder(this->at(u"sub"));
    FileSystem& fs = this->fs();

    const AttributeQuery file = fs.queryAttributes(this->at(u"A.TXT"));
    ASSERT_EQ(file.result, QueryResult::Found);
    EXPECT_EQ(file.attributes.size, 1536u);
    EXPECT_FALSE(file.attributes.isFolder);
    EXPECT_EQ(file.attributes.lastWriteTime, written);

    const AttributeQuery folder = fs.queryAttributes(this->at(u"sub"));
    ASSERT_EQ(folder.result, QueryResult::Found);
    EXPECT_TRUE(folder.attributes.isFolder);
    EXPECT_EQ(folder.attributes.size, 0u);

    EXPECT_EQ(fs.queryAttributes(this->at(u"gone.txt")).result, QueryResult::NotFound);
    EXPECT_EQ(fs.queryAttributes(this->at(u"nofolder\\gone.txt")).result, QueryResult::NotFound);
    EXPECT_EQ(fs.queryAttributes(this->at(u"x?y")).result, QueryResult::Failed);
}

TYPED_TEST_P(FileSystemContract, WritesAndReadsWholeFiles) {
    FileSystem& fs = this->fs();
    const std::string bytes("line\r\n\0\xff", 8);
    EXPECT_TRUE(fs.writeFile(this->at(u"out.txt"), bytes));
    EXPECT_EQ(this->world.content(this->at(u"out.txt")), bytes);
    EXPECT_EQ(fs.readFile(this->at(u"out.txt"), 100), bytes);
    EXPECT_TRUE(fs.writeFile(this->at(u"out.txt"), "short"));  // replaces the old content
    EXPECT_EQ(fs.readFile(this->at(u"out.txt"), 100), "short");
    EXPECT_EQ(fs.readFile(this->at(u"out.txt"), 4), std::nullopt);  // larger than allowed
    EXPECT_EQ(fs.readFile(this->at(u"gone.txt"), 100), std::nullopt);
    EXPECT_FALSE(fs.writeFile(this->at(u"nofolder\\out.txt"), "x"));
    EXPECT_FALSE(fs.writeFile(this->at(u"x?y"), "x"));
    EXPECT_TRUE(fs.writeFile(this->at(u"empty.txt"), ""));
    EXPECT_EQ(fs.readFile(this->at(u"empty.txt"), 100), "");
}

TYPED_TEST_P(FileSystemContract, WritesAFileInPiecesReplacingTheOldOne) {
    FileSystem& fs = this->fs();
    ASSERT_TRUE(fs.writeFile(this->at(u"out.txt"), "a much longer old content"));
    {
        const std::unique_ptr<FileSink> sink = fs.createFile(this->at(u"out.txt"));
        ASSERT_NE(sink, nullptr);
        EXPECT_TRUE(sink->write("first,"));
        EXPECT_TRUE(sink->write(""));
        EXPECT_TRUE(sink->write(std::string("\0second", 7)));
        EXPECT_TRUE(sink->finish());
    }
    EXPECT_EQ(this->world.content(this->at(u"out.txt")), std::string("first,\0second", 13));
    EXPECT_EQ(fs.createFile(this->at(u"nofolder\\out.txt")), nullptr);
    EXPECT_EQ(fs.createFile(this->at(u"x?y")), nullptr);
}

TYPED_TEST_P(FileSystemContract, ListsAFolderOnceWithTheCaseOnDisk) {
    FileSystem& fs = this->fs();
    this->file(u"B.txt", "b");
    this->file(u"照片 1.jpg", "p");
    this->world.makeFolder(this->at(u"sub"));
    this->world.makeFile(this->at(u"sub\\inner.txt"), "i", 0);
    std::vector<std::u16string> names;
    const auto collect = [&names](std::u16string_view name) { names.emplace_back(name); };
    EXPECT_TRUE(fs.listFolder(this->world.root(), collect));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::u16string>{u"B.txt", u"sub", u"照片 1.jpg"}));
    names.clear();
    EXPECT_TRUE(fs.listFolder(this->at(u"sub"), collect));  // without its separator
    EXPECT_EQ(names, std::vector<std::u16string>{u"inner.txt"});
    names.clear();
    this->world.makeFolder(this->at(u"empty"));
    EXPECT_TRUE(fs.listFolder(this->at(u"empty\\"), collect));
    EXPECT_TRUE(names.empty());
    EXPECT_FALSE(fs.listFolder(this->at(u"gone\\"), collect));
    EXPECT_FALSE(fs.listFolder(this->at(u"B.txt"), collect));
}

TYPED_TEST_P(FileSystemContract, RemovesFilesAndTellsFilesApartByIdentity) {
    FileSystem& fs = this->fs();
    this->file(u"a.txt", "a");
    this->file(u"b.txt", "b");
    const auto a = fs.identify(this->at(u"a.txt"));
    const auto b = fs.identify(this->at(u"b.txt"));
    ASSERT_TRUE(a && b);
    EXPECT_NE(*a, *b);
    // The identity goes with the file through renames, in any case of its name.
    ASSERT_EQ(fs.rename(this->at(u"a.txt"), this->at(u"c.txt")), RenameOutcome::Renamed);
    EXPECT_EQ(fs.identify(this->at(u"C.TXT")), a);
    EXPECT_EQ(fs.identify(this->at(u"a.txt")), std::nullopt);
    {
        // Another program's open file can still be told.
        auto hold = this->world.holdOpen(this->at(u"b.txt"), Sharing::None);
        EXPECT_EQ(fs.identify(this->at(u"b.txt")), b);
        EXPECT_FALSE(fs.removeFile(this->at(u"b.txt")));
    }
    EXPECT_TRUE(fs.removeFile(this->at(u"b.txt")));
    EXPECT_EQ(this->world.namesIn(this->world.root()), std::vector<std::u16string>{u"c.txt"});
    EXPECT_FALSE(fs.removeFile(this->at(u"b.txt")));
    // A journal is flushed to the disk before it is finished.
    const std::unique_ptr<FileSink> sink = fs.createFile(this->at(u"j"));
    ASSERT_NE(sink, nullptr);
    EXPECT_TRUE(sink->write("journal"));
    EXPECT_TRUE(sink->flushToDisk());
    EXPECT_TRUE(sink->finish());
    EXPECT_EQ(this->world.content(this->at(u"j")), "journal");
}

REGISTER_TYPED_TEST_SUITE_P(
    FileSystemContract, ListsAFolderOnceWithTheCaseOnDisk, RemovesFilesAndTellsFilesApartByIdentity,
    RenamesAFileAndItsContentGoesWithIt, RenamesNamesWithChineseAndBlanks,
    SamePathIsRenamedWithoutChangingAnything, CaseOnlyRenameSucceeds, NeverReplacesAnExistingFile,
    MissingFileOrFolderIsSourceMissing, NameTheFileSystemRefusesIsOtherFailure,
    FileHeldOpenByAnotherProgramIsAccessDenied, ReadOnlyFilesAndFoldersStillRename,
    EmptyNewNameNamesTheFolderItself, RenamesAFolderWithWhatItHolds,
    TrailingDotsAndBlanksOfANewNameAreDropped, PathsLongerThanMaxPathWork,
    PathTooLongForAnySystemIsSourceMissing, AttributesOfFilesFoldersAndMissingOnes,
    WritesAndReadsWholeFiles, WritesAFileInPiecesReplacingTheOldOne);

}  // namespace tessary::contract
