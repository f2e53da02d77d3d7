// The main window as a window: resizing, maximising, the system menu, the ways out and the ways
// that must not lead out, help, the about boxes, the always-on-top switch and the context menu.

#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <fstream>
#include <iterator>

#include "VarnelDlgSupport.h"
#include "ui/ColorDlg.h"
#include "ui/MainLayout.h"

namespace tessary {
namespace {

using uitest::listClick;
using uitest::MainWindowTest;
using uitest::pointOfRow;

RECT windowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// Every control shown sits where the layout function puts it, when the window opens, at its
// smallest and after it has grown; a page's controls do once the page is shown.
TEST_F(MainWindowTest, EveryControlSitsWhereTheLayoutPutsIt) {
    HWND bar = FindWindowExW(hwnd(), nullptr, STATUSCLASSNAMEW, nullptr);
    const auto check = [&](const char* when) {
        RECT client{};
        GetClientRect(hwnd(), &client);
        // Measured once the Insert page has been made.
        const RECT label =
            item(IDC_LBL_INS_POS) != nullptr ? clientRectOf(IDC_LBL_INS_POS) : RECT{};
        if (item(IDC_LBL_INS_POS) != nullptr) {
            EXPECT_GT(label.right - label.left, 0) << when;
        }
        const MainLayoutInput input{SIZE{client.right, client.bottom},
                                    static_cast<int>(label.right - label.left)};
        for (const ControlPlace& c : mainLayout(input)) {
            if (c.id != kStatusBarId && !IsWindowVisible(item(c.id))) continue;
            RECT actual{};
            if (c.id == kStatusBarId) {
                GetWindowRect(bar, &actual);
                MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&actual), 2);
            } else {
                actual = clientRectOf(c.id);
            }
            // Nothing is cut off, not even in the smallest window.
            EXPECT_LE(c.rect.right, client.right) << when << ": control " << c.id;
            EXPECT_LE(c.rect.bottom, client.bottom) << when << ": control " << c.id;
            // A drop-down list is as tall as its font makes it; its list opens below.
            wchar_t kind[16] = {};
            if (c.id != kStatusBarId) GetClassNameW(item(c.id), kind, 16);
            if (lstrcmpiW(kind, L"ComboBox") == 0) actual.bottom = c.rect.bottom;
            EXPECT_TRUE(EqualRect(&actual, &c.rect))
                << when << ": control " << c.id << " at " << actual.left << "," << actual.top << " "
                << actual.right - actual.left << "x" << actual.bottom - actual.top;
        }
    };
    check("opened");
    SetWindowPos(hwnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    pump();
    check("smallest");
    SetWindowPos(hwnd(), nullptr, 0, 0, 1000, 700, SWP_NOMOVE | SWP_NOZORDER);
    pump();
    check("grown");
    for (const char* page : {"page 2", "page 3", "page 4", "page 5", "page 6", "page 1"}) {
        selectPage(page[5] - '1');
        check(page);
    }
    selectPage(3);
    click(IDC_REP_BY_POS);
    pump();
    check("page 4 by position");
}

TEST_F(MainWindowTest, CannotBeMadeSmallerThan670By480) {
    SetWindowPos(hwnd(), nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
    pump();
    const RECT r = windowRect(hwnd());
    EXPECT_EQ(r.right - r.left, 670);
    EXPECT_EQ(r.bottom - r.top, 480);
    MINMAXINFO info{};
    SendMessageW(hwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 670);
    EXPECT_EQ(info.ptMinTrackSize.y, 480);
}

TEST_F(MainWindowTest, MaximisedCoversTheWorkAreaWithTheFrameOutsideIt) {
    ShowWindow(hwnd(), SW_MAXIMIZE);
    pump();
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const RECT r = windowRect(hwnd());
    EXPECT_EQ(r.left, work.left - 4);
    EXPECT_EQ(r.top, work.top - 4);
    EXPECT_EQ(r.right, work.right + 4);
    EXPECT_EQ(r.bottom, work.bottom + 4);
    RECT client{};
    GetClientRect(hwnd(), &client);
    EXPECT_EQ(clientRectOf(IDC_FILE_LIST).right, client.right - 8);
    ShowWindow(hwnd(), SW_RESTORE);
    pump();
    EXPECT_FALSE(IsZoomed(hwnd()));
}

struct MenuItem {
    UINT id;
    std::wstring text;
    bool separator;
    bool enabled;
    bool checked;
    std::vector<MenuItem> submenu;
};

std::vector<MenuItem> menuItems(HMENU menu) {
    std::vector<MenuItem> items;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 128;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        items.push_back(
            {info.wID, text, (info.fType & MFT_SEPARATOR) != 0,
             (info.fState & (MFS_DISABLED | MFS_GRAYED)) == 0, (info.fState & MFS_CHECKED) != 0,
             info.hSubMenu != nullptr ? menuItems(info.hSubMenu) : std::vector<MenuItem>{}});
    }
    return items;
}

TEST_F(MainWindowTest, SystemMenuIsRebuiltInItsOrder) {
    const std::vector<MenuItem> items = menuItems(GetSystemMenu(hwnd(), FALSE));
    const std::vector<std::pair<UINT, std::wstring>> expected = {
        {0xFF03, L"还原(&R)"},
        {SC_MOVE, L"移动(&M)"},
        {SC_SIZE, L"大小(&S)"},
        {0xFF01, L"最小化(&N)"},
        {0xFF02, L"最大化(&X)"},
        {0, L""},
        {0xFF04, L"关闭(&C)        Alt+F4"},
        {0, L""},
        {16, L"关于 Tessary批量改名器(&A)..."},
    };
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (expected[i].first == 0) {
            EXPECT_TRUE(items[i].separator) << i;
            continue;
        }
        EXPECT_EQ(items[i].id, expected[i].first) << i;
        EXPECT_EQ(items[i].text, expected[i].second) << i;
    }
    EXPECT_FALSE(items[0].enabled) << "restore starts disabled";
}

