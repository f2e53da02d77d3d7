// Naming MP3 files from their tags: the template builder, the values taken from the two tag
// kinds, and the Mp3 page's preview over files.

#include <gtest/gtest.h>

#include "commands/Mp3Naming.h"
#include "core/TagTestSupport.h"
#include "platform/SystemServices.h"
#include "tags/MemoryTagFiles.h"

namespace tessary {
namespace {

using testing::frameAudio;
using testing::id3v2Header;
using testing::RawTag;
using testing::tagBlock;

TEST(TagName, EveryTokenAndTheTextAroundThem) {
    const TagNameValues v{u"Artist", u"Title", u"Album", u"1999", u"Rock", u"07"};
    EXPECT_EQ(buildTagName(u"/A-/T", v, u"01"), u"Artist-Title");
    EXPECT_EQ(buildTagName(u"/D. /R /B (/Y) [/G]", v, u"001"), u"001. 07 Album (1999) [Rock]");
    EXPECT_EQ(buildTagName(u"歌曲 /T/T", v, u"1"), u"歌曲 TitleTitle");
    // A slash before anything else, or at the end, is text.
    EXPECT_EQ(buildTagName(u"/X /t /", v, u"1"), u"/X /t /");
}

TEST(TagName, TagTextsAreMadeSafeForNames) {
    TagNameValues v;
    v.title = u"What? <Live> a/b\\c:d|e*f\"g\x01h";
    v.artist = u"AC/DC";
    EXPECT_EQ(buildTagName(u"/A - /T", v, u""), u"AC_DC - What_ _Live_ a_b_c_d_e_f_g_h");
    // Empty fields stay empty; blanks and dots at the end go.
    v = TagNameValues{};
    v.title = u"Song. ";
    EXPECT_EQ(buildTagName(u"/T", v, u""), u"Song");
    EXPECT_EQ(buildTagName(u"/A-/T", v, u""), u"-Song");
    EXPECT_EQ(buildTagName(u"/A... ", v, u""), u"");
}

class Mp3Files : public ::testing::Test {
  protected:
    std::unique_ptr<AnsiCodePage> cp = makeSystemAnsiCodePage();
    MemoryTagFiles files;
    FileListModel model = FileListModel::withStandardColumns();

    void addRow(std::u16string_view name, const std::string& content) {
        const int row = model.insertRow(model.rowCount(), std::u16string(name));
        model.setText(row, ColPath, u"C:\\Music\\");
        model.setText(row, ColStatus, u"未修改");
        files.addFile(u"C:\\Music\\" + std::u16string(name), content);
    }
    Mp3TagRecord read(const std::string& content) {
        files.addFile(u"C:\\x.mp3", content);
        Mp3TagRecord record(u"C:\\x.mp3");
        record.read(files, *cp, true);
        return record;
    }
    // An ID3v2.3 tag of Latin-1 text frames.
    static std::string v2Tag(std::initializer_list<std::pair<std::string, std::string>> frames) {
        std::string body;
        for (const auto& [id, text] : frames) {
            const std::string content = '\0' + text;
            body += id + std::string(3, '\0') + static_cast<char>(content.size()) +
                    std::string(2, '\0') + content;
        }
        return id3v2Header(3, static_cast<std::uint32_t>(body.size())) + body;
    }
};

TEST_F(Mp3Files, Id3v2ValuesComeBeforeId3v1Ones) {
    const auto both =
        tagNameValues(read(v2Tag({{"TIT2", "V2 title"}, {"TRCK", "3/9"}}) + frameAudio() +
                           tagBlock(RawTag{"V1 title", "V1 artist", "", "2001", "", 0, 5, 17})));
    ASSERT_TRUE(both);
    EXPECT_EQ(both->title, u"V2 title");
    EXPECT_EQ(both->artist, u"V1 artist");
    EXPECT_EQ(both->year, u"2001");
    EXPECT_EQ(both->track, u"03");
    EXPECT_EQ(both->genre, u"Rock");

    const auto v1Only =
        tagNameValues(read(frameAudio() + tagBlock(RawTag{"T", "", "", "", "", 0, 12})));
    ASSERT_TRUE(v1Only);
    EXPECT_EQ(v1Only->track, u"12");
    EXPECT_EQ(v1Only->genre, u"");

    const auto v2Only = tagNameValues(read(v2Tag({{"TCON", "(13)"}}) + frameAudio()));
    ASSERT_TRUE(v2Only);
    EXPECT_EQ(v2Only->genre, u"Pop");
    EXPECT_EQ(v2Only->title, u"");
}

TEST_F(Mp3Files, NoTagOrNoMp3GivesNoValues) {
    EXPECT_FALSE(tagNameValues(read(frameAudio())));
    EXPECT_FALSE(tagNameValues(read(v2Tag({{"TXXX", "other"}}) + frameAudio())));
    EXPECT_FALSE(tagNameValues(read(std::string(300, 't') + tagBlock(RawTag{"T"}))));
}

TEST_F(Mp3Files, ThePreviewNamesTaggedRowsAndSaysWhyOthersStay) {
    addRow(u"a.mp3", v2Tag({{"TPE1", "Band"}, {"TIT2", "One"}}) + frameAudio());
    addRow(u"b.txt", "not audio");
    addRow(u"c.MP3", frameAudio() + tagBlock(RawTag{"Two", "Band"}));
    addRow(u"d.mp3", frameAudio());
    Mp3Options options;
    options.templateText = u"/D /A-/T";
    options.start = u"5";
    options.step = u"5";
    options.digits = u"3";
    int unnamed = -1;
    const PreviewOutcome outcome = runMp3Preview(model, options, files, *cp, &unnamed);
    EXPECT_EQ(outcome.kind, PreviewOutcome::Completed);
    EXPECT_TRUE(outcome.enableApply);
    EXPECT_EQ(unnamed, 2);
    EXPECT_EQ(model.text(0, ColPreview), u"005 Band-One.mp3");
    EXPECT_EQ(model.text(0, ColStatus), u"未修改");
    EXPECT_EQ(model.text(1, ColPreview), u"b.txt");
    EXPECT_EQ(model.text(1, ColStatus), u"无效:没有标签");
    // The number counts the rows that are named; the extension is kept as it was.
    EXPECT_EQ(model.text(2, ColPreview), u"010 Band-Two.MP3");
    EXPECT_EQ(model.text(3, ColPreview), u"d.mp3");
    EXPECT_EQ(model.text(3, ColStatus), u"无效:没有标签");
}

TEST_F(Mp3Files, AnEmptyTemplateStopsWithAMessage) {
    addRow(u"a.mp3", frameAudio() + tagBlock(RawTag{"T"}));
    const PreviewOutcome outcome = runMp3Preview(model, Mp3Options{}, files, *cp);
    EXPECT_EQ(outcome.kind, PreviewOutcome::StoppedWithMessage);
    EXPECT_EQ(outcome.message, u"请先输入命名模板!");
    EXPECT_EQ(model.text(0, ColPreview), u"");
    FileListModel empty = FileListModel::withStandardColumns();
    EXPECT_EQ(runMp3Preview(empty, Mp3Options{}, files, *cp).kind, PreviewOutcome::EmptyList);
}

}  // namespace
}  // namespace tessary
