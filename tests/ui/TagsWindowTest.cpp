// MP3 tags in the window: "Show Tag" with the tag columns of real files, and the controls that
// compose a naming template.

#include <fstream>

#include "VarnelDlgSupport.h"
#include "commands/AddFiles.h"
#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "platform/win32/Win32FileSystem.h"
#include "tags/Id3v1.h"
#include "tags/TagColumns.h"
#include "ui/DialogEditTag.h"

namespace tessary::uitest {
namespace {

class TagsWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // A tag with Chinese texts, as a music folder holds them.
        Id3v1Fields fields;
        fields.title = u"月亮代表我的心";
        fields.artist = u"邓丽君";
        fields.album = u"专辑";
        fields.year = u"1977";
        fields.hasTrack = true;
        fields.track = 3;
        fields.genre = 8;
        writeMp3(folder_.path() / u"tagged.mp3", fields);
        writeMp3(folder_.path() / u"untagged.mp3", std::nullopt);
        std::ofstream(folder_.path() / u"notes.txt") << std::string(300, 'n');
        Win32FileSystem fs;
        for (const char16_t* name : {u"notes.txt", u"untagged.mp3", u"tagged.mp3"}) {
            addQueuedFile(window_->model(), 0, folder_.listPath() + name, fs);
        }
        window_->modelChanged();
        pump();
    }
    int listColumns() const { return Header_GetItemCount(ListView_GetHeader(item(IDC_FILE_LIST))); }
};

TEST_F(TagsWindowTest, ShowTagAddsTheColumnsOnceAndAPageChangeTakesThemAway) {
    EXPECT_FALSE(checked(IDC_MP3_SHOW_TAG));
    EXPECT_EQ(listColumns(), kFixedColumnCount);

    selectPage(PageMp3);
    click(IDC_MP3_SHOW_TAG);
    ASSERT_EQ(listColumns(), 15);
    EXPECT_EQ(listText(0, ColTitle), u"月亮代表我的心");
    EXPECT_EQ(listText(0, ColArtist), u"邓丽君");
    EXPECT_EQ(listText(0, ColYear), u"1977");
    EXPECT_EQ(listText(0, ColTrack), u"3");
    EXPECT_EQ(listText(1, ColStatus), kStatusNoTag);
    EXPECT_EQ(listText(2, ColStatus), kStatusNotMp3);
    EXPECT_EQ(listText(2, ColTitle), u"");
    // The hidden columns stay hidden, behind the new ones.
    EXPECT_EQ(ListView_GetColumnWidth(item(IDC_FILE_LIST), ColOriginalName), 0);
    EXPECT_EQ(ListView_GetColumnWidth(item(IDC_FILE_LIST), ColTitle), 100);

    // From the list's menu: off, and on again without a second set of columns.
    SendMessageW(hwnd(), WM_COMMAND, ID_SHOW_TAG_MENU, 0);
    pump();
    EXPECT_FALSE(checked(IDC_MP3_SHOW_TAG));
    EXPECT_EQ(listColumns(), kFixedColumnCount);
    SendMessageW(hwnd(), WM_COMMAND, ID_SHOW_TAG_MENU, 0);
    pump();
    EXPECT_TRUE(checked(IDC_MP3_SHOW_TAG));
    EXPECT_EQ(listColumns(), 15);

    selectPage(PageInsert);
    EXPECT_EQ(listColumns(), kFixedColumnCount);
    EXPECT_FALSE(checked(IDC_MP3_SHOW_TAG));
}

TEST_F(TagsWindowTest, TheMenuShowsTheTagsBeforeTheMp3PageWasEverShown) {
    // The box is made with its page; the menu makes it to say the columns are there.
    EXPECT_EQ(item(IDC_MP3_SHOW_TAG), nullptr);
    SendMessageW(hwnd(), WM_COMMAND, ID_SHOW_TAG_MENU, 0);
    pump();
    EXPECT_EQ(listColumns(), 15);
    EXPECT_TRUE(checked(IDC_MP3_SHOW_TAG));
    EXPECT_FALSE(visible(IDC_MP3_SHOW_TAG));
    SendMessageW(hwnd(), WM_COMMAND, ID_SHOW_TAG_MENU, 0);
    pump();
    EXPECT_EQ(listColumns(), kFixedColumnCount);
    EXPECT_FALSE(checked(IDC_MP3_SHOW_TAG));
}