TEST_F(MainWindowTest, SystemMenuStatesFollowTheShowState) {
    struct State {
        int show;
        bool size, move, restore, maximise, minimise;
    };
    const State states[] = {
        {SW_RESTORE, true, true, false, true, true},
        {SW_MAXIMIZE, false, false, true, false, true},
        {SW_MINIMIZE, false, false, true, true, false},
        // Restoring a window minimised from maximised brings it back maximised.
        {SW_RESTORE, false, false, true, false, true},
        {SW_RESTORE, true, true, false, true, true},
    };
    HMENU menu = GetSystemMenu(hwnd(), FALSE);
    auto on = [menu](UINT id) {
        return (GetMenuState(menu, id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
    };
    for (const State& s : states) {
        ShowWindow(hwnd(), s.show);
        pump();
        SendMessageW(hwnd(), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
        EXPECT_EQ(on(SC_SIZE), s.size) << s.show;
        EXPECT_EQ(on(SC_MOVE), s.move) << s.show;
        EXPECT_EQ(on(0xFF03), s.restore) << s.show;
        EXPECT_EQ(on(0xFF02), s.maximise) << s.show;
        EXPECT_EQ(on(0xFF01), s.minimise) << s.show;
    }
}

TEST_F(MainWindowTest, PrivateSystemCommandsMinimiseMaximiseAndRestore) {
    SendMessageW(hwnd(), WM_SYSCOMMAND, 0xFF02, 0);
    pump();
    EXPECT_TRUE(IsZoomed(hwnd()));
    SendMessageW(hwnd(), WM_SYSCOMMAND, 0xFF03, 0);
    pump();
    EXPECT_FALSE(IsZoomed(hwnd()));
    SendMessageW(hwnd(), WM_SYSCOMMAND, 0xFF01, 0);
    pump();
    EXPECT_TRUE(IsIconic(hwnd()));
    SendMessageW(hwnd(), WM_SYSCOMMAND, 0xFF03, 0);
    pump();
    EXPECT_FALSE(IsIconic(hwnd()));
    // The caption's maximise button and a double click on the caption.
    const RECT r = windowRect(hwnd());
    const int w = r.right - r.left;
    SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, uitest::screenPoint(hwnd(), w - 46, 20));
    SendMessageW(hwnd(), WM_NCLBUTTONUP, HTCAPTION, uitest::screenPoint(hwnd(), w - 46, 20));
    pump();
    EXPECT_TRUE(IsZoomed(hwnd()));
    SendMessageW(hwnd(), WM_NCLBUTTONDBLCLK, HTCAPTION, uitest::screenPoint(hwnd(), 300, 20));
    pump();
    EXPECT_FALSE(IsZoomed(hwnd()));
}

TEST_F(MainWindowTest, AboutItemOpensTheAboutBox) {
    SendMessageW(hwnd(), WM_SYSCOMMAND, 16, 0);
    SendMessageW(hwnd(), WM_SYSCOMMAND, 16 | 0x3, 0);  // the low four bits are the system's
    pump();
    EXPECT_EQ(shell_.aboutShown, 2);
    SendMessageW(hwnd(), WM_COMMAND, ID_PLAIN_ABOUT, 0);
    EXPECT_EQ(shell_.plainAboutShown, 1);
}

// Every way the exit question can be put, each answered "否(&N)" and then "是(&Y)".
class ExitWays : public MainWindowTest, public ::testing::WithParamInterface<int> {
  protected:
    void leave() {
        switch (GetParam()) {
            case 0:  // the button "退出"
                click(IDC_EXIT);
                break;
            case 1:  // the system menu's "关闭(&C)"
                SendMessageW(hwnd(), WM_SYSCOMMAND, 0xFF04, 0);
                break;
            case 2: {  // the close box of the drawn caption
                const RECT r = windowRect(hwnd());
                const LPARAM at = uitest::screenPoint(hwnd(), (r.right - r.left) - 22, 20);
                SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, at);
                SendMessageW(hwnd(), WM_NCLBUTTONUP, HTCAPTION, at);
                break;
            }
            case 3:  // Alt+F4 in the focused field, through the message loop
                PostMessageW(GetFocus(), WM_SYSKEYDOWN, VK_F4, 0x20000001);
                break;
        }
        pump();
    }
};

TEST_P(ExitWays, NoKeepsItRunningAndYesPostsTheQuit) {
    window_->model().insertRow(0, u"kept.txt");
    window_->modelChanged();
    prompter_.answerAsk(false).answerAsk(true);
    leave();
    ASSERT_EQ(prompter_.texts(), std::vector<std::u16string>{kExitQuestion});
    EXPECT_TRUE(IsWindow(hwnd()));
    EXPECT_FALSE(sawQuit_);
    EXPECT_FALSE(window_->quitRequested());
    EXPECT_EQ(window_->model().rowCount(), 1);
    leave();
    EXPECT_EQ(prompter_.shown().size(), 2u);
    EXPECT_TRUE(sawQuit_);
    EXPECT_TRUE(window_->quitRequested());
}

std::string exitWayName(const ::testing::TestParamInfo<int>& info) {
    static const char* const names[] = {"ExitButton", "SystemMenuClose", "CaptionCloseBox",
                                        "AltF4"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ExitWays, ::testing::Values(0, 1, 2, 3), exitWayName);

TEST_F(MainWindowTest, EscEnterAndOtherCloseRequestsDoNothing) {
    HWND field = item(IDC_NEW_EXT);
    SetFocus(field);
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        PostMessageW(field, WM_KEYDOWN, key, 1);
        PostMessageW(field, WM_KEYUP, key, 0xC0000001);
    }
    pump();
    SendMessageW(hwnd(), WM_CLOSE, 0, 0);
    SendMessageW(hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageW(hwnd(), WM_COMMAND, IDOK, 0);
    SendMessageW(hwnd(), WM_COMMAND, IDCANCEL, 0);
    pump();
    EXPECT_TRUE(IsWindow(hwnd()));
    EXPECT_TRUE(IsWindowVisible(hwnd()));
    EXPECT_TRUE(prompter_.shown().empty());
    EXPECT_FALSE(sawQuit_);
}

TEST_F(MainWindowTest, TheRealYesNoDialogAnsweredNoKeepsTheWindow) {
    // The program's own question dialog this time, answered as a person would.
    CVarnelDlg real(GetModuleHandleW(nullptr), nullptr, &shell_);
    ASSERT_NE(real.Create(), nullptr);
    pump();
    std::wstring asked;
    uitest::whenDialogShows(IDD_DLG_MSG_YESNO, [&](HWND dialog) {
        asked = uitest::windowText(GetDlgItem(dialog, IDC_MSG_YESNO_TEXT));
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    });
    SendMessageW(real.hwnd(), WM_COMMAND, IDC_EXIT, 0);
    pump();
    EXPECT_TRUE(uitest::dialogActionRan());
    EXPECT_EQ(asked, L"您要退出本系统吗？");
    EXPECT_TRUE(IsWindow(real.hwnd()));
    EXPECT_FALSE(real.quitRequested());
    EXPECT_FALSE(sawQuit_);
}

TEST_F(MainWindowTest, HelpTriesTheWorkingFolderThenTheDriveRoot) {
    struct Case {
        const char* what;
        INT_PTR first, second;
        std::size_t calls;
        bool message;
    };
    const Case cases[] = {
        {"found at once", 42, 0, 1, false},
        {"found at the root", SE_ERR_FNF, 42, 2, false},
        {"found nowhere", SE_ERR_FNF, SE_ERR_FNF, 2, true},
        {"no help folder at the root", SE_ERR_FNF, SE_ERR_PNF, 2, true},
        {"other failure", SE_ERR_ACCESSDENIED, 0, 1, false},
        {"other failure at the root", SE_ERR_FNF, SE_ERR_NOASSOC, 2, false},
    };
    for (const Case& c : cases) {
        shell_.opened.clear();
        shell_.answer = [&c](const std::u16string& file) {
            return file == workingFolderHelpFile() ? c.first : c.second;
        };
        const std::size_t before = prompter_.shown().size();
        click(IDC_HELP_BUTTON);
        ASSERT_EQ(shell_.opened.size(), c.calls) << c.what;
        EXPECT_EQ(shell_.opened[0], workingFolderHelpFile()) << c.what;
        if (c.calls == 2) {
            EXPECT_EQ(shell_.opened[1], u"\\help\\help.chm") << c.what;
        }
        EXPECT_EQ(prompter_.shown().size(), before + (c.message ? 1 : 0)) << c.what;
        if (c.message) {
            EXPECT_EQ(prompter_.shown().back().text, kHelpMissing);
        }
    }
}

TEST_F(MainWindowTest, HelpThroughTheRealShellInAFolderWithoutTheGuide) {
    // The test's working folder is empty and the prefix has no \help at its root.
    ASSERT_FALSE(std::filesystem::exists(L"\\help\\help.chm"));
    ASSERT_FALSE(std::filesystem::exists(L"help.chm"));
    CVarnelDlg real(GetModuleHandleW(nullptr), &prompter_);
    ASSERT_NE(real.Create(), nullptr);
    SendMessageW(real.hwnd(), WM_COMMAND, IDC_HELP_BUTTON, 0);
    pump();
    EXPECT_EQ(prompter_.texts(), std::vector<std::u16string>{kHelpMissing});
}

TEST_F(MainWindowTest, AlwaysOnTopSwitchFlips) {
    SendMessageW(hwnd(), WM_COMMAND, ID_TOPMOST, 0);
    EXPECT_TRUE(window_->topmost());
    EXPECT_TRUE(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    const RECT before = windowRect(hwnd());
    SendMessageW(hwnd(), WM_COMMAND, ID_TOPMOST, 0);
    EXPECT_FALSE(window_->topmost());
    EXPECT_FALSE(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    const RECT after = windowRect(hwnd());
    EXPECT_TRUE(EqualRect(&before, &after));
}

// Reads the context menu while it is open, then closes it.
struct MenuReader {
    static inline std::vector<MenuItem> items;
    static inline bool ran = false;
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR id, DWORD) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (popup == nullptr) return;
        KillTimer(nullptr, id);
        items = menuItems(reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)));
        ran = true;
        EndMenu();
    }
    static void arm() {
        items.clear();
        ran = false;
        SetTimer(nullptr, 0, 20, &onTimer);
    }
};

