// The main window under test: created modeless in a working folder of its own, with a scripted
// prompter and a shell that records what it is asked to open.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "ScriptedPrompter.h"
#include "UiTestSupport.h"
#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "res/resource.h"
#include "tags/Id3v1.h"
#include "tags/TagBulkEdit.h"
#include "ui/RenameProgress.h"
#include "ui/VarnelDlg.h"

namespace tessary::uitest {

class RecordingShell : public MainWindowShell {
  public:
    // The shell's answer for a file; success unless told otherwise.
    std::function<INT_PTR(const std::u16string&)> answer = [](const std::u16string&) {
        return static_cast<INT_PTR>(42);
    };
    std::vector<std::u16string> opened;
    int aboutShown = 0;
    int plainAboutShown = 0;

    INT_PTR shellOpen(HWND, std::u16string_view file, std::u16string_view parameters) override {
        std::u16string what(file);
        if (!parameters.empty()) what += u" " + std::u16string(parameters);
        opened.push_back(what);
        return answer(std::u16string(file));
    }
    void showAbout(HWND) override { ++aboutShown; }
    void showPlainAbout(HWND) override { ++plainAboutShown; }

    // What the open-file dialog answers, and the folders and threads it was opened in.
    FilePick pick;
    std::vector<std::u16string> pickedIn;
    std::vector<DWORD> pickedOnThread;
    FilePick pickFiles(HWND, const std::u16string& initialFolder) override {
        pickedIn.push_back(initialFolder);
        pickedOnThread.push_back(GetCurrentThreadId());
        return pick;
    }

    // The file the export's save dialog answers; nothing for a cancelled dialog.
    std::optional<std::u16string> exportFile;
    int exportAsked = 0;
    // The names file the import's open dialog answers.
    std::optional<std::u16string> namesFile;
    std::optional<std::u16string> chooseNamesFile(HWND) override { return namesFile; }
    std::optional<std::u16string> chooseExportFile(HWND) override {
        ++exportAsked;
        return exportFile;
    }

    // What the record dialogs answer, which ones were opened, and the files the restore dialog
    // was opened on.
    std::optional<std::u16string> recordFile;
    std::vector<RecordFileDialog> recordAsked;
    std::vector<std::u16string> restoreShown;
    std::optional<std::u16string> chooseRecordFile(HWND, RecordFileDialog kind) override {
        recordAsked.push_back(kind);
        return recordFile;
    }
    void showRestore(HWND, const std::u16string& file, FileSystem&,
                     const std::u16string&) override {
        restoreShown.push_back(file);
    }

    // The tag editors opened, by their files; `onEditTags` plays the user's part.
    std::vector<BulkList> tagEdits;
    std::function<void(TagEditor&)> onEditTags;
    void editTags(HWND, TagEditor& editor, Prompter&) override {
        tagEdits.push_back(editor.files());
        if (onEditTags) onEditTags(editor);
    }

    // The single-file rename dialog's answer, and the names it was opened on.
    std::optional<std::u16string> newName;
    std::vector<std::u16string> renameAsked;
    std::optional<std::u16string> askNewName(HWND, const std::u16string& name, Prompter&) override {
        renameAsked.push_back(name);
        return newName;
    }
};

// An MP3 file as a music folder holds one: a frame of audio, then the tag when it has one.
inline void writeMp3(const std::filesystem::path& file, const std::optional<Id3v1Fields>& tag) {
    std::string bytes = std::string("\xFF\xFB\x90\x64", 4) + std::string(400, 'U');
    if (tag) {
        const TagBlock block = encodeTagBlock(*tag, *makeSystemAnsiCodePage());
        bytes.append(block.begin(), block.end());
    }
    std::ofstream(file, std::ios::binary) << bytes;
}

// A folder of the test's own that is the working folder while it lives.
class WorkingFolder {
  public:
    WorkingFolder() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("tessary-ui-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(path_);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~WorkingFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as the file list's Path column holds it: ending with a backslash.
    std::u16string listPath() const {
        std::u16string p = path_.u16string();
        if (p.empty() || p.back() != u'\\') p += u'\\';
        return p;
    }

  private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// The list's click as the list reports it, at a point in the list's client area.
inline void listClick(HWND dialog, UINT code, POINT at) {
    HWND list = GetDlgItem(dialog, IDC_FILE_LIST);
    NMITEMACTIVATE activate{};
    activate.hdr = {list, static_cast<UINT_PTR>(IDC_FILE_LIST), code};
    activate.iItem = -1;
    activate.ptAction = at;
    SendMessageW(dialog, WM_NOTIFY, IDC_FILE_LIST, reinterpret_cast<LPARAM>(&activate));
}

// As the user's click on "停止(&S)" reaches the progress window of the batch of renames under
// way; false when none is shown.
inline bool pressRenameStop() {
    HWND progress = CDlgRenameProgress::shown();
    SendMessageW(progress, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(progress, IDOK)));
    return progress != nullptr;
}

inline POINT pointOfRow(HWND dialog, int row) {
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageW(GetDlgItem(dialog, IDC_FILE_LIST), LVM_GETITEMRECT, row,
                 reinterpret_cast<LPARAM>(&r));
    return POINT{r.left + 20, (r.top + r.bottom) / 2};
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { open(); }
    void TearDown() override {
        window_.reset();
        pumpMessages();
    }

    void open() {
        // The program does this at start, before its window exists.
        INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
        InitCommonControlsEx(&controls);
        window_ = std::make_unique<CVarnelDlg>(GetModuleHandleW(nullptr), &prompter_, &shell_,
                                               fileSystem_);
        ASSERT_NE(window_->Create(), nullptr);
        pump();
    }

    // The window's own share of the message loop first, as the program's loop does; a quit
    // request is noted instead of ending anything.
    void pump() {
        MSG msg;
        for (int round = 0; round < 4; ++round) {
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_QUIT) {
                    sawQuit_ = true;
                    continue;
                }
                if (window_ && window_->PreTranslateMessage(msg)) continue;
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            Sleep(1);
        }
    }

