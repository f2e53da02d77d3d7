// MP3 tags in the window: "Show Tag" with the tag columns of real files, and the controls that
// compose a naming template.

#include <fstream>

#include "VarnelDlgSupport.h"
#include "app/AnsiCodePage.h"
#include "filelist/AddFiles.h"
#include "records/win32/Win32FileSystem.h"
#include "tags/Id3v1.h"
#include "tags/TagColumns.h"

namespace tessary::uitest {
namespace {

class TagsWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // A frame of audio, then a tag with Chinese texts, as a music folder holds them.
        const std::string audio = std::string("\xFF\xFB\x90\x64", 4) + std::string(400, 'U');
        Id3v1Fields fields;
        fields.title = u"月亮代表我的心";
        fields.artist = u"邓丽君";
        fields.album = u"专辑";
        fields.year = u"1977";
        fields.hasTrack = true;
        fields.track = 3;
        fields.genre = 8;
        const TagBlock tag = encodeTagBlock(fields, *makeSystemAnsiCodePage());
        write(u"tagged.mp3", audio + std::string(tag.begin(), tag.end()));
        write(u"untagged.mp3", audio);
        write(u"notes.txt", std::string(300, 'n'));
        Win32FileSystem fs;
        for (const char16_t* name : {u"notes.txt", u"untagged.mp3", u"tagged.mp3"}) {
            addQueuedFile(window_->model(), 0, folder_.listPath() + name, fs);
        }
        window_->modelChanged();
        pump();
    }
    void write(const std::u16string& name, const std::string& bytes) {
        std::ofstream(folder_.path() / name, std::ios::binary) << bytes;
    }
    int listColumns() const { return Header_GetItemCount(ListView_GetHeader(item(IDC_FILE_LIST))); }
};

TEST_F(TagsWindowTest, ShowTagAddsTheColumnsOnceAndAPageChangeTakesThemAway) {
    EXPECT_FALSE(checked(IDC_MP3_SHOW_TAG));
    EXPECT_EQ(listColumns(), kFixedColumnCount);

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

TEST_F(MainWindowTest, TemplateControlsComposeTheNameStyle) {
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
    // The group stays out of sight, as the window has no page for it.
    EXPECT_FALSE(visible(IDC_GRP_MP3));
    EXPECT_FALSE(visible(IDC_MP3_SHOW_TAG));
}

}  // namespace
}  // namespace tessary::uitest