TEST_F(MainWindowTest, ClicksSetTheCurrentRow) {
    for (const char16_t* name : {u"c.txt", u"b.txt", u"a.txt"}) window_->model().insertRow(0, name);
    window_->modelChanged();
    pump();
    listClick(hwnd(), NM_CLICK, pointOfRow(hwnd(), 1));
    EXPECT_EQ(window_->currentRow(), 1);
    EXPECT_EQ(listText(1, 0), u"b.txt");
    listClick(hwnd(), NM_CLICK, pointOfRow(hwnd(), 2));
    EXPECT_EQ(window_->currentRow(), 2);
    // Below the last row: no current row.
    POINT below = pointOfRow(hwnd(), 2);
    below.y += 60;
    listClick(hwnd(), NM_CLICK, below);
    EXPECT_EQ(window_->currentRow(), -1);
}

TEST_F(MainWindowTest, ContextMenuOnAnEmptyListOffersOnlyAddAndRefresh) {
    MenuReader::arm();
    listClick(hwnd(), NM_RCLICK, POINT{40, 40});
    pump();
    ASSERT_TRUE(MenuReader::ran);
    EXPECT_EQ(window_->currentRow(), -1);
    const std::vector<std::pair<UINT, std::wstring>> expected = {
        {32856, L"改名单个文件(&S)"},
        {0, L""},
        {32843, L"打开所在文件夹(&F)"},
        {32849, L"打开文件(&O)"},
        {0, L""},
        {32811, L"添加文件到列表(&A)"},
        {0, L""},
        {32800, L"清空列表(&E)"},
        {32808, L"从列表中移除选定的项(&R)"},
        {32857, L"从列表中移除未选定的项(&M)"},
        {0, L""},
        {32858, L"把列表中所有项信息导出到文本文件(&X)"},
        {32860, L"从文本导入新名(&I)…"},
        {0, L""},
        {32859, L"刷新列表(&F)"},
        {0, L""},
    };
    const std::vector<MenuItem>& items = MenuReader::items;
    ASSERT_EQ(items.size(), expected.size() + 1);
    EXPECT_EQ(items.back().text, L"更名选项(&O)");
    EXPECT_FALSE(items.back().submenu.empty());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i].first == 0) {
            EXPECT_TRUE(items[i].separator) << i;
            continue;
        }
        EXPECT_EQ(items[i].id, expected[i].first);
        EXPECT_EQ(items[i].text, expected[i].second);
        const bool shouldBeOn = items[i].id == 32811 || items[i].id == 32859;
        EXPECT_EQ(items[i].enabled, shouldBeOn) << items[i].id;
    }
}

