// One row's texts in one block: shared parts, rewrites in place, and the block rebuilt when it
// grows, with every text read back as written.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/RowTexts.h"

namespace tessary {
namespace {

std::vector<std::u16string> all(const RowTexts& row) {
    std::vector<std::u16string> texts;
    for (int c = 0; c < row.columnCount(); ++c) texts.emplace_back(row.text(c));
    return texts;
}

TEST(RowTexts, PartsOfATextAreSharedAndSurviveRewritesOfEitherSide) {
    RowTexts row;
    row.reset(4, 0);
    row.set(3, u"C:\\照片\\a.jpg");
    const std::u16string_view full = row.text(3);
    row.set(0, full.substr(6));     // the name
    row.set(1, full.substr(0, 6));  // the folder
    row.set(2, row.text(0));        // the same name again
    EXPECT_EQ(all(row),
              (std::vector<std::u16string>{u"a.jpg", u"C:\\照片\\", u"a.jpg", u"C:\\照片\\a.jpg"}));

    // Rewriting a shared text never changes the texts that share it.
    row.set(0, u"b.jpg");
    EXPECT_EQ(all(row),
              (std::vector<std::u16string>{u"b.jpg", u"C:\\照片\\", u"a.jpg", u"C:\\照片\\a.jpg"}));
    // One of its own no longer than it was is rewritten where it is.
    const std::size_t owned = row.heapBytes();
    for (const char16_t* name : {u"c.jpg", u"d.png", u"e"}) row.set(0, name);
    EXPECT_EQ(row.text(0), u"e");
    EXPECT_EQ(row.heapBytes(), owned);
}

TEST(RowTexts, GrowingKeepsEveryTextAndOnlyWhatIsUsed) {
    RowTexts row;
    row.reset(2, 0);
    row.set(1, u"0123456789");
    row.set(0, row.text(1).substr(2, 5));  // shares "23456"
    // Many rewrites of longer and longer texts: the old ones are dropped as the block grows.
    std::u16string preview;
    for (int i = 0; i < 200; ++i) {
        preview += u'x';
        row.set(4, preview);
        ASSERT_EQ(row.text(0), u"23456");
        ASSERT_EQ(row.text(1), u"0123456789");
        ASSERT_EQ(row.text(4), preview);
    }
    EXPECT_LT(row.heapBytes(), (10 + 200) * sizeof(char16_t) * 2);
    EXPECT_EQ(row.columnCount(), 5);
    EXPECT_EQ(row.text(7), u"");
    // A column beyond the row's, set from the row's own text, which moves as the row grows.
    row.set(6, row.text(1).substr(0, 4));
    EXPECT_EQ(row.text(6), u"0123");
    row.eraseColumn(6);
    row.eraseColumn(5);

    // Columns inserted and removed move the later texts with them; copies are whole.
    row.insertColumn(1);
    EXPECT_EQ(all(row),
              (std::vector<std::u16string>{u"23456", u"", u"0123456789", u"", u"", preview}));
    const RowTexts copy = row;
    row.eraseColumn(0);
    row.set(0, u"gone");
    EXPECT_EQ(copy.text(0), u"23456");
    EXPECT_EQ(copy.text(5), preview);
    EXPECT_EQ(row.text(1), u"0123456789");
}

// A row of file names keeps its ranges narrow; one whose block passes 65,535 units (a long tag
// text) widens them, and narrows them again once its block is rebuilt small.
TEST(RowTexts, ARowPastSixtyFiveThousandUnitsKeepsEveryText) {
    RowTexts row;
    row.reset(3, 16);
    row.set(0, u"short.txt");
    const std::size_t narrow = row.heapBytes();
    const std::u16string longText = std::u16string(70'000, u'x') + u"0123456789";
    row.set(1, longText);
    row.set(2, row.text(1).substr(70'000));  // shares the far end of the long text
    EXPECT_EQ(all(row), (std::vector<std::u16string>{u"short.txt", longText, u"0123456789"}));
    row.insertColumn(1);
    EXPECT_EQ(all(row), (std::vector<std::u16string>{u"short.txt", u"", longText, u"0123456789"}));
    const RowTexts copy = row;
    EXPECT_EQ(copy.text(2), longText);
    EXPECT_EQ(copy.text(3), u"0123456789");

    // The long text goes; a text that no longer fits rebuilds the block around what is used.
    row.set(2, u"b");
    row.set(0, std::u16string(100, u'n'));
    EXPECT_EQ(all(row),
              (std::vector<std::u16string>{std::u16string(100, u'n'), u"", u"b", u"0123456789"}));
    EXPECT_LT(row.heapBytes(), narrow + 300);
    row.eraseColumn(1);
    EXPECT_EQ(all(row),
              (std::vector<std::u16string>{std::u16string(100, u'n'), u"b", u"0123456789"}));
}

}  // namespace
}  // namespace tessary
