// The restore dialog's rows and its restore pass.

#include <gtest/gtest.h>

#include "commands/RestoreRows.h"
#include "core/RecordsTestSupport.h"

namespace tessary {
namespace {

using Names = std::vector<std::u16string>;
const std::u16string kDir = u"C:\\d\\";

OprContent recordsOf(const std::vector<std::pair<std::u16string, std::u16string>>& names) {
    OprContent content;
    content.time = {2011, 3, 3, 16, 9, 5, 0, 0};
    for (const auto& [earlier, current] : names) content.records.add({kDir, earlier, current});
    return content;
}

Names column(const RestoreLoad& load, int c) {
    Names texts;
    for (const RestoreRow& row : load.rows) texts.emplace_back(row.text(c));
    return texts;
}

struct Disk {
    MemoryFileSystem fs;
    explicit Disk(const std::vector<std::pair<std::u16string, std::size_t>>& files) {
        fs.addFolder(kDir);
        for (const auto& [name, size] : files) fs.addFile(kDir + name, std::string(size, 'x'));
    }
};

TEST(RestoreRows, FoundFilesFirstInFileOrderMissingOnesAfterInReverse) {
    Disk disk({{u"1.txt", 100}, {u"3.txt", 5000}, {u"5.txt", 2048}});
    const RestoreLoad load = restoreRowsFromContent(disk.fs, recordsOf({{u"a.txt", u"1.txt"},
                                                                        {u"b.txt", u"2.txt"},
                                                                        {u"c.txt", u"3.txt"},
                                                                        {u"d.txt", u"4.txt"},
                                                                        {u"e.txt", u"5.txt"}}));
    EXPECT_TRUE(load.valid);
    EXPECT_EQ(column(load, RestoreColCurrentName),
              (Names{u"1.txt", u"3.txt", u"5.txt", u"4.txt", u"2.txt"}));
    EXPECT_EQ(column(load, RestoreColEarlierName),
              (Names{u"a.txt", u"c.txt", u"e.txt", u"d.txt", u"b.txt"}));
    EXPECT_EQ(column(load, RestoreColSize), (Names{u"0 KB", u"4 KB", u"2 KB", u"", u""}));
    EXPECT_EQ(column(load, RestoreColFolder), Names(5, kDir));
    EXPECT_EQ(column(load, RestoreColStatus), (Names{u"成功载入", u"成功载入", u"成功载入",
                                                     u"拟还原文件不存在", u"拟还原文件不存在"}));
    EXPECT_EQ(load.validCount, 3);
    EXPECT_EQ(load.pane0, u"打开有效操作记录个数:3");
    EXPECT_EQ(load.pane1, u"该操作记录文件的保存时间：2011年3月16日 9:5");
    EXPECT_FALSE(load.messageBox);
    for (const RestoreRow& row : load.rows) EXPECT_TRUE(row.checked);
}

TEST(RestoreRows, FileThatCannotBeCheckedHasNoStatusAndIsNotCounted) {
    Disk disk({{u"1.txt", 1}, {u"2.txt", 1}});
    disk.fs.failQueries(kDir + u"1.txt");
    const RestoreLoad load =
        restoreRowsFromContent(disk.fs, recordsOf({{u"a.txt", u"1.txt"}, {u"b.txt", u"2.txt"}}));
    EXPECT_EQ(column(load, RestoreColCurrentName), (Names{u"2.txt", u"1.txt"}));
    EXPECT_EQ(column(load, RestoreColStatus), (Names{u"成功载入", u""}));
    EXPECT_EQ(load.validCount, 1);
}

TEST(RestoreRows, RecordFileWithoutRecordsShowsItsTime) {
    Disk disk({});
    disk.fs.writeFile(kDir + u"r.opr", *encodeOpr({2024, 12, 2, 31, 23, 59, 0, 0}, {}));
    const RestoreLoad load = loadRestoreRows(disk.fs, kDir + u"r.opr");
    EXPECT_TRUE(load.valid);
    EXPECT_TRUE(load.rows.empty());
    EXPECT_EQ(load.pane0, u"打开有效操作记录个数:0");
    EXPECT_EQ(load.pane1, u"该操作记录文件的保存时间：2024年12月31日 23:59");
}

TEST(RestoreRows, InvalidOrUnreadableFileLeavesTheListEmpty) {
    Disk disk({});
    disk.fs.writeFile(kDir + u"bad.opr", "not a record file at all, but long enough");
    RestoreLoad load = loadRestoreRows(disk.fs, kDir + u"bad.opr");
    EXPECT_FALSE(load.valid);
    EXPECT_TRUE(load.rows.empty());
    ASSERT_TRUE(load.messageBox);
    EXPECT_EQ(load.messageBox->text, u"提示：您打开的是无效的操作记录文件(*.opr)");
    EXPECT_EQ(load.messageBox->caption, u"Tessary1.0");
    EXPECT_EQ(load.messageBox->icon, MessageBoxRequest::Icon::Error);

    load = loadRestoreRows(disk.fs, kDir + u"gone.opr");
    EXPECT_FALSE(load.valid);
    ASSERT_TRUE(load.messageBox);
    EXPECT_NE(load.messageBox->text.find(u"gone.opr"), std::u16string::npos);
}

TEST(Restore, RenamesCheckedRowsBackAndSaysHowItWent) {
    Disk disk({{u"1.txt", 1},
               {u"2.txt", 1},
               {u"3.txt", 1},
               {u"same.txt", 1},
               {u"taken.txt", 1},
               {u"5.txt", 1}});
    RestoreLoad load = restoreRowsFromContent(disk.fs, recordsOf({{u"a.txt", u"1.txt"},
                                                                  {u"b.txt", u"2.txt"},
                                                                  {u"same.txt", u"same.txt"},
                                                                  {u"taken.txt", u"3.txt"},
                                                                  {u"e.txt", u"5.txt"},
                                                                  {u"f.txt", u"missing.txt"}}));
    load.rows[1].checked = false;  // 2.txt
    disk.fs.holdOpen(kDir + u"5.txt");
    restoreCheckedRows(load.rows, disk.fs);
    EXPECT_EQ(column(load, RestoreColStatus),
              (Names{u"还原成功", u"成功载入", u"还原成功", u"失败:文件名重名",
                     u"失败:文件不允许访问", u"失败:被还原文件不存在"}));
    EXPECT_EQ(column(load, RestoreColCurrentName),
              (Names{u"a.txt", u"2.txt", u"same.txt", u"3.txt", u"5.txt", u"missing.txt"}));
    EXPECT_EQ(disk.fs.namesIn(kDir),
              (Names{u"2.txt", u"3.txt", u"5.txt", u"a.txt", u"same.txt", u"taken.txt"}));
}

TEST(Restore, NamesThatLeaveTheirFolderAreRefused) {
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\d\\sub");
    fs.addFile(u"C:\\d\\sub\\a.txt", "alpha");
    fs.addFile(u"C:\\d\\sub\\b.txt", "beta");
    OprContent content;
    for (const char16_t* earlier : {u"..\\a.txt", u"C:\\x.txt", u"..", u""}) {
        content.records.add({u"C:\\d\\sub\\", earlier, u"a.txt"});
    }
    content.records.add({u"C:\\d\\", u"b.txt", u"sub\\b.txt"});
    RestoreLoad load = restoreRowsFromContent(fs, content);
    restoreCheckedRows(load.rows, fs);
    EXPECT_EQ(column(load, RestoreColStatus), Names(5, u"失败"));
    EXPECT_EQ(fs.namesIn(u"C:\\d"), Names{u"sub"});
    EXPECT_EQ(fs.namesIn(u"C:\\d\\sub"), (Names{u"a.txt", u"b.txt"}));
}

}  // namespace
}  // namespace tessary
