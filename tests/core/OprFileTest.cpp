// The operation record file: its bytes, the reader's handling of damaged files, and the save
// command.

#include <gtest/gtest.h>

#include "commands/RecordCommands.h"
#include "core/RecordsTestSupport.h"
#include "disk/OprFile.h"

namespace tessary {
namespace {

const SavingTime kTime{2011, 3, 3, 16, 9, 5, 42, 7};

std::string le16(std::uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
std::string le32(std::uint32_t v) { return le16(v & 0xFFFF) + le16(v >> 16); }

std::string utf16le(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += le16(c);
    return out;
}

std::string field(std::u16string_view text) { return le32(text.size()) + utf16le(text) + le16(0); }

std::string header(std::uint32_t rows, const SavingTime& t = kTime) {
    return utf16le(u"OPRECFILE") + le32(rows) + le16(t.year) + le16(t.month) + le16(t.dayOfWeek) +
           le16(t.day) + le16(t.hour) + le16(t.minute) + le16(t.second) + le16(t.milliseconds);
}

TEST(OprFile, TheEightyTwoByteExample) {
    const auto bytes = encodeOpr(kTime, {{u"C:\\", u"a.txt", u"b.txt"}});
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 82u);
    const unsigned char expected[82] = {
        0x4F, 0,    0x50, 0, 0x52, 0, 0x45, 0, 0x43, 0, 0x46, 0, 0x49, 0, 0x4C, 0,
        0x45, 0,                                                                    // magic
        1,    0,    0,    0,                                                        // row count
        0xDB, 0x07, 3,    0, 3,    0, 16,   0, 9,    0, 5,    0, 42,   0, 7,    0,  // SYSTEMTIME
        3,    0,    0,    0, 'C',  0, ':',  0, '\\', 0, 0,    0,                    // folder
        5,    0,    0,    0, 'a',  0, '.',  0, 't',  0, 'x',  0, 't',  0, 0,    0,  // earlier name
        5,    0,    0,    0, 'b',  0, '.',  0, 't',  0, 'x',  0, 't',  0, 0,    0,  // current name
    };
    EXPECT_EQ(*bytes, std::string(reinterpret_cast<const char*>(expected), 82));
}

TEST(OprFile, WrittenFromTheListInListOrder) {
    testing::ListedFiles list({u"a.txt", u"照片.jpg"});
    list.model.setText(1, ColFileName, u"海边.jpg");
    const auto records = oprRecordsOfList(list.model);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1], (OprRecord{testing::kFolder, u"照片.jpg", u"海边.jpg"}));
    EXPECT_EQ(encodeOpr(kTime, records), header(2) + field(testing::kFolder) + field(u"a.txt") +
                                             field(u"a.txt") + field(testing::kFolder) +
                                             field(u"照片.jpg") + field(u"海边.jpg"));
}

TEST(OprFile, ReadsBackWhatItWrites) {
    std::vector<OprRecord> records;
    for (int i = 0; i < 300; ++i) {
        const std::u16string n(static_cast<std::size_t>(i % 7), static_cast<char16_t>(0x4E00 + i));
        records.push_back({u"D:\\文件夹\\" + n + u"\\", n + u".mp3", u""});
    }
    records.push_back({u"E:\\", std::u16string(kOprMaxFieldUnits, u'x'), u"\U0001F600.txt"});
    const auto bytes = encodeOpr(kTime, records);
    ASSERT_TRUE(bytes);
    auto content = decodeOpr(*bytes);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->time, kTime);
    EXPECT_EQ(content->headerRowCount, 301u);
    EXPECT_EQ(content->records.owned(), records);
    // The records keep their texts when the content is copied and the original is gone.
    const OprContent copy = *content;
    content.reset();
    EXPECT_EQ(copy.records.owned(), records);
    EXPECT_EQ(copy.records[300].currentName, u"\U0001F600.txt");
}

TEST(OprFile, EmptyFieldIsLengthZeroAndATerminator) {
    const auto bytes = encodeOpr(kTime, {{u"", u"", u""}});
    // Per field: four zero bytes of length and the two of the terminator.
    EXPECT_EQ(bytes, header(1) + std::string(18, '\0'));
    const auto content = decodeOpr(*bytes);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->records.owned(), (std::vector<OprRecord>{{u"", u"", u""}}));
}

TEST(OprFile, WriterRefusesAFieldTheReaderCouldNotTakeBack) {
    EXPECT_FALSE(encodeOpr(kTime, {{u"C:\\", std::u16string(kOprMaxFieldUnits + 1, u'x'), u"b"}}));
}