TEST_F(MainWindowTest, ContextMenuSubmenuReachesTheRecordAndWindowCommands) {
    auto submenu = [&] {
        MenuReader::arm();
        listClick(hwnd(), NM_RCLICK, POINT{40, 40});
        pump();
        EXPECT_TRUE(MenuReader::ran);
        return MenuReader::items.empty() ? std::vector<MenuItem>{}
                                         : MenuReader::items.back().submenu;
    };
    const std::vector<std::pair<UINT, std::wstring>> expected = {
        {ID_RECORDED_APPLY, L"应用(&A)"},
        {ID_RECORDED_UNDO, L"撤销(&U)"},
        {0, L""},
        {ID_SAVE_RECORD, L"保存操作记录(S)...\tCtrl+S"},
        {ID_LOAD_RECORD, L"载入保存记录(&L)...\tCtrl+O"},
        {0, L""},
        {ID_SHOW_TAG_MENU, L"Show Tag"},
        {ID_BULK_TAG_EDIT, L"批量修改Mp3的标签"},
        {0, L""},
        {ID_TOPMOST, L"前端显示(&F)"},
        {ID_PLAIN_ABOUT, L"关于(&A)"},
        {ID_QUIT_AT_ONCE, L"退出(&E)"},
    };
    std::vector<MenuItem> items = submenu();
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].separator, expected[i].first == 0) << i;
        if (items[i].separator) continue;
        EXPECT_EQ(items[i].id, expected[i].first);
        EXPECT_EQ(items[i].text, expected[i].second);
        // An empty list without history has nothing to apply, undo or save.
        const bool shouldBeOn = items[i].id != ID_RECORDED_APPLY &&
                                items[i].id != ID_RECORDED_UNDO && items[i].id != ID_SAVE_RECORD &&
                                items[i].id != ID_BULK_TAG_EDIT;
        EXPECT_EQ(items[i].enabled, shouldBeOn) << items[i].id;
    }
    EXPECT_FALSE(items[6].checked);
    EXPECT_FALSE(items[9].checked);

    window_->model().insertRow(0, u"a.txt");
    window_->modelChanged();
    SendMessageW(hwnd(), WM_COMMAND, ID_TOPMOST, 0);
    items = submenu();
    ASSERT_EQ(items.size(), expected.size());
    EXPECT_TRUE(items[0].enabled);
    EXPECT_FALSE(items[1].enabled);
    EXPECT_TRUE(items[3].enabled);
    EXPECT_TRUE(items[9].checked);
}

