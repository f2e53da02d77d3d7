// Files entering the list in batches: where their rows land, what the rows hold, the queue's
// rounds for batches larger than its slots, and the percent label.

#include <gtest/gtest.h>

#include <random>

#include "commands/AddFiles.h"
#include "core/RecordsTestSupport.h"

namespace tessary {
namespace {

using testing::kFolder;
using Names = std::vector<std::u16string>;

Names fileNames(const FileListModel& model) {
    Names names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.emplace_back(model.text(row, ColFileName));
    return names;
}

// Feeds a batch through a queue as the feed worker and the window do, one path at a time.
void feedBatch(FileListModel& model, PathQueue& queue, const FileSystem& fs, const Names& paths) {
    for (std::uint32_t i = 0; i < paths.size(); ++i) {
        queue.store(i, paths[i]);
        addQueuedFile(model, i, queue.at(i), fs);
    }
}

TEST(AddFiles, RowsOfANewFileAndOfAFolder) {
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\照片\\旧相册.d");
    fs.addFile(u"C:\\照片\\海边.2026.JPG", std::string(3000, 'x'), 133'000'000'000'000'000ull);
    FileListModel model = FileListModel::withStandardColumns();

    addQueuedFile(model, 0, u"C:\\照片\\海边.2026.JPG", fs);
    addQueuedFile(model, 1, u"C:\\照片\\旧相册.d", fs);
    addQueuedFile(model, 2, u"C:\\照片\\不在了.txt", fs);
    addQueuedFile(model, 3, u"C:\\照片\\无扩展名", fs);
    ASSERT_EQ(model.rowCount(), 4);

    EXPECT_EQ(model.text(0, ColFileName), u"海边.2026.JPG");
    EXPECT_EQ(model.text(0, ColOriginalName), u"海边.2026.JPG");
    EXPECT_EQ(model.text(0, ColPath), u"C:\\照片\\");
    EXPECT_EQ(model.text(0, ColFullPath), u"C:\\照片\\海边.2026.JPG");
    EXPECT_EQ(model.text(0, ColExtension), u"JPG");
    EXPECT_EQ(model.text(0, ColSize), u"2 KB");
    EXPECT_EQ(model.text(0, ColDateModified), u"2022-6-18");
    EXPECT_EQ(model.text(0, ColStatus), kStatusUnchanged);
    EXPECT_EQ(model.text(0, ColPreview), u"");

    // A folder is one row with its own name; its dot splits it like a file's.
    EXPECT_EQ(model.text(1, ColFileName), u"旧相册.d");
    EXPECT_EQ(model.text(1, ColExtension), u"d");
    EXPECT_EQ(model.text(1, ColSize), u"0 KB");

    // A file that cannot be found is listed all the same, with the fallbacks.
    EXPECT_EQ(model.text(2, ColSize), u"-1 KB");
    EXPECT_EQ(model.text(2, ColDateModified), u"");
    EXPECT_EQ(model.text(2, ColStatus), kStatusUnchanged);

    EXPECT_EQ(model.text(3, ColFileName), u"无扩展名");
    EXPECT_EQ(model.text(3, ColExtension), u"");
    for (int row = 0; row < 4; ++row) EXPECT_EQ(model.itemValue(row), row);
}

TEST(AddFiles, ABatchLandsAboveTheOldRowsInItsOwnOrder) {
    testing::ListedFiles listed({u"a.txt", u"b.txt", u"c.txt"});
    PathQueue queue;
    // The second batch repeats a listed file: it gets a second row.
    feedBatch(listed.model, queue, listed.fs,
              {std::u16string(kFolder) + u"x.txt", std::u16string(kFolder) + u"b.txt",
               std::u16string(kFolder) + u"y.txt"});
    EXPECT_EQ(fileNames(listed.model),
              (Names{u"x.txt", u"b.txt", u"y.txt", u"a.txt", u"b.txt", u"c.txt"}));
    EXPECT_EQ(listed.model.itemValue(2), 2);
    EXPECT_EQ(listed.model.text(5, ColFullPath), std::u16string(kFolder) + u"c.txt");
}

TEST(AddFiles, ABatchLargerThanTheQueueIsFedInRoundsAndKeepsItsOrder) {
    MemoryFileSystem fs;
    FileListModel model = FileListModel::withStandardColumns();
    addQueuedFile(model, 0, u"C:\\旧\\old.txt", fs);
    PathQueue queue(3);
    Names paths;
    Names expected;
    for (int i = 0; i < 8; ++i) {
        const std::u16string name = u"f" + std::u16string(1, static_cast<char16_t>(u'0' + i));
        paths.push_back(u"C:\\新\\" + name);
        expected.push_back(name);
    }
    expected.push_back(u"old.txt");
    feedBatch(model, queue, fs, paths);
    EXPECT_EQ(fileNames(model), expected);
    EXPECT_EQ(model.itemValue(7), 7);
}

// The rows sit in a gap buffer; any mix of insertions and deletions must read back exactly as
// a plain table would hold it.
TEST(AddFiles, TheListReadsBackAsAPlainTableAfterAnyEdits) {
    std::mt19937 random(20261208);
    FileListModel model = FileListModel::withStandardColumns();
    std::vector<std::u16string> plain;
    for (int step = 0; step < 4000; ++step) {
        const int size = static_cast<int>(plain.size());
        const int what = static_cast<int>(random() % 10);
        const int at = size == 0 ? 0 : static_cast<int>(random() % (size + 1));
        if (what < 6 || size == 0) {
            const std::u16string name = u"n" + std::u16string(1, static_cast<char16_t>(step));
            model.insertRow(at, name);
            plain.insert(plain.begin() + at, name);
        } else if (what < 8 && at < size) {
            model.deleteRow(at);
            plain.erase(plain.begin() + at);
        } else if (what == 8 && at < size) {
            model.setText(at, ColFileName, u"changed");
            plain[at] = u"changed";
        } else {
            std::vector<bool> remove(plain.size());
            for (std::size_t i = 0; i < remove.size(); i += 7) remove[i] = true;
            model.deleteRows(remove);
            std::vector<std::u16string> kept;
            for (std::size_t i = 0; i < plain.size(); ++i) {
                if (!remove[i]) kept.push_back(plain[i]);
            }
            plain = kept;
        }
        ASSERT_EQ(model.rowCount(), static_cast<int>(plain.size())) << "step " << step;
    }
    EXPECT_EQ(fileNames(model), plain);
    model.insertColumn(ColTitle, u"Title", 100);
    model.setText(0, ColTitle, u"t");
    EXPECT_EQ(fileNames(model), plain);
    EXPECT_EQ(model.text(0, ColTitle), u"t");
}

TEST(AddFiles, TheOpenFileDialogsSelection) {
    using namespace std::string_view_literals;
    // Several files: the folder first, then the names.
    PickedFiles several = splitPickedFiles(u"C:\\照片\0a.jpg\0b c.jpg\0\0garbage"sv);
    EXPECT_EQ(several.resultPath, u"C:\\照片");
    EXPECT_EQ(several.files, (Names{u"C:\\照片\\a.jpg", u"C:\\照片\\b c.jpg"}));
    // A drive root already ends with its backslash.
    EXPECT_EQ(splitPickedFiles(u"D:\\\0x\0y\0\0"sv).files, (Names{u"D:\\x", u"D:\\y"}));
    // One file: the path is the file itself.
    PickedFiles one = splitPickedFiles(u"C:\\照片\\a.jpg\0\0"sv);
    EXPECT_EQ(one.resultPath, u"C:\\照片\\a.jpg");
    EXPECT_EQ(one.files, (Names{u"C:\\照片\\a.jpg"}));
    EXPECT_TRUE(splitPickedFiles(u"\0\0"sv).files.empty());
}

TEST(AddFiles, PercentLabel) {
    EXPECT_EQ(progressPercentText(0, 3), u"%0");
    EXPECT_EQ(progressPercentText(1, 3), u"%33");
    EXPECT_EQ(progressPercentText(2, 3), u"%66");
    // No overflow on a batch of billions.
    EXPECT_EQ(progressPercentText(4'000'000'000u, 4'000'000'001u), u"%99");
    EXPECT_EQ(progressPercentText(0, 0), u"");
}

}  // namespace
}  // namespace tessary
