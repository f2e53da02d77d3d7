// "Show Tag": the six tag columns added once, filled from each row's file, and removed again.

#include <gtest/gtest.h>

#include "core/TagTestSupport.h"
#include "model/AnsiCodePage.h"
#include "model/FileListModel.h"
#include "platform/SystemServices.h"
#include "tags/MemoryTagFiles.h"
#include "tags/TagColumns.h"

namespace tessary {
namespace {

using testing::frameAudio;
using testing::RawTag;
using testing::tagBlock;

class TagColumns : public ::testing::Test {
  protected:
    std::unique_ptr<AnsiCodePage> cp = makeSystemAnsiCodePage();
    MemoryTagFiles files;
    FileListModel model = FileListModel::withStandardColumns();

    // A row as adding a file makes it; `onDisk` is where the file is now.
    int addRow(std::u16string_view name, std::u16string_view added = {}) {
        const int row = model.insertRow(model.rowCount(), std::u16string(name));
        model.setText(row, ColPath, u"C:\\Music\\");
        model.setText(row, ColStatus, u"未修改");
        model.setText(row, ColFullPath,
                      u"C:\\Music\\" + std::u16string(added.empty() ? name : added));
        return row;
    }
    void addFile(std::u16string_view name, const std::string& content) {
        files.addFile(u"C:\\Music\\" + std::u16string(name), content);
    }
    std::vector<std::u16string> tagTexts(int row) const {
        std::vector<std::u16string> texts;
        for (int c = ColTitle; c <= ColTrack; ++c) texts.emplace_back(model.text(row, c));
        return texts;
    }
    void show(bool on) { refreshTagColumns(model, on, files, *cp); }
};

TEST_F(TagColumns, AddsTheSixColumnsOnce) {
    show(true);
    show(true);
    ASSERT_EQ(model.columnCount(), 15);
    const char16_t* headers[] = {u"Title", u"Artist", u"Album", u"Year", u"Genre", u"Track"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(model.column(ColTitle + i).header, headers[i]);
        EXPECT_EQ(model.column(ColTitle + i).width, 100);
    }
    EXPECT_EQ(model.column(ColExtension).header, u"扩展名");
}

TEST_F(TagColumns, FillsColumnsOrStatusByWhatTheFileIs) {
    addFile(u"tagged.mp3", frameAudio() + tagBlock(RawTag{"\xB2\xE2\xCA\xD4", "Artist", "Album",
                                                          "1999", "c", 0, 12, 17}));
    addFile(u"untagged.mp3", frameAudio());
    addFile(u"notmp3.txt", std::string(300, 't') + tagBlock(RawTag{"T"}));
    addRow(u"tagged.mp3");
    addRow(u"untagged.mp3");
    addRow(u"notmp3.txt");
    addRow(u"missing.mp3");
    show(true);

    using Texts = std::vector<std::u16string>;
    EXPECT_EQ(tagTexts(0), (Texts{u"测试", u"Artist", u"Album", u"1999", u"17.Rock", u"12"}));
    EXPECT_EQ(model.text(0, ColStatus), u"未修改");
    EXPECT_EQ(model.text(1, ColStatus), u"No ID3V1Tag");
    EXPECT_EQ(model.text(2, ColStatus), u"Not mp3 files");
    EXPECT_EQ(model.text(3, ColStatus), u"未修改");  // cannot be opened: left as it was
    for (int row = 1; row < 4; ++row) EXPECT_EQ(tagTexts(row), Texts(6)) << row;
}

TEST_F(TagColumns, ARenamedFileIsReadUnderItsNameNow) {
    addFile(u"new.mp3", frameAudio() + tagBlock(RawTag{"Now"}));
    addRow(u"new.mp3", u"old.mp3");
    show(true);
    EXPECT_EQ(model.text(0, ColTitle), u"Now");
    EXPECT_EQ(rowFilePath(model, 0), u"C:\\Music\\new.mp3");
}

TEST_F(TagColumns, ShowingAgainReflectsTheFilesNow) {
    addFile(u"a.mp3", frameAudio() + tagBlock(RawTag{"Old", "", "", "", "", 0, 3, 1}));
    addRow(u"a.mp3");
    show(true);
    ASSERT_EQ(model.text(0, ColTitle), u"Old");
    addFile(u"a.mp3", frameAudio());  // the tag is gone
    show(true);
    EXPECT_EQ(model.text(0, ColStatus), u"No ID3V1Tag");
    EXPECT_EQ(tagTexts(0), std::vector<std::u16string>(6));
}

TEST_F(TagColumns, HidingDeletesThemWithTheirTexts) {
    addFile(u"a.mp3", frameAudio() + tagBlock(RawTag{"T", "A"}));
    addRow(u"a.mp3");
    model.setText(0, ColExtension, u"mp3");
    show(true);
    show(false);
    EXPECT_EQ(model.columnCount(), 9);
    EXPECT_EQ(model.text(0, ColTitle), u"");
    EXPECT_EQ(model.text(0, ColExtension), u"mp3");
    EXPECT_EQ(model.text(0, ColFileName), u"a.mp3");
    show(false);  // nothing to delete
    EXPECT_EQ(model.columnCount(), 9);

    // Shown again, the columns come back filled, not shifted by old texts.
    show(true);
    EXPECT_EQ(model.text(0, ColTitle), u"T");
    EXPECT_EQ(model.text(0, ColArtist), u"A");
    EXPECT_EQ(model.text(0, ColTrack + 1), u"");
}

TEST_F(TagColumns, AnEmptyListGetsTheColumnsOnly) {
    show(true);
    EXPECT_EQ(model.columnCount(), 15);
    EXPECT_EQ(model.rowCount(), 0);
}

}  // namespace
}  // namespace tessary