    // A key press at `target` as the program's loop hands it to the window, with Ctrl held or
    // not; true when the window took it.
    bool pressKey(HWND target, WORD key, bool ctrl = false) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        MSG msg{target, WM_KEYDOWN, key, 0, 0, {}};
        const bool taken = window_->PreTranslateMessage(msg);
        if (!taken) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
        pump();
        return taken;
    }

    HWND hwnd() const { return window_->hwnd(); }
    HWND item(int id) const { return GetDlgItem(hwnd(), id); }
    void click(int id) {
        SendMessageW(item(id), BM_CLICK, 0, 0);
        pump();
    }
    bool checked(int id) const { return IsDlgButtonChecked(hwnd(), id) == BST_CHECKED; }
    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    bool visible(int id) const { return IsWindowVisible(item(id)) != FALSE; }
    std::u16string text(int id) const {
        wchar_t buffer[1024] = {};
        GetWindowTextW(item(id), buffer, 1024);
        return reinterpret_cast<const char16_t*>(buffer);
    }
    void setText(int id, const std::u16string& value) {
        SetWindowTextW(item(id), reinterpret_cast<const wchar_t*>(value.c_str()));
        pump();
    }
    // Selects a page as a click on its tab does: the tab changes, then tells its parent.
    void selectPage(int page) {
        HWND tab = item(IDC_TAB);
        SendMessageW(tab, TCM_SETCURSEL, page, 0);
        NMHDR header{tab, static_cast<UINT_PTR>(IDC_TAB), static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(hwnd(), WM_NOTIFY, IDC_TAB, reinterpret_cast<LPARAM>(&header));
        pump();
    }
    int focusId() const { return GetDlgCtrlID(GetFocus()); }
    std::u16string statusPane(int pane) const {
        HWND bar = FindWindowExW(hwnd(), nullptr, STATUSCLASSNAMEW, nullptr);
        wchar_t buffer[256] = {};
        SendMessageW(bar, SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(buffer));
        return reinterpret_cast<const char16_t*>(buffer);
    }
    // A cell as the list control shows it.
    std::u16string listText(int row, int column) const {
        wchar_t buffer[512] = {};
        LVITEMW lvItem{};
        lvItem.iSubItem = column;
        lvItem.pszText = buffer;
        lvItem.cchTextMax = 512;
        SendMessageW(item(IDC_FILE_LIST), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&lvItem));
        return reinterpret_cast<const char16_t*>(buffer);
    }
    RECT clientRectOf(int id) const {
        RECT r{};
        GetWindowRect(item(id), &r);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    WorkingFolder folder_;
    ScriptedPrompter prompter_;
    RecordingShell shell_;
    // The window's file system when a test gives one before the window opens; else Windows'.
    FileSystem* fileSystem_ = nullptr;
    std::unique_ptr<CVarnelDlg> window_;
    bool sawQuit_ = false;
};

}  // namespace tessary::uitest