TEST_F(TagsWindowTest, ABulkEditWorksOnTheSelectedRowsAndShowsWhatItWrote) {
    selectPage(PageMp3);
    click(IDC_MP3_SHOW_TAG);
    for (int row : {0, 1}) {
        ListView_SetItemState(item(IDC_FILE_LIST), row, LVIS_SELECTED, LVIS_SELECTED);
    }
    shell_.onEditTags = [](TagEditor& editor) {
        TagFieldFlags artistOnly{};
        artistOnly[fieldSlot(TagField::Artist)] = true;
        TagEditorFields input;
        input.artist = u"新歌手";
        editor.write(artistOnly, input);
    };
    SendMessageW(hwnd(), WM_COMMAND, ID_BULK_TAG_EDIT, 0);
    pump();
    ASSERT_EQ(shell_.tagEdits.size(), 1u);
    // From the last selected row to the first.
    const BulkList& files = shell_.tagEdits[0];
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].row, 1);
    EXPECT_EQ(files[0].fullPath, folder_.listPath() + u"untagged.mp3");
    for (int row : {0, 1}) {
        EXPECT_EQ(listText(row, ColArtist), u"新歌手") << row;
        EXPECT_EQ(listText(row, ColStatus), kStatusTagWritten) << row;
    }
    EXPECT_EQ(listText(0, ColTitle), u"月亮代表我的心");
    EXPECT_EQ(listText(2, ColStatus), kStatusNotMp3);
}

TEST_F(TagsWindowTest, TheEditorShowsOneFilesTagAndWritesTheCheckedFields) {
    const std::unique_ptr<TagFiles> tagFiles = makeSystemTagFiles();
    const std::unique_ptr<AnsiCodePage> codePage = makeSystemAnsiCodePage();
    TagEditor editor({{folder_.listPath() + u"tagged.mp3", 0}}, *tagFiles, *codePage);
    CDialogEditTag dialog(editor, prompter_);
    ASSERT_NE(dialog.createModeless(hwnd()), nullptr);
    pump();
    auto checkedBox = [&](int id) { return IsDlgButtonChecked(dialog.hwnd(), id) == BST_CHECKED; };
    auto field = [&](int id) { return dialog.itemText(id); };
    // One file: its title and track are what one changes.
    EXPECT_TRUE(checkedBox(IDC_TAG_CHECK_TITLE));
    EXPECT_TRUE(checkedBox(IDC_TAG_CHECK_TRACK));
    EXPECT_FALSE(checkedBox(IDC_TAG_CHECK_ARTIST));
    EXPECT_EQ(field(IDC_TAG_FILE_COUNT), u"The number of files is 1");
    EXPECT_EQ(field(IDC_TAG_TITLE), u"月亮代表我的心");
    EXPECT_EQ(field(IDC_TAG_TRACK), u"3");
    EXPECT_EQ(SendDlgItemMessageW(dialog.hwnd(), IDC_TAG_GENRE, CB_GETCURSEL, 0, 0), 8);
    EXPECT_EQ(SendDlgItemMessageW(dialog.hwnd(), IDC_TAG_GENRE, CB_GETCOUNT, 0, 0), 80);

    // A track out of range comes back as 1, with a word.
    SetDlgItemTextW(dialog.hwnd(), IDC_TAG_TRACK, L"300");
    SendMessageW(dialog.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TAG_TRACK, EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog.hwnd(), IDC_TAG_TRACK)));
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, kTrackRangeMessage);
    EXPECT_EQ(field(IDC_TAG_TRACK), u"1");

    SetDlgItemTextW(dialog.hwnd(), IDC_TAG_TITLE, L"新标题");
    SetDlgItemTextW(dialog.hwnd(), IDC_TAG_TRACK, L"7");
    SendMessageW(dialog.hwnd(), WM_COMMAND, IDC_TAG_WRITE, 0);
    EXPECT_EQ(field(IDC_TAG_RESULT_TITLE), kTagFieldWritten);
    EXPECT_EQ(field(IDC_TAG_RESULT_TRACK), kTagFieldWritten);
    EXPECT_EQ(field(IDC_TAG_RESULT_ARTIST), kTagFieldNotWritten);
    EXPECT_TRUE(editor.written());
    Mp3TagRecord record(folder_.listPath() + u"tagged.mp3");
    record.read(*tagFiles, *codePage);
    EXPECT_EQ(record.title(), u"新标题");
    EXPECT_EQ(record.trackText(), u"7");
    EXPECT_EQ(record.artist(), u"邓丽君");
    DestroyWindow(dialog.hwnd());
}

