// The commands on real files under Wine, where things go wrong as they do on a desktop: a
// file held open by another program, a file deleted after it was listed, a folder that is
// gone, a name the file system refuses. Also the row details, the export and the record file
// on real files.

#include <gtest/gtest.h>

#include "commands/ApplyUndo.h"
#include "commands/ListCommands.h"
#include "commands/RecordCommands.h"
#include "commands/RestoreRows.h"
#include "disk/OprFile.h"
#include "disk/RowDetails.h"
#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "win32/Win32TempFolder.h"

namespace tessary {
namespace {

using namespace win32test;
using Names = std::vector<std::u16string>;

class RealFiles : public ::testing::Test {
  protected:
    TempFolder temp{u"tessary-faults"};
    Win32FileSystem fs;
    FileListModel model = FileListModel::withStandardColumns();

    std::u16string at(const std::u16string& name) const { return temp.path() + name; }

    // Creates the file and lists it as adding files does.
    int listFile(const std::u16string& folder, const std::u16string& name,
                 const std::string& content) {
        EXPECT_TRUE(writeBytes(folder + name, content));
        const int row = model.insertRow(model.rowCount(), name);
        model.setText(row, ColPath, folder);
        model.setText(row, ColOriginalName, name);
        model.setText(row, ColFullPath, folder + name);
        const std::size_t dot = name.rfind(u'.');
        model.setText(row, ColExtension, dot == std::u16string::npos ? u"" : name.substr(dot + 1));
        writeRowDetails(model, row, fs, folder + name);
        return row;
    }