TEST(OprFile, ReaderOnDamagedOrForeignFiles) {
    const std::string one = field(u"C:\\") + field(u"a.txt") + field(u"b.txt");
    const std::string two = field(u"C:\\") + field(u"c.txt") + field(u"d.txt");
    struct Case {
        const char* what;
        std::string bytes;
        bool valid;
        std::size_t records;
    };
    std::string lowerMagic = header(0);
    lowerMagic.replace(0, 18, utf16le(u"oprecfile"));
    std::string badTerminator = header(1) + one;
    badTerminator[badTerminator.size() - 2] = 'x';
    const Case cases[] = {
        {"nothing at all", "", false, 0},
        {"shorter than the magic", header(0).substr(0, 17), false, 0},
        {"magic in lower case", lowerMagic, false, 0},
        {"header cut short", header(0).substr(0, 30), false, 0},
        {"header only", header(0), true, 0},
        {"row count says more", header(9) + one, true, 1},
        {"row count says fewer", header(0) + one + two, true, 2},
        {"second record cut in its current name", header(2) + one + two.substr(0, two.size() - 3),
         true, 1},
        {"second record cut after its folder", header(2) + one + field(u"C:\\"), true, 1},
        {"length cut short", header(2) + one + "\x05\x00", true, 1},
        {"one odd byte after the last record", header(1) + one + "\x01", true, 1},
        {"length cut short at an odd byte", header(2) + one + std::string("\x05\x00\x00", 3), true,
         1},
        {"length larger than what is left", header(2) + one + le32(30'000) + utf16le(u"C:\\"), true,
         1},
        {"field longer than any path", header(1) + le32(kOprMaxFieldUnits + 1) + one, false, 0},
        {"huge length", header(1) + le32(0xFFFFFFFF) + one, false, 0},
        {"terminator not zero", badTerminator, false, 0},
        {"zero inside a name",
         header(1) + field(u"C:\\") + field(std::u16string(u"a\0b", 3)) + field(u"b.txt"), false,
         0},
    };
    // The bytes in memory and the same bytes read straight from a file come out alike.
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\d");
    char16_t letter = u'a';
    for (const Case& c : cases) {
        const std::u16string path = u"C:\\d\\" + std::u16string(1, letter++) + u".opr";
        ASSERT_TRUE(fs.addFile(path, c.bytes));
        const OprFileRead read = readOprFile(fs, path);
        EXPECT_TRUE(read.opened) << c.what;
        for (const std::optional<OprContent>& content : {decodeOpr(c.bytes), read.content}) {
            EXPECT_EQ(content.has_value(), c.valid) << c.what;
            if (!content) continue;
            EXPECT_EQ(content->records.size(), c.records) << c.what;
            EXPECT_EQ(content->time, kTime) << c.what;
            if (!content->records.empty()) {
                EXPECT_EQ(content->records[0].owned(), (OprRecord{u"C:\\", u"a.txt", u"b.txt"}))
                    << c.what;
            }
        }
    }
    EXPECT_FALSE(readOprFile(fs, u"C:\\d\\missing.opr").opened);
}

TEST(SaveOperationRecord, EmptyListIsRefusedWithTheMessageBox) {
    FileListModel model = FileListModel::withStandardColumns();
    MemoryFileSystem fs;
    fs.addFolder(u"C:\\d");
    const auto refusal = saveRecordRefusal(model);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, u"列表框中没有改名记录,不能保存");
    EXPECT_EQ(refusal->caption, u"Tessary1.0");
    const CommandEffects effects = saveOperationRecord(model, fs, u"C:\\d\\r.opr", kTime);
    EXPECT_EQ(effects.messageBox, refusal);
    EXPECT_FALSE(fs.exists(u"C:\\d\\r.opr"));
}

TEST(SaveOperationRecord, WritesTheListAndSaysWhere) {
    testing::ListedFiles list({u"a.txt", u"b.txt"});
    list.model.setText(0, ColFileName, u"1.txt");
    const std::u16string path = std::u16string(testing::kFolder) + u"记录.opr";
    const CommandEffects effects = saveOperationRecord(list.model, list.fs, path, kTime);
    CommandEffects expected;
    expected.pane1 = u"提示：操作记录已成功保存到 " + path;
    EXPECT_EQ(effects, expected);
    const auto content = decodeOpr(*list.fs.content(path));
    ASSERT_TRUE(content);
    EXPECT_EQ(content->records.owned(), oprRecordsOfList(list.model));
}

TEST(SaveOperationRecord, ALongListComesOutAsEncodedAtOnce) {
    FileListModel model = FileListModel::withStandardColumns();
    for (int row = 0; row < 20'000; ++row) {
        model.insertRow(row, u"新名字 " + std::u16string(20, u'n') + u".mp3");
        model.setText(row, ColPath, u"E:\\音乐\\");
        model.setText(row, ColOriginalName, u"旧名字 " + std::u16string(20, u'o') + u".mp3");
    }
    MemoryFileSystem fs;
    fs.addFolder(u"E:\\out");
    saveOperationRecord(model, fs, u"E:\\out\\r.opr", kTime);
    const std::optional<std::string> expected = encodeOpr(kTime, oprRecordsOfList(model));
    ASSERT_TRUE(expected);
    ASSERT_GT(expected->size(), 2 * BufferedFileWriter::kChunkBytes);
    EXPECT_EQ(fs.content(u"E:\\out\\r.opr"), expected);
}

TEST(SaveOperationRecord, FileThatCannotBeWrittenIsNotReportedAsSaved) {
    testing::ListedFiles list({u"a.txt"});
    const CommandEffects effects =
        saveOperationRecord(list.model, list.fs, u"C:\\nofolder\\r.opr", kTime);
    EXPECT_FALSE(effects.pane1);
    ASSERT_TRUE(effects.messageBox);
    EXPECT_EQ(effects.messageBox->icon, MessageBoxRequest::Icon::Error);
    EXPECT_NE(effects.messageBox->text.find(u"C:\\nofolder\\r.opr"), std::u16string::npos);
}

}  // namespace
}  // namespace tessary
