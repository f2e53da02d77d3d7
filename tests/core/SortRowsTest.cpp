// Sorting the list by a header click: the direction rules and each column's order.

#include <gtest/gtest.h>

#include "model/SortRows.h"

namespace tessary {
namespace {

using Texts = std::vector<std::u16string>;

FileListModel listWith(int column, const Texts& texts) {
    FileListModel model = FileListModel::withStandardColumns();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const int row = model.insertRow(model.rowCount(), u"f" + texts[i]);
        model.setText(row, column, texts[i]);
    }
    return model;
}

Texts column(const FileListModel& model, int c) {
    Texts texts;
    for (int r = 0; r < model.rowCount(); ++r) texts.emplace_back(model.text(r, c));
    return texts;
}

TEST(SortRows, HeaderClicksChooseTheDirection) {
    SortOrder order;
    // The list starts sorted by FileName ascending: the first click on it sorts descending.
    ASSERT_TRUE(chooseSortOrder(order, ColFileName));
    EXPECT_FALSE(order.ascending);
    ASSERT_TRUE(chooseSortOrder(order, ColFileName));
    EXPECT_TRUE(order.ascending);
    // Another column starts ascending, then turns.
    ASSERT_TRUE(chooseSortOrder(order, ColSize));
    EXPECT_EQ(order.column, ColSize);
    EXPECT_TRUE(order.ascending);
    ASSERT_TRUE(chooseSortOrder(order, ColSize));
    EXPECT_FALSE(order.ascending);
    // Genre and Track are not sorted, and nothing changes.
    EXPECT_FALSE(chooseSortOrder(order, ColGenre));
    EXPECT_FALSE(chooseSortOrder(order, ColTrack));
    EXPECT_EQ(order.column, ColSize);
    EXPECT_FALSE(order.ascending);
}

TEST(SortRows, SizesInNumericOrderWithUnreadableOnesLast) {
    FileListModel model =
        listWith(ColSize, {u"10 KB", u"-1 KB", u"2 KB", u"100 KB", u"1 KB", u"0 KB"});
    const CodeUnitCollator collator;
    sortRows(model, {ColSize, true}, collator);
    EXPECT_EQ(column(model, ColSize),
              (Texts{u"0 KB", u"1 KB", u"2 KB", u"10 KB", u"100 KB", u"-1 KB"}));
    sortRows(model, {ColSize, false}, collator);
    EXPECT_EQ(column(model, ColSize),
              (Texts{u"-1 KB", u"100 KB", u"10 KB", u"2 KB", u"1 KB", u"0 KB"}));
    // The rows moved whole, and their item values are their new places.
    EXPECT_EQ(model.text(0, ColFileName), u"f-1 KB");
    for (int r = 0; r < model.rowCount(); ++r) EXPECT_EQ(model.itemValue(r), r);
}

TEST(SortRows, DatesSortAsTextAndTheSecondClickReversesTheFirst) {
    FileListModel model = listWith(ColDateModified, {u"2011-9-30", u"2011-10-1", u"2010-12-31"});
    const CodeUnitCollator collator;
    SortOrder order;
    ASSERT_TRUE(chooseSortOrder(order, ColDateModified));
    sortRows(model, order, collator);
    const Texts first = column(model, ColDateModified);
    EXPECT_EQ(first, (Texts{u"2010-12-31", u"2011-10-1", u"2011-9-30"}));
    ASSERT_TRUE(chooseSortOrder(order, ColDateModified));
    sortRows(model, order, collator);
    EXPECT_EQ(column(model, ColDateModified), Texts(first.rbegin(), first.rend()));
}

TEST(SortRows, FileNamesInNaturalOrder) {
    FileListModel model = FileListModel::withStandardColumns();
    // Digits of different lengths, leading zeros, equal values, numbers beyond 64 bits, and
    // full-width digits.
    const Texts names = {u"track10.mp3", u"track2.mp3",  u"track02.mp3", u"track1.mp3",
                         u"a.txt",       u"10.txt",      u"9.txt",       u"x123456789012345678901",
                         u"x99",         u"track２.wav", u"track"};
    for (const std::u16string& n : names) model.insertRow(model.rowCount(), n);
    const CodeUnitCollator collator;
    sortRows(model, {ColFileName, true}, collator);
    // "track2.mp3" and "track02.mp3" are equal and keep their order; "track２.wav" counts as 2.
    EXPECT_EQ(
        column(model, ColFileName),
        (Texts{u"9.txt", u"10.txt", u"a.txt", u"track", u"track1.mp3", u"track2.mp3",
               u"track02.mp3", u"track２.wav", u"track10.mp3", u"x99", u"x123456789012345678901"}));
    sortRows(model, {ColFileName, false}, collator);
    EXPECT_EQ(model.text(0, ColFileName), u"x123456789012345678901");
    EXPECT_EQ(model.text(model.rowCount() - 1, ColFileName), u"9.txt");
    // Other columns keep the collator's order: "10" before "9".
    FileListModel paths = listWith(ColPath, {u"C:\\9\\", u"C:\\10\\"});
    sortRows(paths, {ColPath, true}, collator);
    EXPECT_EQ(column(paths, ColPath), (Texts{u"C:\\10\\", u"C:\\9\\"}));
}

TEST(SortRows, AReorderThatIsNotAPermutationChangesNothing) {
    FileListModel model = listWith(ColPath, {u"a", u"b", u"c"});
    model.reorderRows({2, 2, 0});
    model.reorderRows({0, 1});
    model.reorderRows({0, 1, 3});
    EXPECT_EQ(column(model, ColPath), (Texts{u"a", u"b", u"c"}));
    model.reorderRows({2, 0, 1});
    EXPECT_EQ(column(model, ColPath), (Texts{u"c", u"a", u"b"}));
}

}  // namespace
}  // namespace tessary
