// Pictures of the dialogs for a person to look at: set TESSARY_PICTURES_DIR to a folder and the
// suite saves each dialog there as a .bmp (skipped otherwise).
#include <windows.h>
// after windows.h
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "VarnelDlgSupport.h"
#include "commands/AddFiles.h"
#include "core/ForwardingFileSystem.h"
#include "disk/JournalFolder.h"
#include "disk/OprFile.h"
#include "model/AnsiCodePage.h"
#include "model/NumberText.h"
#include "platform/SystemServices.h"
#include "platform/win32/Win32FileSystem.h"
#include "tags/Id3v1.h"
#include "ui/ColorButton.h"
#include "ui/ColorDlg.h"
#include "ui/ColorSB.h"
#include "ui/ColorStatic.h"
#include "ui/DialogEditTag.h"
#include "ui/DlgAbout.h"
#include "ui/DlgEditOne.h"
#include "ui/DlgMsg.h"
#include "ui/DlgMsgYesNo.h"
#include "ui/DlgProgress.h"
#include "ui/MyStatic.h"
#include "ui/MyTabCtrl.h"
#include "ui/RenameProgress.h"
#include "ui/RestoreDlg.h"
#include "ui/res/resource.h"

namespace tessary {
namespace {

std::wstring picturesDir() {
    const wchar_t* dir = _wgetenv(L"TESSARY_PICTURES_DIR");
    return dir != nullptr ? dir : L"";
}

void savePicture(HWND window, const std::wstring& name, bool printChildren = false) {
    uitest::pumpMessages();
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    uitest::pumpMessages();
    RECT r{};
    GetWindowRect(window, &r);
    uitest::Surface s(r.right - r.left, r.bottom - r.top);
    ASSERT_TRUE(PrintWindow(window, s.dc(), 0));
    if (printChildren) {
        // A plain dialog leaves its controls out of its own print: each one prints itself.
        for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child)) continue;
            RECT c{};
            GetWindowRect(child, &c);
            uitest::Surface piece(c.right - c.left, c.bottom - c.top);
            SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(piece.dc()),
                         PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
            BitBlt(s.dc(), c.left - r.left, c.top - r.top, piece.width(), piece.height(),
                   piece.dc(), 0, 0, SRCCOPY);
        }
    }
    ASSERT_TRUE(s.save(picturesDir() + L"\\" + name + L".bmp"));
}

// A tag of a Chinese album, one song of it.
Id3v1Fields albumSong(std::u16string title, int track) {
    Id3v1Fields fields;
    fields.title = std::move(title);
    fields.artist = u"邓丽君";
    fields.album = u"淡淡幽情";
    fields.year = u"1983";
    fields.hasTrack = true;
    fields.track = static_cast<std::uint8_t>(track);
    fields.genre = 13;
    return fields;
}

class Pictures : public ::testing::Test {
  protected:
    void SetUp() override {
        if (picturesDir().empty()) GTEST_SKIP() << "TESSARY_PICTURES_DIR is not set";
    }
};

TEST_F(Pictures, MessageDialogs) {
    CDlgMsg msg;
    msg.setText(L"帮助文件不存在!");
    ASSERT_NE(msg.createModeless(nullptr), nullptr);
    savePicture(msg.hwnd(), L"dlg_msg");

    CDlgMsgYesNo yesNo;
    yesNo.setText(L"您要退出本系统吗？");
    ASSERT_NE(yesNo.createModeless(nullptr), nullptr);
    savePicture(yesNo.hwnd(), L"dlg_msg_yesno");
}

TEST_F(Pictures, RecoveryQuestionAndReport) {
    CDlgMsgYesNo question;
    question.setText(reinterpret_cast<const wchar_t*>(kRecoveryQuestion));
    ASSERT_NE(question.createModeless(nullptr), nullptr);
    savePicture(question.hwnd(), L"dlg_recovery_question");

    JournalsRecovered recovered;
    recovered.putBack = 1998;
    recovered.notPutBack = 2;
    recovered.damaged = {u"C:\\Users\\用户\\Tessary\\Tessary-2.journal"};
    CDlgMsg report;
    const std::u16string text = recoveryReport(recovered);
    report.setText(reinterpret_cast<const wchar_t*>(text.c_str()));
    ASSERT_NE(report.createModeless(nullptr), nullptr);
    savePicture(report.hwnd(), L"dlg_recovery_report");
}

TEST_F(Pictures, AboutBox) {
    CDlgAbout about;
    ASSERT_NE(about.createModeless(nullptr), nullptr);
    savePicture(about.hwnd(), L"dlg_about");
}