TEST_F(TagsWindowTest, TheEditorForSeveralFilesChecksTheSharedFieldsAndRefusesANonMp3) {
    const std::unique_ptr<TagFiles> tagFiles = makeSystemTagFiles();
    const std::unique_ptr<AnsiCodePage> codePage = makeSystemAnsiCodePage();
    TagEditor editor({{folder_.listPath() + u"tagged.mp3", 0},
                      {folder_.listPath() + u"untagged.mp3", 1},
                      {folder_.listPath() + u"notes.txt", 2}},
                     *tagFiles, *codePage);
    CDialogEditTag dialog(editor, prompter_);
    ASSERT_NE(dialog.createModeless(hwnd()), nullptr);
    pump();
    for (int id : {IDC_TAG_CHECK_ARTIST, IDC_TAG_CHECK_ALBUM, IDC_TAG_CHECK_YEAR,
                   IDC_TAG_CHECK_GENRE, IDC_TAG_CHECK_COMMENT}) {
        EXPECT_EQ(IsDlgButtonChecked(dialog.hwnd(), id), BST_CHECKED) << id;
    }
    for (int id : {IDC_TAG_CHECK_TITLE, IDC_TAG_CHECK_TRACK}) {
        EXPECT_EQ(IsDlgButtonChecked(dialog.hwnd(), id), BST_UNCHECKED) << id;
    }
    EXPECT_EQ(dialog.itemText(IDC_TAG_FILE_COUNT), u"The number of files is 3");
    EXPECT_EQ(dialog.itemText(IDC_TAG_ARTIST), u"邓丽君");
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, kTagNotMp3Message);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog.hwnd(), IDC_TAG_WRITE)));
    DestroyWindow(dialog.hwnd());
}

TEST_F(TagsWindowTest, TheMp3PageNamesTheTaggedFilesAndRefusesTheOthers) {
    selectPage(PageMp3);
    EXPECT_TRUE(visible(IDC_MP3_STYLE));
    EXPECT_EQ(text(IDC_MP3_SEQ_START), u"1");
    EXPECT_EQ(text(IDC_MP3_SEQ_DIGITS), u"2");
    setText(IDC_MP3_STYLE, u"/D /A-/T (/R)");
    click(IDC_PREVIEW);
    EXPECT_EQ(listText(0, ColPreview), u"01 邓丽君-月亮代表我的心 (03).mp3");
    EXPECT_EQ(listText(0, ColStatus), u"未修改");
    EXPECT_EQ(listText(1, ColPreview), u"untagged.mp3");
    EXPECT_EQ(listText(1, ColStatus), u"无效:没有标签");
    EXPECT_EQ(listText(2, ColStatus), u"无效:没有标签");
    EXPECT_EQ(statusPane(kPlanPane), u"将改名1个，拒绝2个");
    EXPECT_TRUE(IsWindowEnabled(item(IDC_APPLY)));

    setText(IDC_MP3_STYLE, u"");
    click(IDC_PREVIEW);
    ASSERT_FALSE(prompter_.shown().empty());
    EXPECT_EQ(prompter_.shown().back().text, u"请先输入命名模板!");
}

TEST_F(MainWindowTest, TemplateControlsComposeTheNameStyle) {
    selectPage(PageMp3);
    click(IDC_MP3_ARTIST);
    setText(IDC_MP3_STYLE, text(IDC_MP3_STYLE) + u"-");
    click(IDC_MP3_TITLE);
    EXPECT_EQ(text(IDC_MP3_STYLE), u"/A-/T");
    click(IDC_MP3_TRACK);
    click(IDC_MP3_TRACK);
    EXPECT_EQ(text(IDC_MP3_STYLE), u"/A-/T/R/R");

    HWND templates = item(IDC_MP3_TEMPLATE);
    SendMessageW(templates, CB_SETCURSEL, 3, 0);
    SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(IDC_MP3_TEMPLATE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(templates));
    EXPECT_EQ(text(IDC_MP3_STYLE), u"/D-/T");
    click(IDC_MP3_CLEAR);
    EXPECT_EQ(text(IDC_MP3_STYLE), u"");
    // Another page hides the group.
    selectPage(PageBasic);
    EXPECT_FALSE(visible(IDC_GRP_MP3));
    EXPECT_FALSE(visible(IDC_MP3_SHOW_TAG));
}

}  // namespace
}  // namespace tessary::uitest