TEST_F(MainWindowTest, CtrlSAndCtrlOSaveAndLoadARecord) {
    window_->model().insertRow(0, u"a.txt");
    window_->modelChanged();
    EXPECT_TRUE(pressKey(item(IDC_NEW_EXT), 'S', true));
    EXPECT_TRUE(pressKey(item(IDC_NEW_EXT), 'O', true));
    EXPECT_EQ(shell_.recordAsked,
              (std::vector<RecordFileDialog>{RecordFileDialog::Save, RecordFileDialog::Open}));
    // Without Ctrl the letters are typed as usual.
    pressKey(item(IDC_NEW_EXT), 'S');
    EXPECT_EQ(shell_.recordAsked.size(), 2u);
}

TEST_F(MainWindowTest, ContextMenuWithRowsOffersEverything) {
    window_->model().insertRow(0, u"a.txt");
    window_->modelChanged();
    pump();
    MenuReader::arm();
    listClick(hwnd(), NM_RCLICK, pointOfRow(hwnd(), 0));
    pump();
    ASSERT_TRUE(MenuReader::ran);
    EXPECT_EQ(window_->currentRow(), 0);
    for (const MenuItem& m : MenuReader::items) {
        if (!m.separator) {
            EXPECT_TRUE(m.enabled) << m.id;
        }
    }
}