    Names column(int c) const {
        Names texts;
        for (int row = 0; row < model.rowCount(); ++row) texts.emplace_back(model.text(row, c));
        return texts;
    }
};

TEST_F(RealFiles, ApplyReportsEveryFaultAndRenamesTheRest) {
    const std::u16string sub = at(u"sub\\");
    ASSERT_TRUE(CreateDirectoryW(wide(sub), nullptr));
    listFile(temp.path(), u"held.txt", "held");
    listFile(temp.path(), u"deleted.txt", "deleted");
    listFile(sub, u"in gone folder.txt", "gone");
    listFile(temp.path(), u"refused.txt", "refused");
    listFile(temp.path(), u"fine.txt", "fine");
    const Names previews = {u"1.txt", u"2.txt", u"3.txt", u"x?y", u"5.txt"};
    for (int row = 0; row < 5; ++row) model.setText(row, ColPreview, previews[row]);

    HANDLE held = CreateFileW(wide(at(u"held.txt")), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(DeleteFileW(wide(at(u"deleted.txt"))));
    removeTree(sub);
    applyRenames(model, fs);
    CloseHandle(held);

    EXPECT_EQ(column(ColStatus),
              (Names{u"失败:文件不允许访问", u"失败:原文件不存在", u"失败:原文件不存在",
                     u"失败:含有不允许的字符", u"改名成功"}));
    EXPECT_EQ(column(ColFileName), (Names{u"held.txt", u"deleted.txt", u"in gone folder.txt",
                                          u"refused.txt", u"5.txt"}));
    EXPECT_EQ(namesInFolder(temp.path()), (Names{u"5.txt", u"held.txt", u"refused.txt"}));
    EXPECT_EQ(readBytes(at(u"5.txt")), "fine");

    // Refresh now finds the missing ones missing, and undo puts the renamed one back.
    refreshList(model, fs);
    EXPECT_EQ(column(ColStatus),
              (Names{u"未修改", u"文件不存在", u"文件不存在", u"未修改", u"未修改"}));
    undoRenames(model, fs);
    EXPECT_EQ(column(ColStatus), (Names{u"撤销改名成功", u"失败:原文件不存在", u"失败:原文件不存在",
                                        u"撤销改名成功", u"撤销改名成功"}));
    EXPECT_EQ(namesInFolder(temp.path()), (Names{u"fine.txt", u"held.txt", u"refused.txt"}));
}

TEST_F(RealFiles, RowDetailsOfRealFiles) {
    struct Case {
        const char16_t* name;
        std::size_t size;
        const char16_t* text;
    };
    const Case cases[] = {{u"0.bin", 0, u"0 KB"},       {u"1.bin", 1, u"1 KB"},
                          {u"1023.bin", 1023, u"1 KB"}, {u"1536.bin", 1536, u"1 KB"},
                          {u"2048.bin", 2048, u"2 KB"}, {u"1m.bin", 1'048'576, u"1024 KB"}};
    for (const Case& c : cases) {
        const int row = listFile(temp.path(), c.name, std::string(c.size, 'x'));
        EXPECT_EQ(model.text(row, ColSize), c.text) << c.size;
        EXPECT_EQ(model.text(row, ColStatus), u"未修改");
    }
    // The date is the UTC date of the last write.
    HANDLE f = CreateFileW(wide(at(u"0.bin")), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    const std::uint64_t t = 129'447'918'000'000'000ull;  // 2011-03-16 23:30 UTC
    FILETIME ft{static_cast<DWORD>(t), static_cast<DWORD>(t >> 32)};
    SetFileTime(f, nullptr, nullptr, &ft);
    CloseHandle(f);
    const int row = model.insertRow(model.rowCount(), u"0.bin");
    writeRowDetails(model, row, fs, at(u"0.bin"));
    EXPECT_EQ(model.text(row, ColDateModified), u"2011-3-16");
    // A folder, and a path that is not there.
    writeRowDetails(model, row, fs, temp.path());
    EXPECT_EQ(model.text(row, ColSize), u"0 KB");
    writeRowDetails(model, row, fs, at(u"missing.bin"));
    EXPECT_EQ(model.text(row, ColSize), u"-1 KB");
    EXPECT_EQ(model.text(row, ColDateModified), u"");
}

TEST_F(RealFiles, ExportWritesAnsiBytesToDisk) {
    listFile(temp.path(), u"照片.jpg", "x");
    model.setText(0, ColPreview, u"海边.jpg");
    const auto codePage = makeSystemAnsiCodePage();
    ASSERT_EQ(codePage->number(), 936u);
    const CommandEffects effects = exportList(model, fs, *codePage, at(u"列表.txt"));
    EXPECT_EQ(effects.message, u"      导出成功:导出到" + at(u"列表.txt") + u".    共导出1条记录");
    const std::string expected = "\xD5\xD5\xC6\xAC.jpg?\xBA\xA3\xB1\xDF.jpg?1 KB?" +
                                 codePage->encode(temp.path()) + "?\xCE\xB4\xD0\xDE\xB8\xC4?" +
                                 codePage->encode(model.text(0, ColDateModified)) + "?jpg\r\n";
    EXPECT_EQ(readBytes(at(u"列表.txt")), expected);
    // A file held open by another program cannot be replaced, and that is said.
    HANDLE held = CreateFileW(wide(at(u"列表.txt")), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const CommandEffects refused = exportList(model, fs, *codePage, at(u"列表.txt"));
    CloseHandle(held);
    ASSERT_TRUE(refused.message);
    EXPECT_EQ(refused.message->find(u"导出成功"), std::u16string::npos);
}

TEST_F(RealFiles, RecordFileSavedAndRestoredOnDisk) {
    listFile(temp.path(), u"a.txt", "alpha");
    listFile(temp.path(), u"b.txt", "beta");
    model.setText(0, ColPreview, u"甲.txt");
    model.setText(1, ColPreview, u"乙.txt");
    applyRenames(model, fs);
    const SavingTime time{2011, 3, 3, 16, 9, 5, 0, 0};
    const CommandEffects saved = saveOperationRecord(model, fs, at(u"记录.opr"), time);
    EXPECT_EQ(saved.pane1, u"提示：操作记录已成功保存到 " + at(u"记录.opr"));

    // Later, one of the files has gone.
    ASSERT_TRUE(DeleteFileW(wide(at(u"乙.txt"))));
    RestoreLoad load = loadRestoreRows(fs, at(u"记录.opr"));
    ASSERT_TRUE(load.valid);
    ASSERT_EQ(load.rows.size(), 2u);
    EXPECT_EQ(load.rows[0].currentName, u"甲.txt");
    EXPECT_EQ(load.rows[0].sizeText, u"0 KB");
    EXPECT_EQ(load.rows[0].status, u"成功载入");
    EXPECT_EQ(load.rows[1].status, u"拟还原文件不存在");
    EXPECT_EQ(load.pane0, u"打开有效操作记录个数:1");
    EXPECT_EQ(load.pane1, u"该操作记录文件的保存时间：2011年3月16日 9:5");
    restoreCheckedRows(load.rows, fs);
    EXPECT_EQ(load.rows[0].status, u"还原成功");
    EXPECT_EQ(load.rows[1].status, u"失败:被还原文件不存在");
    EXPECT_EQ(readBytes(at(u"a.txt")), "alpha");

    ASSERT_TRUE(writeBytes(at(u"bad.opr"), "oprecfile and some bytes after it"));
    load = loadRestoreRows(fs, at(u"bad.opr"));
    EXPECT_FALSE(load.valid);
    ASSERT_TRUE(load.messageBox);
    EXPECT_EQ(load.messageBox->text, u"提示：您打开的是无效的操作记录文件(*.opr)");
}

}  // namespace
}  // namespace tessary
