// New names from a text file: its encodings and line ends, and fewer or more lines than rows.

#include <gtest/gtest.h>

#include "commands/NamesFromList.h"
#include "platform/SystemServices.h"

namespace tessary {
namespace {

using Lines = std::vector<std::u16string>;

TEST(NamesFile, EachEncodingAndLineEnd) {
    const auto cp = makeSystemAnsiCodePage();
    struct Case {
        const char* what;
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"UTF-8 with a mark", "\xEF\xBB\xBF\xE6\x96\xB0.txt\nb.txt\n", {u"新.txt", u"b.txt"}},
        {"UTF-8 without", "\xE6\x96\xB0.txt\r\nb.txt", {u"新.txt", u"b.txt"}},
        {"UTF-16LE with a mark",
         std::string("\xFF\xFE\xB0\x65.\0t\0\r\0\n\0x\0", 14),
         {u"新.t", u"x"}},
        {"the ANSI code page", "\xD0\xC2.txt\rB\n", {u"新.txt", u"B"}},
        {"an empty line is a line", "a\n\nc\n", {u"a", u"", u"c"}},
        {"nothing", "", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(decodeNameLines(c.bytes, *cp), c.lines) << c.what;
}

TEST(NamesFile, LinesBecomeThePreviewsOfTheRowsInOrder) {
    FileListModel model = FileListModel::withStandardColumns();
    for (const char16_t* name : {u"a.jpg", u"b.jpg", u"c.jpg"}) {
        const int row = model.insertRow(model.rowCount(), name);
        model.setText(row, ColStatus, u"改名成功");
    }
    NamesImport fewer = importNames(model, {u"一.jpg", u"二.jpg"});
    EXPECT_EQ(fewer.named, 2);
    EXPECT_EQ(fewer.extraLines, 0);
    EXPECT_EQ(model.text(0, ColPreview), u"一.jpg");
    EXPECT_EQ(model.text(1, ColPreview), u"二.jpg");
    EXPECT_EQ(model.text(2, ColPreview), u"c.jpg");  // left as it is
    for (int row = 0; row < 3; ++row) EXPECT_EQ(model.text(row, ColStatus), u"未修改");

    const NamesImport more = importNames(model, {u"1", u"2", u"3", u"4", u"5"});
    EXPECT_EQ(more.named, 3);
    EXPECT_EQ(more.extraLines, 2);
    EXPECT_EQ(model.text(2, ColPreview), u"3");
    EXPECT_EQ(importPaneText(3, 0, 2), u"将改名3个，拒绝0个，多出2行");
    EXPECT_EQ(importPaneText(1, 2, 0), u"将改名1个，拒绝2个");
}

}  // namespace
}  // namespace tessary