TEST_F(MainWindowTest, ListCommandsActOnTheModel) {
    for (const char16_t* name : {u"c.txt", u"b.txt", u"a.txt"}) window_->model().insertRow(0, name);
    window_->setFileCounter(3);
    window_->modelChanged();
    pump();
    for (int id : {IDC_MOVE_UP, IDC_MOVE_DOWN}) {
        RECT button{};
        GetClientRect(item(id), &button);
        EXPECT_GT(button.bottom, 10) << "the move buttons must be there to click";
    }
    listClick(hwnd(), NM_CLICK, pointOfRow(hwnd(), 0));
    click(IDC_MOVE_DOWN);
    EXPECT_EQ(window_->model().text(1, ColFileName), u"a.txt");
    EXPECT_EQ(window_->currentRow(), 1);
    EXPECT_EQ(listText(0, 0), u"b.txt");
    click(IDC_MOVE_UP);
    EXPECT_EQ(window_->model().text(0, ColFileName), u"a.txt");

    SendMessageW(hwnd(), WM_COMMAND, ID_LIST_CLEAR, 0);
    pump();
    EXPECT_EQ(window_->model().rowCount(), 0);
    EXPECT_EQ(ListView_GetItemCount(item(IDC_FILE_LIST)), 0);
    EXPECT_EQ(statusPane(0), u"列表中的文件数:0个");
    EXPECT_FALSE(enabled(IDC_APPLY));
}

TEST_F(MainWindowTest, ExportWritesTheListThroughTheSaveDialog) {
    // An empty list is refused before any dialog.
    SendMessageW(hwnd(), WM_COMMAND, ID_LIST_EXPORT, 0);
    ASSERT_EQ(prompter_.shown().size(), 1u);
    EXPECT_EQ(prompter_.shown()[0].text, u"列表中没有记录！");
    EXPECT_EQ(shell_.exportAsked, 0);

    FileListModel& model = window_->model();
    const int row = model.insertRow(0, u"a.txt");
    model.setText(row, ColPreview, u"b.txt");
    model.setText(row, ColSize, u"1 KB");
    model.setText(row, ColPath, u"C:\\d\\");
    model.setText(row, ColStatus, kStatusUnchanged);
    model.setText(row, ColDateModified, u"2011-3-16");
    model.setText(row, ColExtension, u"txt");
    model.insertRow(1, u"照片.jpg");
    window_->modelChanged();

    // A cancelled dialog writes nothing and says nothing.
    SendMessageW(hwnd(), WM_COMMAND, ID_LIST_EXPORT, 0);
    EXPECT_EQ(shell_.exportAsked, 1);
    EXPECT_EQ(prompter_.shown().size(), 1u);

    const std::filesystem::path file = folder_.path() / u"导出.txt";
    shell_.exportFile = file.u16string();
    SendMessageW(hwnd(), WM_COMMAND, ID_LIST_EXPORT, 0);
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    // In GBK 未修改 is CE B4 D0 DE B8 C4 and 照片 is D5 D5 C6 AC.
    EXPECT_EQ(bytes,
              "a.txt?b.txt?1 KB?C:\\d\\?\xCE\xB4\xD0\xDE\xB8\xC4?2011-3-16?txt\r\n"
              "\xD5\xD5\xC6\xAC.jpg??????\r\n");
    ASSERT_EQ(prompter_.shown().size(), 2u);
    EXPECT_EQ(prompter_.shown()[1].text,
              u"      导出成功:导出到" + file.u16string() + u".    共导出2条记录");
}

}  // namespace
}  // namespace tessary
