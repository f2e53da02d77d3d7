// Clearing, removing and moving rows, and the export file.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/ListCommands.h"
#include "core/ChunkCountingFileSystem.h"
#include "core/RecordsTestSupport.h"
#include "platform/SystemServices.h"

namespace tessary {
namespace {

using Names = std::vector<std::u16string>;

// Five rows "0.txt" to "4.txt" with every fixed column filled, so that moves can be checked.
FileListModel fiveRows() {
    FileListModel model = FileListModel::withStandardColumns();
    for (int i = 0; i < 5; ++i) {
        const std::u16string n(1, static_cast<char16_t>(u'0' + i));
        const int row = model.insertRow(i, n + u".txt");
        for (int c = 1; c < kFixedColumnCount; ++c) {
            model.setText(row, c, n + u"/" + std::u16string(1, static_cast<char16_t>(u'0' + c)));
        }
    }
    return model;
}

Names fileNames(const FileListModel& model) {
    Names names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.emplace_back(model.text(row, ColFileName));
    return names;
}

TEST(ClearList, EmptiesListCounterAndHistory) {
    FileListModel model = fiveRows();
    int counter = 5;
    RecordedHistory history;
    history.push(HistoryEntry{1, u"", u"jpg", {}});
    const CommandEffects effects = clearList(model, counter, history);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(counter, 0);
    EXPECT_TRUE(history.empty());
    CommandEffects expected;
    expected.newExtensionText = u"";
    expected.pane0 = u"列表中的文件数:0个";
    expected.enableApply = false;
    EXPECT_EQ(effects, expected);
}

TEST(ClearList, ShortFormLeavesLabelAndApplyButton) {
    FileListModel model = fiveRows();
    int counter = 5;
    RecordedHistory history;
    history.push(HistoryEntry{1, u"", u"jpg", {}});
    const CommandEffects effects = clearListShort(model, counter, history);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(counter, 0);
    EXPECT_TRUE(history.empty());
    CommandEffects expected;
    expected.newExtensionText = u"";
    EXPECT_EQ(effects, expected);
}

TEST(RemoveSelected, LeavesTheOtherRowsInOrder) {
    FileListModel model = fiveRows();
    int counter = 5;
    const CommandEffects effects = removeSelectedRows(model, counter, {3, 1, 3, 99, -1});
    EXPECT_EQ(fileNames(model), (Names{u"0.txt", u"2.txt", u"4.txt"}));
    EXPECT_EQ(model.text(1, ColPath), u"2/3");  // rows keep their own texts
    EXPECT_EQ(counter, 3);
    CommandEffects expected;
    expected.pane0 = u"列表中的文件数:3个";
    expected.pane1 = u"";
    EXPECT_EQ(effects, expected);
}

TEST(RemoveSelected, RemovingEveryRowEmptiesTheNewExtension) {
    FileListModel model = fiveRows();
    int counter = 5;
    const CommandEffects effects = removeSelectedRows(model, counter, {0, 1, 2, 3, 4});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(effects.pane0, u"列表中的文件数:0个");
    EXPECT_EQ(effects.newExtensionText, u"");
}

TEST(RemoveSelected, NothingSelectedPutsTheHintIntoTheCountLabel) {
    FileListModel model = fiveRows();
    int counter = 5;
    CommandEffects expected;
    expected.pane0 = u"提示：请您先在列表框中选择需要删除的项目，然后再利用'删除选中项目功能'";
    EXPECT_EQ(removeSelectedRows(model, counter, {}), expected);
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_EQ(counter, 5);
    FileListModel empty = FileListModel::withStandardColumns();
    EXPECT_EQ(removeSelectedRows(empty, counter, {}), CommandEffects{});
}

TEST(RemoveUnselected, KeepsOnlyTheSelectedRows) {
    FileListModel model = fiveRows();
    int counter = 5;
    const CommandEffects effects = removeUnselectedRows(model, counter, {4, 1});
    EXPECT_EQ(fileNames(model), (Names{u"1.txt", u"4.txt"}));
    EXPECT_EQ(counter, 2);
    CommandEffects expected;
    expected.pane0 = u"列表中的文件数:2个";
    EXPECT_EQ(effects, expected);
}

TEST(RemoveUnselected, NothingSelectedPutsTheHintIntoPaneOne) {
    FileListModel model = fiveRows();
    int counter = 5;
    CommandEffects expected;
    expected.pane1 = u"提示：请您先在列表框中选择需要删除的项目，然后在利用'删除选中项目功能'";
    EXPECT_EQ(removeUnselectedRows(model, counter, {}), expected);
    EXPECT_EQ(model.rowCount(), 5);
    // Everything selected: nothing to remove, nothing to say.
    EXPECT_EQ(removeUnselectedRows(model, counter, {0, 1, 2, 3, 4}), CommandEffects{});
    EXPECT_EQ(counter, 5);
}

TEST(MoveRow, UpAndDownAtTheEdgesAndWithoutACurrentRow) {
    struct Case {
        bool up;
        int currentRow;
        const char16_t* message;  // nullptr: nothing at all
    };
    const Case cases[] = {
        {true, 0, u"已经到达列表的第一行!"},
        {false, 4, u"已经到达列表的最后一行!"},
        {true, -1, nullptr},
        {false, -1, nullptr},
        {true, 5, nullptr},
        {false, 7, nullptr},
    };
    for (const Case& c : cases) {
        FileListModel model = fiveRows();
        const MoveResult r =
            c.up ? moveRowUp(model, c.currentRow) : moveRowDown(model, c.currentRow);
        EXPECT_FALSE(r.moved);
        if (c.message) {
            EXPECT_EQ(r.effects.message, c.message);
        } else {
            EXPECT_EQ(r.effects, CommandEffects{});
        }
        EXPECT_EQ(fileNames(model), (Names{u"0.txt", u"1.txt", u"2.txt", u"3.txt", u"4.txt"}));
    }
}

TEST(MoveRow, CurrentRowFollowsTheMovedRow) {
    FileListModel model = fiveRows();
    MoveResult r = moveRowUp(model, 3);
    ASSERT_TRUE(r.moved);
    EXPECT_EQ(r.currentRow, 2);
    EXPECT_EQ(r.displacedRow, 3);
    r = moveRowUp(model, r.currentRow);
    EXPECT_EQ(r.currentRow, 1);
    EXPECT_EQ(fileNames(model), (Names{u"0.txt", u"3.txt", u"1.txt", u"2.txt", u"4.txt"}));
    r = moveRowDown(model, 0);
    EXPECT_EQ(r.currentRow, 1);
    EXPECT_EQ(r.displacedRow, 0);
    EXPECT_EQ(fileNames(model), (Names{u"3.txt", u"0.txt", u"1.txt", u"2.txt", u"4.txt"}));
}

TEST(MoveRow, CarriesEveryColumnTagsIncluded) {
    FileListModel model = fiveRows();
    int column = kFixedColumnCount;
    for (const ColumnInfo& tag : FileListModel::tagColumns()) {
        model.insertColumn(column++, tag.header, tag.width);
    }
    for (int c = ColTitle; c <= ColTrack; ++c) {
        model.setText(2, c, u"tag" + std::u16string(1, static_cast<char16_t>(u'A' + c)));
    }
    std::vector<std::u16string> before;
    for (int c = 0; c < kColumnCountWithTags; ++c) before.emplace_back(model.text(2, c));

    moveRowDown(model, 2);
    moveRowUp(model, 3);
    moveRowUp(model, 2);
    for (int c = 0; c < kColumnCountWithTags; ++c) {
        EXPECT_EQ(model.text(1, c), before[c]) << "column " << c;
    }
    EXPECT_EQ(model.text(1, ColGenre), u"tagN");
    EXPECT_EQ(model.text(1, ColTrack), u"tagO");
    EXPECT_EQ(model.text(2, ColFileName), u"1.txt");
    EXPECT_EQ(model.text(2, ColOriginalName), u"1/5");
}

TEST(OpenCommands, ParametersForTheShell) {
    FileListModel model = fiveRows();
    model.setText(1, ColPath, u"C:\\d\\");
    EXPECT_EQ(openFolderParameters(model, 1), u" /e,/select,C:\\d\\1.txt");
    EXPECT_EQ(openFolderParameters(model, -1), u"");
    EXPECT_EQ(openFilePath(model, 1), u"C:\\d\\1.txt");
    EXPECT_EQ(openFilePath(model, -1), u"");
    EXPECT_EQ(openWithParameters(u"C:\\d\\1.txt"), u" shell32.dll,OpenAs_RunDLL C:\\d\\1.txt");
}

// Two rows as the export example has them.
FileListModel exportExample() {
    FileListModel model = FileListModel::withStandardColumns();
    const std::u16string texts[2][9] = {
        {u"a.txt", u"b.txt", u"1 KB", u"C:\\d\\", u"未修改", u"a.txt", u"C:\\d\\a.txt",
         u"2011-3-16", u"txt"},
        {u"c.txt", u"", u"2 KB", u"C:\\d\\", u"未修改", u"c.txt", u"C:\\d\\c.txt", u"2011-3-16",
         u"txt"},
    };
    for (int row = 0; row < 2; ++row) {
        model.insertRow(row, texts[row][0]);
        for (int c = 1; c < 9; ++c) model.setText(row, c, texts[row][c]);
    }
    return model;
}

TEST(Export, LinesJoinSevenColumnsWithQuestionMarks) {
    const FileListModel model = exportExample();
    EXPECT_EQ(exportLine(model, 0), u"a.txt?b.txt?1 KB?C:\\d\\?未修改?2011-3-16?txt");
    EXPECT_EQ(exportLine(model, 1), u"c.txt??2 KB?C:\\d\\?未修改?2011-3-16?txt");
}

TEST(Export, FileIsAnsiTextWithCrLfAfterEveryLine) {
    const auto codePage = makeSystemAnsiCodePage();
    ASSERT_EQ(codePage->number(), 936u);
    const FileListModel model = exportExample();
    // 未修改 in GBK.
    const std::string unchanged = "\xCE\xB4\xD0\xDE\xB8\xC4";
    EXPECT_EQ(exportFileBytes(model, *codePage), "a.txt?b.txt?1 KB?C:\\d\\?" + unchanged +
                                                     "?2011-3-16?txt\r\n" + "c.txt??2 KB?C:\\d\\?" +
                                                     unchanged + "?2011-3-16?txt\r\n");
}

TEST(Export, CharactersTheCodePageLacksBecomeQuestionMarks) {
    const auto codePage = makeSystemAnsiCodePage();
    FileListModel model = FileListModel::withStandardColumns();
    model.insertRow(0, u"\u0e01.txt");  // Thai, not in GBK
    EXPECT_EQ(exportFileBytes(model, *codePage), "?.txt??????\r\n");
}

TEST(Export, BytesAreThoseOfConvertingTheWholeTextAtOnce) {
    const auto codePage = makeSystemAnsiCodePage();
    FileListModel model = FileListModel::withStandardColumns();
    const std::u16string names[] = {
        u"照片 2024.jpg",
        u"\u0e01\u00e9\u00a9.txt",
        u"\U0001F600 pair.txt",
        std::u16string(u"lone \xD800 high"),
        std::u16string(u"lone \xDC00 low\xD83D"),
        u"€ ・ ～ 〇 ㈠",
        std::u16string(u"nul\0inside", 11),
    };
    // Runs of ASCII are copied several characters at a time: one other character at every
    // place of a run of 17.
    std::vector<std::u16string> runs(std::begin(names), std::end(names));
    for (std::size_t at = 0; at <= 17; ++at) {
        std::u16string run(17, u'a');
        run.insert(at, u"图");
        runs.push_back(run);
    }
    std::u16string whole;
    for (const std::u16string& name : runs) {
        const int row = model.insertRow(model.rowCount(), name);
        model.setText(row, ColPath, u"D:\\音乐\\");
        whole += exportLine(model, row) + u"\r\n";
    }
    EXPECT_EQ(exportFileBytes(model, *codePage), codePage->encode(whole));
}

// Every character as "<hex>": more bytes than any real code page takes for one.
class WideCodePage : public AnsiCodePage {
  public:
    std::string encode(std::u16string_view text) const override {
        std::string bytes;
        for (char16_t c : text) bytes += "<" + std::to_string(static_cast<int>(c)) + ">";
        return bytes;
    }
    std::u16string decode(std::string_view) const override { return {}; }
    unsigned number() const override { return 1; }
};

TEST(Export, CharactersOfManyBytesAreWrittenWhole) {
    const WideCodePage codePage;
    FileListModel model = FileListModel::withStandardColumns();
    std::u16string whole;
    for (int row = 0; row < 50; ++row) {
        model.insertRow(row, std::u16string(static_cast<std::size_t>(row * 7), u'长') + u".mp3");
        whole += exportLine(model, row) + u"\r\n";
    }
    EXPECT_EQ(exportFileBytes(model, codePage), codePage.encode(whole));
}

TEST(Export, WritesTheFileAndCountsTheRecords) {
    const auto codePage = makeSystemAnsiCodePage();
    const FileListModel model = exportExample();
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\out");
    const CommandEffects effects = exportList(model, fs, *codePage, u"C:\\out\\列表.txt");
    EXPECT_EQ(effects.message, u"      导出成功:导出到C:\\out\\列表.txt.    共导出2条记录");
    EXPECT_EQ(fs.content(u"C:\\out\\列表.txt"), exportFileBytes(model, *codePage));
    // The old content of a chosen file is replaced.
    FileListModel one = exportExample();
    one.deleteRow(1);
    exportList(one, fs, *codePage, u"C:\\out\\列表.txt");
    EXPECT_EQ(fs.content(u"C:\\out\\列表.txt"), exportFileBytes(one, *codePage));
}

TEST(Export, ALongListIsWrittenWholeAcrossChunks) {
    const auto codePage = makeSystemAnsiCodePage();
    FileListModel model = FileListModel::withStandardColumns();
    // Cells repeat from row to row, some for a few rows only, and across the chunks' ends.
    std::u16string whole;
    for (int row = 0; row < 40'000; ++row) {
        model.insertRow(row, u"照片 " + std::u16string(40, u'x') + u".jpg");
        model.setText(row, ColPath, row % 7000 < 3500 ? u"D:\\相册\\" : u"D:\\旅行\\");
        model.setText(row, ColStatus, row % 3 == 0 ? u"改名成功" : u"未修改");
        if (row % 2 == 0) model.setText(row, ColPreview, u"新名.jpg");
        whole += exportLine(model, row) + u"\r\n";
    }
    MemoryFileSystem fs;
    fs.addFolder(u"D:\\out");
    const std::string expected = codePage->encode(whole);
    EXPECT_EQ(exportFileBytes(model, *codePage), expected);
    ASSERT_GT(expected.size(), 2 * BufferedFileWriter::kChunkBytes);
    exportList(model, fs, *codePage, u"D:\\out\\list.txt");
    EXPECT_EQ(fs.content(u"D:\\out\\list.txt"), expected);

    // A disk that fills up after the first chunk: the export says it failed.
    testing::ChunkCountingFileSystem full(fs);
    full.refuseWrite = 1;
    const CommandEffects effects = exportList(model, full, *codePage, u"D:\\out\\full.txt");
    ASSERT_TRUE(effects.message);
    EXPECT_NE(effects.message->find(u"导出失败"), std::u16string::npos);
    EXPECT_EQ(full.writes, 2);

    // The last chunk is still being written when the rows run out: its refusal counts too.
    int chunkCount = 0;
    ExportChunks chunks(model, *codePage);
    while (!chunks.next().empty()) ++chunkCount;
    testing::ChunkCountingFileSystem fullAtTheEnd(fs);
    fullAtTheEnd.refuseWrite = chunkCount - 1;
    const CommandEffects last = exportList(model, fullAtTheEnd, *codePage, u"D:\\out\\last.txt");
    ASSERT_TRUE(last.message);
    EXPECT_NE(last.message->find(u"导出失败"), std::u16string::npos);
    EXPECT_EQ(fullAtTheEnd.writes, chunkCount);
}

TEST(Export, EmptyListAndUnwritableFileAreSaid) {
    const auto codePage = makeSystemAnsiCodePage();
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\out");
    fs.addFile(u"C:\\out\\locked.txt", "old");
    fs.holdOpen(u"C:\\out\\locked.txt");
    const FileListModel empty = FileListModel::withStandardColumns();
    EXPECT_EQ(exportRefusal(empty), u"列表中没有记录！");
    EXPECT_EQ(exportRefusal(exportExample()), std::nullopt);
    const CommandEffects effects =
        exportList(exportExample(), fs, *codePage, u"C:\\out\\locked.txt");
    ASSERT_TRUE(effects.message);
    EXPECT_EQ(effects.message->find(u"导出成功"), std::u16string::npos);
    EXPECT_NE(effects.message->find(u"C:\\out\\locked.txt"), std::u16string::npos);
    EXPECT_EQ(fs.content(u"C:\\out\\locked.txt"), "old");
}

TEST(FileCount, LabelText) {
    EXPECT_EQ(fileCountText(0), u"列表中的文件数:0个");
    EXPECT_EQ(fileCountText(200000), u"列表中的文件数:200000个");
}

}  // namespace
}  // namespace tessary
