// The bulk tag edit: the list from the selection, the editor as it opens, the track check, the
// write pass and the rows afterwards.

#include <gtest/gtest.h>

#include "core/TagTestSupport.h"
#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "tags/MemoryTagFiles.h"
#include "tags/Mp3TagRecord.h"
#include "tags/TagBulkEdit.h"
#include "tags/TagColumns.h"

namespace tessary {
namespace {

using testing::frameAudio;
using testing::RawTag;
using testing::tagBlock;

std::u16string at(std::u16string_view name) { return u"C:\\Music\\" + std::u16string(name); }

class BulkEdit : public ::testing::Test {
  protected:
    std::unique_ptr<AnsiCodePage> cp = makeSystemAnsiCodePage();
    MemoryTagFiles files;
    FileListModel model = FileListModel::withStandardColumns();

    void addRow(std::u16string_view name) {
        const int row = model.insertRow(model.rowCount(), std::u16string(name));
        model.setText(row, ColPath, u"C:\\Music\\");
    }
    BulkList list(std::initializer_list<const char16_t*> names) {
        BulkList l;
        int row = 0;
        for (const char16_t* n : names) l.push_back({at(n), row++});
        return l;
    }
    Mp3TagRecord tagOf(std::u16string_view name) {
        Mp3TagRecord r(at(name));
        r.read(files, *cp);
        return r;
    }
    TagFieldFlags only(std::initializer_list<TagField> fields) {
        TagFieldFlags flags{};
        for (TagField f : fields) flags[fieldSlot(f)] = true;
        return flags;
    }
};

TEST_F(BulkEdit, ListIsTheSelectionFromLastToFirst) {
    EXPECT_FALSE(collectBulkList(model, {0}));  // empty list: no editor at all

    for (const char16_t* n : {u"a.mp3", u"b.mp3", u"c.mp3", u"d.mp3"}) addRow(n);
    model.setText(1, ColFileName, u"renamed.mp3");
    const std::optional<BulkList> bulk = collectBulkList(model, {1, 3, 0, 3, 9, -1});
    ASSERT_TRUE(bulk);
    ASSERT_EQ(bulk->size(), 3u);
    EXPECT_EQ((*bulk)[0].fullPath, at(u"d.mp3"));
    EXPECT_EQ((*bulk)[0].row, 3);
    EXPECT_EQ((*bulk)[1].fullPath, at(u"renamed.mp3"));
    EXPECT_EQ((*bulk)[1].row, 1);
    EXPECT_EQ((*bulk)[2].row, 0);

    const std::optional<BulkList> none = collectBulkList(model, {});
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
}

TEST_F(BulkEdit, ListHasNoLimitOnEntriesOrPathLength) {
    const std::u16string longName = std::u16string(600, u'n') + u".mp3";
    constexpr int rows = 60'500;
    RowSelection all;
    for (int i = 0; i < rows; ++i) {
        addRow(i == 0 ? std::u16string_view(longName) : std::u16string_view(u"x.mp3"));
        all.push_back(i);
    }
    const std::optional<BulkList> bulk = collectBulkList(model, all);
    ASSERT_TRUE(bulk);
    ASSERT_EQ(bulk->size(), static_cast<std::size_t>(rows));
    EXPECT_EQ(bulk->back().fullPath, at(longName));
}

TEST_F(BulkEdit, CheckBoxesForOneFileOrSeveral) {
    const TagFieldFlags one = only({TagField::Title, TagField::Track});
    const TagFieldFlags several = only(
        {TagField::Artist, TagField::Album, TagField::Year, TagField::Genre, TagField::Comment});
    files.addFile(at(u"a.mp3"), frameAudio());
    files.addFile(at(u"b.mp3"), frameAudio());
    EXPECT_EQ(openTagEditor({}, files, *cp).checked, one);
    EXPECT_EQ(openTagEditor(list({u"a.mp3"}), files, *cp).checked, one);
    EXPECT_EQ(openTagEditor(list({u"a.mp3", u"b.mp3"}), files, *cp).checked, several);
    EXPECT_EQ(openTagEditor(list({u"a.mp3", u"b.mp3"}), files, *cp).fileCountText,
              u"The number of files is 2");
    EXPECT_EQ(openTagEditor({}, files, *cp).fileCountText, u"The number of files is 0");
}

TEST_F(BulkEdit, FieldsShowTheLastNonEmptyValues) {
    files.addFile(at(u"1.mp3"),
                  frameAudio() + tagBlock(RawTag{"T1", "A1", "B1", "2001", "C1", 0, 5, 17}));
    files.addFile(at(u"2.mp3"), frameAudio());
    files.addFile(at(u"3.mp3"), frameAudio() + tagBlock(RawTag{"T3", "", "B3", "", ""}));
    const TagEditorOpening o = openTagEditor(list({u"1.mp3", u"2.mp3", u"3.mp3"}), files, *cp);
    EXPECT_EQ(o.fields.title, u"T3");
    EXPECT_EQ(o.fields.artist, u"A1");
    EXPECT_EQ(o.fields.album, u"B3");
    EXPECT_EQ(o.fields.year, u"2001");
    EXPECT_EQ(o.fields.comment, u"C1");
    EXPECT_EQ(o.fields.track, u"5");  // the file's own track, not 1
    EXPECT_EQ(o.fields.genreIndex, 17);
    EXPECT_TRUE(o.writeEnabled);
    EXPECT_TRUE(o.messages.empty());
}

TEST_F(BulkEdit, TrackFallsBackToOneOnlyWithoutAnyTrack) {
    files.addFile(at(u"untagged.mp3"), frameAudio());
    files.addFile(at(u"notrack.mp3"), frameAudio() + tagBlock(RawTag{"T"}));
    files.addFile(at(u"track9.mp3"), frameAudio() + tagBlock(RawTag{"", "", "", "", "", 0, 9}));
    EXPECT_EQ(openTagEditor(list({u"untagged.mp3"}), files, *cp).fields.track, u"1");
    EXPECT_EQ(openTagEditor(list({u"notrack.mp3"}), files, *cp).fields.track, u"1");
    EXPECT_EQ(openTagEditor(list({u"track9.mp3"}), files, *cp).fields.track, u"9");
    EXPECT_EQ(openTagEditor(list({u"track9.mp3", u"notrack.mp3"}), files, *cp).fields.track, u"9");
    EXPECT_EQ(openTagEditor(list({u"untagged.mp3"}), files, *cp).fields.genreIndex, -1);
}

TEST_F(BulkEdit, FilesThatCannotBeEditedAreReportedAndDisableWriting) {
    files.addFile(at(u"ok.mp3"), frameAudio() + tagBlock(RawTag{"T"}));
    files.addFile(at(u"text.txt"), std::string(300, 'x') + tagBlock(RawTag{"Not shown"}));
    const TagEditorOpening o =
        openTagEditor(list({u"gone.mp3", u"ok.mp3", u"text.txt"}), files, *cp);
    EXPECT_EQ(o.messages, (std::vector<std::u16string>{u"该文件不存在!", u"It's not a mp3 file!"}));
    EXPECT_FALSE(o.writeEnabled);
    EXPECT_EQ(o.fields.title, u"T");
}

TEST(TrackField, RefusesNumbersOutsideTheRange) {
    struct Case {
        const char16_t* text;
        bool refused;
    };
    const Case cases[] = {{u"", false},  {u"0", false},     {u"255", false}, {u"256", true},
                          {u"-1", true}, {u"12abc", false}, {u"abc", false}, {u"99999", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const auto message = checkTrackField(c.text);
        EXPECT_EQ(message.has_value(), c.refused);
        if (message) {
            EXPECT_EQ(*message, u"音轨编号应该在[0~255]区间内！");
        }
    }
}

TEST_F(BulkEdit, WritesOnlyTheCheckedFieldsIntoEveryFile) {
    // Three files, only the last one with a tag; only Album is checked.
    const std::string tagged = tagBlock(RawTag{"T3", "A3", "B3", "2003", "C3", 0, 3, 3});
    files.addFile(at(u"1.mp3"), frameAudio(500));
    files.addFile(at(u"2.mp3"), frameAudio(600));
    files.addFile(at(u"3.mp3"), frameAudio(700) + tagged);
    const BulkList bulk = list({u"1.mp3", u"2.mp3", u"3.mp3"});
    TagEditorOpening o = openTagEditor(bulk, files, *cp);
    EXPECT_EQ(o.fields.title, u"T3");
    o.fields.album = u"新专辑";
    o.fields.title = u"ignored";

    const TagWriteResult r = writeTags(bulk, only({TagField::Album}), o.fields, files, *cp);
    EXPECT_EQ(r.filesWritten, 3);
    EXPECT_TRUE(r.messages.empty());
    ASSERT_TRUE(r.resultLabels);
    for (std::size_t i = 0; i < kTagFieldCount; ++i) {
        EXPECT_EQ((*r.resultLabels)[i],
                  i == fieldSlot(TagField::Album) ? u"修改成功！" : u"未修改！");
    }
    EXPECT_EQ(files.content(at(u"1.mp3"))->size(), 500u + 128);  // a new tag
    EXPECT_EQ(files.content(at(u"3.mp3"))->size(), 700u + 128);  // replaced in place
    for (const char16_t* n : {u"1.mp3", u"2.mp3"}) {
        const Mp3TagRecord t = tagOf(n);
        EXPECT_EQ(t.album(), u"新专辑");
        EXPECT_EQ(t.title(), u"");
        EXPECT_FALSE(t.hasTrack());
        EXPECT_EQ(t.genreIndex(), -1);
    }
    const Mp3TagRecord third = tagOf(u"3.mp3");
    EXPECT_EQ(third.album(), u"新专辑");
    EXPECT_EQ(third.title(), u"T3");
    EXPECT_EQ(third.artist(), u"A3");
    EXPECT_EQ(third.trackText(), u"3");
    EXPECT_EQ(third.genreIndex(), 3);
}

TEST_F(BulkEdit, TrackIsWrittenOnlyFrom1To255) {
    struct Case {
        const char16_t* text;
        std::u16string after;
    };
    const Case cases[] = {{u"0", u"4"},   {u"", u"4"},    {u"256", u"4"},
                          {u"abc", u"4"}, {u"12", u"12"}, {u"255", u"255"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        files.addFile(at(u"a.mp3"), frameAudio() + tagBlock(RawTag{"T", "", "", "", "", 0, 4, 0}));
        TagEditorFields input;
        input.track = c.text;
        writeTags(list({u"a.mp3"}), only({TagField::Track}), input, files, *cp);
        EXPECT_EQ(tagOf(u"a.mp3").trackText(), c.after);
        EXPECT_EQ(tagOf(u"a.mp3").title(), u"T");
    }
}

TEST_F(BulkEdit, GenreAndTextFieldsFromTheInputs) {
    files.addFile(at(u"a.mp3"), frameAudio() + tagBlock(RawTag{"T", "", "", "", "", 0, 0, 9}));
    TagEditorFields input;
    input.title = u"标题";
    input.artist = u"Artist";
    input.year = u"2024";
    input.comment = u"note";
    input.genreIndex = -1;
    writeTags(list({u"a.mp3"}),
              only({TagField::Title, TagField::Artist, TagField::Year, TagField::Comment,
                    TagField::Genre}),
              input, files, *cp);
    const Mp3TagRecord t = tagOf(u"a.mp3");
    EXPECT_EQ(t.title(), u"标题");
    EXPECT_EQ(t.artist(), u"Artist");
    EXPECT_EQ(t.year(), u"2024");
    EXPECT_EQ(t.comment(), u"note");
    EXPECT_EQ(t.genreIndex(), -1);  // nothing selected
}

TEST_F(BulkEdit, SkipsSilentlyAndReportsFailedWrites) {
    const std::string short10 = frameAudio(10);
    const std::string text = std::string(300, 'x');
    // A frame sync that fails the MP3 test: the tag is read, but the file is no MP3.
    const std::string noMp3WithTag =
        std::string("\xFF\xFB\xFC\x00", 4) + std::string(300, 'x') + tagBlock(RawTag{"T"});
    files.addFile(at(u"short.mp3"), short10);
    files.addFile(at(u"text.txt"), text);
    files.addFile(at(u"tagged.txt"), noMp3WithTag);
    files.addFile(at(u"full.mp3"), frameAudio());
    files.failWrites(at(u"full.mp3"));
    files.addFile(at(u"ok.mp3"), frameAudio());

    TagEditor editor(
        list({u"gone.mp3", u"short.mp3", u"text.txt", u"tagged.txt", u"full.mp3", u"ok.mp3"}),
        files, *cp);
    EXPECT_FALSE(editor.written());
    TagEditorFields input;
    input.title = u"X";
    const TagWriteResult r = editor.write(only({TagField::Title}), input);
    // Too short, no MP3 and missing are skipped; the MP3 test failing on a tagged file and the
    // full disk are failed writes.
    EXPECT_EQ(r.messages, (std::vector<std::u16string>{u"修改失败！", u"修改失败！"}));
    EXPECT_EQ(r.filesWritten, 1);
    EXPECT_TRUE(editor.written());
    EXPECT_EQ(files.content(at(u"short.mp3")), short10);
    EXPECT_EQ(files.content(at(u"text.txt")), text);
    EXPECT_EQ(files.content(at(u"tagged.txt")), noMp3WithTag);
    EXPECT_EQ(tagOf(u"ok.mp3").title(), u"X");
}

TEST_F(BulkEdit, NothingWrittenLeavesFlagAndLabels) {
    files.addFile(at(u"a.mp3"), frameAudio());
    files.setReadOnly(at(u"a.mp3"));
    TagEditor editor(list({u"a.mp3"}), files, *cp);
    const TagWriteResult r = editor.write(only({TagField::Title}), TagEditorFields{});
    EXPECT_FALSE(r.resultLabels);
    EXPECT_EQ(r.messages.size(), 1u);
    EXPECT_FALSE(editor.written());
}

TEST_F(BulkEdit, RowsShowTheWrittenTagsAfterTheEditorCloses) {
    for (const char16_t* n : {u"a.mp3", u"b.txt", u"c.mp3", u"gone.mp3"}) addRow(n);
    files.addFile(at(u"a.mp3"), frameAudio() + tagBlock(RawTag{"TA", "AA", "", "", "", 0, 2, 1}));
    files.addFile(at(u"b.txt"), std::string(300, 'b'));
    files.addFile(at(u"c.mp3"), frameAudio());
    const BulkList bulk = *collectBulkList(model, {0, 1, 2, 3});

    updateRowsAfterTagEdit(model, bulk, false, files, *cp);
    EXPECT_EQ(model.text(0, ColStatus), u"");

    // Without the tag columns only the Status changes.
    updateRowsAfterTagEdit(model, bulk, true, files, *cp);
    EXPECT_EQ(model.text(0, ColStatus), u"写入Tag成功");
    EXPECT_EQ(model.text(0, ColTitle), u"");

    refreshTagColumns(model, true, files, *cp);
    files.addFile(at(u"a.mp3"), frameAudio() + tagBlock(RawTag{"New", "AA", "", "", "", 0, 2, 1}));
    updateRowsAfterTagEdit(model, bulk, true, files, *cp);
    EXPECT_EQ(model.text(0, ColTitle), u"New");
    EXPECT_EQ(model.text(0, ColArtist), u"AA");
    EXPECT_EQ(model.text(0, ColGenre), u"1.Classic Rock");
    EXPECT_EQ(model.text(0, ColTrack), u"2");
    EXPECT_EQ(model.text(1, ColStatus), u"Not mp3 files");  // from showing tags, not written
    EXPECT_EQ(model.text(2, ColStatus), u"写入Tag成功");    // an MP3, even without a tag
    EXPECT_EQ(model.text(3, ColStatus), u"");
}

}  // namespace
}  // namespace tessary