// A window with the main frame and one of each control, the picture buttons in their four
// states side by side.
class ControlSampler : public DialogBase {
  public:
    ControlSampler() : DialogBase(0) {}
    MainFrameSkin frame;
    CColorButton buttons[6];
    CColorStatic group;
    CMyTabCtrl tabs;
    CColorSB status;
    CMyStatic tip;

  protected:
    BOOL onInitDialog() override {
        frame.attach(hwnd());
        SetWindowPos(hwnd(), nullptr, 0, 0, 700, 420, SWP_NOZORDER | SWP_FRAMECHANGED);
        frame.applyShape();
        return TRUE;
    }
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (auto r = frame.handle(message, wParam, lParam)) return r;
        return DialogBase::onMessage(message, wParam, lParam);
    }
};

TEST_F(Pictures, MainFrameAndControls) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    uitest::DialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 400, 250,
                             L"Tessary批量改名器");
    const wchar_t* captions[6] = {L"添加文件", L"预览", L"应用", L"撤销", L"帮助", L"退出"};
    for (int i = 0; i < 6; ++i) {
        t.add(L"Button", captions[i], static_cast<WORD>(100 + i), BS_OWNERDRAW,
              static_cast<short>(8 + 40 * i), 6, 36, 40);
    }
    t.add(L"Button", L"编辑文件名", 110, BS_GROUPBOX, 8, 54, 180, 70)
        .add(WC_TABCONTROLW, L"", 111, WS_CLIPSIBLINGS, 196, 54, 196, 90)
        .add(L"Static", L"", 112, 0, 8, 132, 180, 20);
    ControlSampler window;
    ASSERT_NE(window.createModelessIndirect(nullptr, t.get()), nullptr);
    const UINT pictures[6][4] = {
        {IDB_ADD_NORMAL, IDB_ADD_HOVER, IDB_ADD_PRESSED, IDB_ADD_DISABLED},
        {IDB_PREVIEW_NORMAL, IDB_PREVIEW_HOVER, IDB_PREVIEW_PRESSED, IDB_PREVIEW_DISABLED},
        {IDB_APPLY_NORMAL, IDB_APPLY_HOVER, IDB_APPLY_PRESSED, IDB_APPLY_DISABLED},
        {IDB_UNDO_NORMAL, IDB_UNDO_HOVER, IDB_UNDO_PRESSED, IDB_UNDO_DISABLED},
        {IDB_HELP_NORMAL, IDB_HELP_HOVER, IDB_HELP_PRESSED, IDB_HELP_DISABLED},
        {IDB_EXIT_NORMAL, IDB_EXIT_HOVER, IDB_EXIT_PRESSED, IDB_EXIT_DISABLED},
    };
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(window.buttons[i].attach(window.item(100 + i)));
        window.buttons[i].setPictures(pictures[i][0], pictures[i][1], pictures[i][2],
                                      pictures[i][3]);
    }
    // Normal, hover, pressed and disabled, in this order from the left.
    SendMessageW(window.item(101), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(window.item(102), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(window.item(102), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EnableWindow(window.item(103), FALSE);
    ASSERT_TRUE(window.group.attach(window.item(110)));
    ASSERT_TRUE(window.tabs.attach(window.item(111)));
    window.tabs.setTabPictures(IDB_TAB, IDB_TAB_SELECTED);
    const wchar_t* pages[3] = {L"基本", L"插入", L"删除"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(pages[i]);
        SendMessageW(window.item(111), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    ASSERT_TRUE(window.tip.attach(window.item(112)));
    window.tip.showTip(L"提示：在这里输入新的文件名", 60'000);
    ASSERT_NE(window.status.create(window.hwnd(), 113), nullptr);
    window.status.setPanes({180, 510});
    window.status.setText(0, L"列表中的文件数:0个");
    window.status.setText(1, L"提示：请先添加文件");
    savePicture(window.hwnd(), L"main_frame_controls");
}

TEST_F(Pictures, ForbiddenCharacterMessage) {
    CDlgMsg msg;
    msg.setText(reinterpret_cast<const wchar_t*>(kForbiddenNameMessage));
    ASSERT_NE(msg.createModeless(nullptr), nullptr);
    savePicture(msg.hwnd(), L"dlg_msg_forbidden");
}

TEST_F(Pictures, SingleFileRename) {
    uitest::ScriptedPrompter prompter;
    CDlgEditOne dialog(prompter, u"旅行照片_000123.jpg");
    ASSERT_NE(dialog.createModeless(nullptr), nullptr);
    savePicture(dialog.hwnd(), L"dlg_edit_one");
}

// The progress window in the middle of a batch of three files.
DWORD WINAPI feedHalfABatch(void* batch) {
    HWND progress = static_cast<AddBatchState*>(batch)->pickProgress;
    SendMessageW(progress, WM_ADDPROGRESS_PICK, 3, kProgressStart);
    PostMessageW(progress, WM_ADDPROGRESS_PICK, 1, kProgressStep);
    return 0;
}

TEST_F(Pictures, ProgressWindow) {
    AddBatchState batch;
    CDlgProgress2 progress(batch, AddBatchKind::Pick, &feedHalfABatch, &batch);
    ASSERT_NE(progress.createModeless(nullptr), nullptr);
    for (int i = 0;
         i < 50 && GetWindowTextLengthW(GetDlgItem(progress.hwnd(), IDC_PROGRESS_PERCENT)) == 0;
         ++i) {
        uitest::pumpMessages();
        Sleep(10);
    }
    savePicture(progress.hwnd(), L"dlg_progress");
    DestroyWindow(progress.hwnd());
}

TEST_F(Pictures, RenameProgressWindow) {
    // A batch of 400 steps, 150 done, that runs until Stop is pressed: renames, and the
    // preview's check of the disk.
    const CDlgRenameProgress::Work work = [](BatchProgress& progress) {
        progress.setTotal(400);
        progress.stepsDone(150);
        while (!progress.stopRequested()) Sleep(5);
    };
    for (const auto& [what, picture] :
         {std::pair{BatchWork::Renames, L"dlg_rename_progress"},
          std::pair{BatchWork::PreviewCheck, L"dlg_check_progress"}}) {
        CDlgRenameProgress progress(what, work);
        ASSERT_NE(progress.createModeless(nullptr), nullptr);
        HWND window = progress.hwnd();
        for (int i = 0;
             i < 50 && GetWindowTextLengthW(GetDlgItem(window, IDC_PROGRESS_PERCENT)) == 0; ++i) {
            uitest::pumpMessages();
            Sleep(10);
        }
        savePicture(window, picture);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        for (int i = 0; i < 100 && progress.hwnd() != nullptr; ++i) {
            uitest::pumpMessages();
            Sleep(10);
        }
        EXPECT_EQ(progress.hwnd(), nullptr) << "the window closes once the worker has ended";
    }
}

TEST_F(Pictures, RestoreDialogWithFoundAndMissingFiles) {
    uitest::WorkingFolder folder;
    const std::u16string dir = folder.listPath();
    std::vector<OprRecord> records;
    for (int i = 1; i <= 6; ++i) {
        const std::u16string n = std::u16string(1, static_cast<char16_t>(u'0' + i));
        records.push_back({dir, u"IMG_000" + n + u".jpg", u"旅行照片_" + n + u".jpg"});
        // The third and the fifth have gone since the record was saved.
        if (i != 3 && i != 5) {
            std::ofstream(folder.path() / records.back().currentName) << std::string(i * 900, 'x');
        }
    }
    std::ofstream(folder.path() / "r.opr", std::ios::binary)
        << *encodeOpr(SavingTime{2026, 12, 3, 9, 21, 7, 0, 0}, records);
    Win32FileSystem fs;
    uitest::ScriptedPrompter prompter;
    CRestoreDlg dialog((folder.path() / "r.opr").u16string(), fs, std::u16string(), &prompter);
    ASSERT_NE(dialog.createModeless(nullptr), nullptr);
    savePicture(dialog.hwnd(), L"dlg_restore", true);
    DestroyWindow(dialog.hwnd());
}

TEST_F(Pictures, TagEditorForOneAndForSeveralFiles) {
    uitest::WorkingFolder folder;
    const std::unique_ptr<AnsiCodePage> codePage = makeSystemAnsiCodePage();
    const std::unique_ptr<TagFiles> tagFiles = makeSystemTagFiles();
    BulkList files;
    for (int i = 1; i <= 3; ++i) {
        const std::u16string n(1, static_cast<char16_t>(u'0' + i));
        const std::u16string path = folder.listPath() + u"歌" + n + u".mp3";
        uitest::writeMp3(std::filesystem::path(path), albumSong(u"第" + n + u"首歌", i));
        files.push_back({path, i - 1});
    }
    uitest::ScriptedPrompter prompter;
    for (const auto& [list, name] : {std::pair{BulkList{files[0]}, L"dlg_edit_tag_one"},
                                     std::pair{files, L"dlg_edit_tag_several"}}) {
        TagEditor editor(list, *tagFiles, *codePage);
        CDialogEditTag dialog(editor, prompter);
        ASSERT_NE(dialog.createModeless(nullptr), nullptr);
        savePicture(dialog.hwnd(), name);
        DestroyWindow(dialog.hwnd());
    }
}

class MainWindowPictures : public uitest::MainWindowTest {
  protected:
    void SetUp() override {
        if (picturesDir().empty()) GTEST_SKIP() << "TESSARY_PICTURES_DIR is not set";
        uitest::MainWindowTest::SetUp();
    }
};

// The list's context menu and its submenu, drawn while they are open (from a timer inside the
// menu's modal loop): the menu first, then the last item opened by the keyboard.
struct MenuPicture {
    static inline bool taken = false;
    static inline int stage = 0;
    static bool save(HWND popup, const wchar_t* name) {
        RECT r{};
        GetWindowRect(popup, &r);
        uitest::Surface s(r.right - r.left, r.bottom - r.top);
        return PrintWindow(popup, s.dc(), 0) && s.save(picturesDir() + L"\\" + name + L".bmp");
    }
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (popup == nullptr) return;
        if (stage == 0) {
            taken = save(popup, L"list_context_menu");
            PostMessageW(popup, WM_KEYDOWN, VK_UP, 0);
            PostMessageW(popup, WM_KEYDOWN, VK_RIGHT, 0);
            stage = 1;
            return;
        }
        HWND submenu = FindWindowExW(nullptr, popup, L"#32768", nullptr);
        if (submenu == nullptr && ++stage < 20) return;
        KillTimer(nullptr, id);
        // The submenu is the newer of the two popups, found first.
        taken = taken && save(popup, L"list_context_submenu");
        EndMenu();
    }
};

TEST_F(MainWindowPictures, ListContextMenu) {
    window_->model().insertRow(0, u"a.txt");
    window_->modelChanged();
    pump();
    SetTimer(nullptr, 0, 50, &MenuPicture::onTimer);
    NMITEMACTIVATE activate{};
    activate.hdr = {item(IDC_FILE_LIST), static_cast<UINT_PTR>(IDC_FILE_LIST),
                    static_cast<UINT>(NM_RCLICK)};
    activate.ptAction = {40, 30};
    SendMessageW(hwnd(), WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&activate));
    pump();
    EXPECT_TRUE(MenuPicture::taken);
}

TEST_F(MainWindowPictures, ListWithTagColumns) {
    const char16_t* titles[] = {u"月亮代表我的心", u"甜蜜蜜", u"小城故事"};
    Win32FileSystem fs;
    for (int i = 0; i < 3; ++i) {
        const std::u16string path = folder_.listPath() + titles[i] + u".mp3";
        uitest::writeMp3(std::filesystem::path(path), albumSong(titles[i], i + 1));
        addQueuedFile(window_->model(), window_->model().rowCount(), path, fs);
    }
    window_->modelChanged();
    selectPage(PageMp3);
    click(IDC_MP3_SHOW_TAG);
    // The tag columns are at the right end of the list.
    ListView_Scroll(item(IDC_FILE_LIST), 3000, 0);
    pump();
    savePicture(hwnd(), L"main_window_tag_columns");
}

TEST_F(MainWindowPictures, ListWithFilesSortedBySize) {
    const char16_t* names[] = {u"海边日落.jpg", u"会议记录.docx", u"IMG_0001.JPG", u"歌曲.mp3"};
    const char16_t* sizes[] = {u"2350 KB", u"18 KB", u"-1 KB", u"4120 KB"};
    FileListModel& model = window_->model();
    for (int i = 0; i < 4; ++i) {
        const int row = model.insertRow(model.rowCount(), names[i]);
        model.setText(row, ColSize, sizes[i]);
        model.setText(row, ColPath, u"C:\\用户\\图片\\");
        model.setText(row, ColStatus, kStatusUnchanged);
        model.setText(row, ColDateModified, u"2026-12-8");
    }
    window_->modelChanged();
    NMLISTVIEW click{};
    click.hdr = {item(IDC_FILE_LIST), static_cast<UINT_PTR>(IDC_FILE_LIST),
                 static_cast<UINT>(LVN_COLUMNCLICK)};
    click.iSubItem = ColSize;
    SendMessageW(hwnd(), WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&click));
    pump();
    savePicture(hwnd(), L"main_window_files_by_size");
}

TEST_F(MainWindowPictures, PreviewWithTheReasonsApplyWouldRefuse) {
    // One extension for every picture: two rows end up with one name, one meets a file that
    // is not in the list.
    Win32FileSystem fs;
    for (const char16_t* name :
         {u"照片.jpeg", u"照片.JPG", u"海边 日落.jpeg", u"会议记录.png", u"IMG_0001.jpg"}) {
        std::ofstream(std::filesystem::path(folder_.listPath() + name)) << "x";
        addQueuedFile(window_->model(), window_->model().rowCount(), folder_.listPath() + name, fs);
    }
    std::ofstream(std::filesystem::path(folder_.listPath() + u"会议记录.jpg")) << "not listed";
    window_->setFileCounter(window_->model().rowCount());
    window_->modelChanged();
    setText(IDC_NEW_EXT, u"jpg");
    click(IDC_PREVIEW);
    EXPECT_EQ(window_->model().text(0, ColStatus), u"冲突:与第2行的新名相同");
    EXPECT_EQ(window_->model().text(3, ColStatus), u"冲突:已有同名文件");
    savePicture(hwnd(), L"main_window_preview_reasons");
}

TEST_F(MainWindowPictures, Mp3PagePreviewBuiltFromTags) {
    const char16_t* titles[] = {u"月亮代表我的心", u"甜蜜蜜", u"小城故事"};
    Win32FileSystem fs;
    for (int i = 0; i < 3; ++i) {
        const std::u16string path = folder_.listPath() + u"track" + decimalText(i + 1) + u".mp3";
        uitest::writeMp3(std::filesystem::path(path), albumSong(titles[i], i + 1));
        addQueuedFile(window_->model(), window_->model().rowCount(), path, fs);
    }
    std::ofstream(std::filesystem::path(folder_.listPath() + u"封面.jpg")) << "jpeg";
    addQueuedFile(window_->model(), window_->model().rowCount(), folder_.listPath() + u"封面.jpg",
                  fs);
    window_->modelChanged();
    selectPage(PageMp3);
    SendMessageW(item(IDC_MP3_TEMPLATE), CB_SETCURSEL, 0, 0);
    SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(IDC_MP3_TEMPLATE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(item(IDC_MP3_TEMPLATE)));
    setText(IDC_MP3_STYLE, u"/R /A - /T");
    click(IDC_PREVIEW);
    EXPECT_EQ(window_->model().text(3, ColStatus), u"无效:没有标签");
    savePicture(hwnd(), L"main_window_mp3_preview");
}

// Presses Stop once a number of renames have been made.
class StopAtRename : public testing::ForwardingFileSystem {
  public:
    explicit StopAtRename(int renames) : ForwardingFileSystem(windows_), stopAt_(renames) {}
    RenameOutcome rename(std::u16string_view from, std::u16string_view to) override {
        const RenameOutcome outcome = ForwardingFileSystem::rename(from, to);
        if (++renames_ == stopAt_) uitest::pressRenameStop();
        return outcome;
    }

  private:
    Win32FileSystem windows_;
    int stopAt_;
    int renames_ = 0;
};

class StoppedApplyPicture : public MainWindowPictures {
  protected:
    StoppedApplyPicture() { fileSystem_ = &disk_; }
    StopAtRename disk_{150};
};

TEST_F(StoppedApplyPicture, TheStatusBarCountsAStoppedApply) {
    for (int i = 0; i < 400; ++i) {
        const std::u16string path = folder_.listPath() + u"照片" + decimalText(i) + u".jpg";
        std::ofstream(std::filesystem::path(path)) << i;
        addQueuedFile(window_->model(), i, path, disk_);
    }
    window_->modelChanged();
    setText(IDC_NEW_EXT, u"png");
    click(IDC_PREVIEW);
    click(IDC_APPLY);
    EXPECT_EQ(statusPane(kPlanPane), u"已停止：成功150个，失败0个，未修改250个");
    SendMessageW(item(IDC_FILE_LIST), LVM_ENSUREVISIBLE, 160, FALSE);
    pump();
    savePicture(hwnd(), L"main_window_apply_stopped");
}

TEST_F(MainWindowPictures, EveryPageAndMaximised) {
    for (int page = 0; page < 6; ++page) {
        selectPage(page);
        pump();
        savePicture(hwnd(), L"main_window_page" + std::to_wstring(page + 1));
    }
    selectPage(0);
    ShowWindow(hwnd(), SW_MAXIMIZE);
    pump();
    savePicture(hwnd(), L"main_window_maximised");
}

}  // namespace
}  // namespace tessary
