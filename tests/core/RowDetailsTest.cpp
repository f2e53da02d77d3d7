// The Size and Date Modified texts of a new row, and the refresh command.

#include <gtest/gtest.h>

#include "commands/ListCommands.h"
#include "core/RecordsTestSupport.h"
#include "disk/RowDetails.h"

namespace tessary {
namespace {

using testing::kFolder;
using testing::ListedFiles;
using Names = std::vector<std::u16string>;

AttributeQuery foundFile(std::uint64_t size, std::uint64_t lastWrite = 0, bool folder = false) {
    AttributeQuery q;
    q.result = QueryResult::Found;
    q.attributes = {size, lastWrite, folder};
    return q;
}

TEST(RowDetails, SizeText) {
    struct Case {
        AttributeQuery query;
        const char16_t* text;
    };
    AttributeQuery failed;
    AttributeQuery notFound;
    notFound.result = QueryResult::NotFound;
    const Case cases[] = {
        {failed, u"-1 KB"},
        {notFound, u"-1 KB"},
        {foundFile(0), u"0 KB"},
        {foundFile(4096, 0, true), u"0 KB"},  // a folder
        {foundFile(1), u"1 KB"},
        {foundFile(1023), u"1 KB"},
        {foundFile(1024), u"1 KB"},
        {foundFile(1536), u"1 KB"},
        {foundFile(2047), u"1 KB"},
        {foundFile(2048), u"2 KB"},
        {foundFile(1'048'576), u"1024 KB"},
        {foundFile(5'000'000'000ull), u"4882812 KB"},  // above 4 GB
        // Only the low 32 bits of the KB value are printed, as a signed number.
        {foundFile((1ull << 31) * 1024), u"-2147483648 KB"},
        {foundFile((1ull << 32) * 1024 + 3 * 1024), u"3 KB"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sizeText(c.query), c.text) << c.query.attributes.size;
    }
}

TEST(RowDetails, RestoreDialogSizesRoundSmallFilesDown) {
    EXPECT_EQ(sizeTextOfBytes(0, false), u"0 KB");
    EXPECT_EQ(sizeTextOfBytes(1023, false), u"0 KB");
    EXPECT_EQ(sizeTextOfBytes(2048, false), u"2 KB");
}

TEST(RowDetails, DateModifiedIsTheUtcDate) {
    struct Case {
        std::uint64_t fileTime;
        const char16_t* text;
    };
    const Case cases[] = {
        {129'447'072'000'000'000ull, u"2011-3-16"},
        // 23:30 UTC is still that day, whatever the local time zone says.
        {129'447'918'000'000'000ull, u"2011-3-16"},
        {129'447'072'000'000'000ull - 1, u"2011-3-15"},
        {133'536'816'000'000'000ull, u"2024-2-29"},
        {125'962'560'000'000'000ull, u"2000-2-29"},
        {116'444'736'000'000'000ull, u"1970-1-1"},
        {0, u"1601-1-1"},
        {2'650'467'743'990'000'000ull, u"9999-12-31"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dateModifiedText(foundFile(1, c.fileTime)), c.text) << c.fileTime;
    }
    EXPECT_EQ(dateModifiedText(AttributeQuery{}), u"");
    // The largest file time still gives a date (the system's own conversion refuses it).
    EXPECT_EQ(utcDateOfFileTime(~0ull).year, 60056);
}

TEST(RowDetails, NewRowGetsSizeDateAndStatus) {
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\d");
    fs.addFile(u"C:\\d\\a.txt", std::string(3000, 'x'), 129'447'072'000'000'000ull);
    FileListModel model = FileListModel::withStandardColumns();
    model.insertRow(0, u"a.txt");
    model.insertRow(1, u"gone.txt");
    writeRowDetails(model, 0, fs, u"C:\\d\\a.txt");
    writeRowDetails(model, 1, fs, u"C:\\d\\gone.txt");
    EXPECT_EQ(model.text(0, ColSize), u"2 KB");
    EXPECT_EQ(model.text(0, ColDateModified), u"2011-3-16");
    EXPECT_EQ(model.text(0, ColStatus), u"未修改");
    EXPECT_EQ(model.text(1, ColSize), u"-1 KB");
    EXPECT_EQ(model.text(1, ColDateModified), u"");
    EXPECT_EQ(model.text(1, ColStatus), u"未修改");
}

TEST(Refresh, EmptyListChangesNothing) {
    FileListModel model = FileListModel::withStandardColumns();
    MemoryFileSystem fs;
    EXPECT_EQ(refreshList(model, fs), CommandEffects{});
}

TEST(Refresh, MarksMissingFilesAndKeepsRowsWhoseCheckFailed) {
    ListedFiles list({u"here.txt", u"moved.txt", u"unreadable.txt"});
    list.preview({u"p1", u"p2", u"p3"});
    for (int row = 0; row < 3; ++row) list.model.setText(row, ColStatus, u"改名成功");
    const std::u16string folder = kFolder;
    list.fs.rename(folder + u"moved.txt", folder + u"elsewhere.txt");
    list.fs.failQueries(folder + u"unreadable.txt");

    const CommandEffects effects = refreshList(list.model, list.fs);
    EXPECT_EQ(list.column(ColStatus), (Names{u"未修改", u"文件不存在", u"改名成功"}));
    EXPECT_EQ(list.column(ColPreview), (Names{u"", u"", u""}));
    EXPECT_EQ(list.column(ColFileName), (Names{u"here.txt", u"moved.txt", u"unreadable.txt"}));
    EXPECT_EQ(list.model.rowCount(), 3);
    CommandEffects expected;
    expected.enableApply = false;
    EXPECT_EQ(effects, expected);

    // Put back, the file is there again at the next refresh.
    list.fs.rename(folder + u"elsewhere.txt", folder + u"moved.txt");
    refreshList(list.model, list.fs);
    EXPECT_EQ(list.column(ColStatus)[1], u"未修改");
}

TEST(Refresh, DoesNotReadSizeOrDateAgain) {
    ListedFiles list({u"a.txt"});
    const std::u16string before(list.model.text(0, ColSize));
    list.fs.writeFile(std::u16string(kFolder) + u"a.txt", std::string(100'000, 'x'));
    refreshList(list.model, list.fs);
    EXPECT_EQ(list.model.text(0, ColSize), before);
}

}  // namespace
}  // namespace tessary
