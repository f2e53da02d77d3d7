// The real Tessary.exe, started as a user starts it and driven from this process by window
// messages: the window found by its property, a second start handing over to the first, the
// settings file (first start, a long file, one that cannot be created), the exit question
// answered both ways, files picked in the real open-file dialog, renamed, put back and
// exported through the real save dialog, and an operation record saved before quitting that
// puts the names back after the next start.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "ui/res/resource.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr wchar_t kMarker[] = L"Tessary Renamer";
constexpr auto kPatience = 20s;

struct FindArgs {
    DWORD process;
    bool marked;  // the main window (with the marker) or another visible window of the process
    HWND found = nullptr;
};

BOOL CALLBACK findWindow(HWND window, LPARAM lParam) {
    auto& args = *reinterpret_cast<FindArgs*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != args.process || !IsWindowVisible(window)) return TRUE;
    if ((GetPropW(window, kMarker) != nullptr) != args.marked) return TRUE;
    args.found = window;
    return FALSE;
}

HWND windowOf(DWORD process, bool marked) {
    FindArgs args{process, marked};
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&args));
    return args.found;
}

template <typename Condition>
bool waitFor(Condition condition) {
    const auto end = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(50ms);
    }
    return false;
}

class RunningProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / (L"tessary-e2e-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        for (PROCESS_INFORMATION& p : started_) {
            if (WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(p.hProcess, 1);
                WaitForSingleObject(p.hProcess, 5000);
            }
            CloseHandle(p.hThread);
            CloseHandle(p.hProcess);
        }
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Starts the program in the test's folder and returns its process.
    PROCESS_INFORMATION& start() {
        std::wstring command = L"\"" + std::wstring(TESSARY_EXE) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        EXPECT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   folder_.c_str(), &startup, &process));
        started_.push_back(process);
        return started_.back();
    }

    HWND mainWindowOf(const PROCESS_INFORMATION& p) {
        HWND window = nullptr;
        waitFor([&] { return (window = windowOf(p.dwProcessId, true)) != nullptr; });
        return window;
    }

    static bool ended(const PROCESS_INFORMATION& p, DWORD milliseconds) {
        return WaitForSingleObject(p.hProcess, milliseconds) == WAIT_OBJECT_0;
    }

    // Answers the yes/no question the program shows: IDOK is "是(&Y)", IDCANCEL "否(&N)".
    void answerQuestion(const PROCESS_INFORMATION& p, int button) {
        HWND question = nullptr;
        ASSERT_TRUE(waitFor([&] { return (question = windowOf(p.dwProcessId, false)) != nullptr; }))
            << "no question appeared";
        HWND control = GetDlgItem(question, button);
        ASSERT_NE(control, nullptr);
        PostMessageW(control, BM_CLICK, 0, 0);
        waitFor([&] { return !IsWindow(question); });
    }

    fs::path folder_;
    std::vector<PROCESS_INFORMATION> started_;
};

TEST_F(RunningProgram, FirstStartShowsTheWindowAndWritesTheSettingsFile) {
    const PROCESS_INFORMATION& p = start();
    HWND window = mainWindowOf(p);
    ASSERT_NE(window, nullptr) << "the main window did not appear";
    std::ifstream settings(folder_ / L"LastOpen.ini", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(settings), {}};
    EXPECT_EQ(bytes, std::string("C\0:\0\\\0", 6));
}

TEST_F(RunningProgram, StartLeavesALongSettingsFileAsItIs) {
    // 300 units: more than the program reads. It opens the dialog there but never shortens the
    // file.
    std::string bytes("D\0:\0\\\0", 6);
    while (bytes.size() < 600) bytes += std::string("x\0", 2);
    std::ofstream(folder_ / L"LastOpen.ini", std::ios::binary) << bytes;

    const PROCESS_INFORMATION& p = start();
    ASSERT_NE(mainWindowOf(p), nullptr);
    EXPECT_EQ(windowOf(p.dwProcessId, false), nullptr) << "no message expected";
    std::ifstream settings(folder_ / L"LastOpen.ini", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(settings), {}), bytes);
}

TEST_F(RunningProgram, SettingsFileThatCannotBeCreatedIsSaidAndTheProgramStillStarts) {
    // A folder in the file's place cannot be opened or replaced, like a folder without write
    // access.
    fs::create_directory(folder_ / L"LastOpen.ini");
    const PROCESS_INFORMATION& p = start();
    HWND message = nullptr;
    ASSERT_TRUE(waitFor([&] { return (message = windowOf(p.dwProcessId, false)) != nullptr; }))
        << "no message appeared";
    wchar_t text[64] = {};
    GetDlgItemTextW(message, IDC_MSG_TEXT, text, 64);
    EXPECT_STREQ(text, L"创建配置文件失败");
    PostMessageW(GetDlgItem(message, IDOK), BM_CLICK, 0, 0);
    EXPECT_NE(mainWindowOf(p), nullptr) << "the window must come after the message";
}

TEST_F(RunningProgram, SecondStartRestoresTheFirstAndEnds) {
    const PROCESS_INFORMATION& first = start();
    HWND window = mainWindowOf(first);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(waitFor([&] { return IsIconic(window) != FALSE; }));

    const PROCESS_INFORMATION& second = start();
    EXPECT_TRUE(ended(second, 20'000)) << "the second start should hand over and end";
    EXPECT_EQ(windowOf(second.dwProcessId, true), nullptr);
    EXPECT_TRUE(waitFor([&] { return IsIconic(window) == FALSE; })) << "not restored";
    EXPECT_FALSE(ended(first, 0));
}

TEST_F(RunningProgram, ExitQuestionKeepsTheProgramOnNoAndEndsItOnYes) {
    const PROCESS_INFORMATION& p = start();
    HWND window = mainWindowOf(p);
    ASSERT_NE(window, nullptr);
    // The caption's close box (which sends the frame's close command) and the "退出" button.
    PostMessageW(window, WM_SYSCOMMAND, IDM_FRAME_CLOSE, 0);
    answerQuestion(p, IDCANCEL);
    EXPECT_FALSE(ended(p, 500)) << "no must keep the program running";
    PostMessageW(GetDlgItem(window, IDC_EXIT), BM_CLICK, 0, 0);
    answerQuestion(p, IDOK);
    EXPECT_TRUE(ended(p, 20'000)) << "yes must end the program";
}

// Finds a control of the open-file dialog (file name box or OK) among its children.
HWND dialogControl(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (control != nullptr) return control;
    // The Explorer-style dialog keeps its controls in a child window in some versions.
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((control = GetDlgItem(child, id)) != nullptr) return control;
    }
    return nullptr;
}

// Types into the file name box of an open or save dialog. The dialog may still be filling its
// boxes when it appears: the text is typed again until it stays.
void typeFileName(HWND dialog, const std::wstring& text) {
    constexpr int kFileNameCombo = 0x47c;  // cmb13
    constexpr int kFileNameEdit = 0x480;   // edt1
    HWND name = dialogControl(dialog, kFileNameCombo);
    if (name == nullptr) name = dialogControl(dialog, kFileNameEdit);
    ASSERT_NE(name, nullptr) << "the dialog has no file name box";
    ASSERT_TRUE(waitFor([&] {
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        std::this_thread::sleep_for(100ms);
        wchar_t typed[512] = {};
        SendMessageW(name, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(typed));
        return std::wstring(typed) == text;
    })) << "the file name box did not keep the text";
}

std::vector<std::wstring> namesIn(const fs::path& folder) {
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().wstring());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Two files a.txt and b.txt in a folder the open-file dialog starts in, as the settings file
// names it.
fs::path twoFilesInLastFolder(const fs::path& workingFolder) {
    const fs::path files = workingFolder / L"文件";
    fs::create_directories(files);
    std::ofstream(files / L"a.txt") << "a";
    std::ofstream(files / L"b.txt") << "b";
    const std::wstring folder = files.wstring();
    std::ofstream(workingFolder / L"LastOpen.ini", std::ios::binary)
        .write(reinterpret_cast<const char*>(folder.data()),
               static_cast<std::streamsize>(folder.size() * sizeof(wchar_t)));
    return files;
}

// The next window of the process other than its main window and `previous`.
HWND nextDialogOf(DWORD process, HWND previous = nullptr) {
    HWND dialog = nullptr;
    waitFor([&] {
        dialog = windowOf(process, false);
        return dialog != nullptr && dialog != previous;
    });
    return dialog != previous ? dialog : nullptr;
}

// Adds a.txt and b.txt through "添加文件" and the real open-file dialog.
void pickTwoFiles(DWORD process, HWND window) {
    PostMessageW(GetDlgItem(window, IDC_ADD_FILES), BM_CLICK, 0, 0);
    HWND dialog = nextDialogOf(process);
    ASSERT_NE(dialog, nullptr) << "no open-file dialog appeared";
    ASSERT_NO_FATAL_FAILURE(typeFileName(dialog, L"\"a.txt\" \"b.txt\""));
    PostMessageW(dialogControl(dialog, IDOK), BM_CLICK, 0, 0);
    HWND list = GetDlgItem(window, IDC_FILE_LIST);
    ASSERT_TRUE(waitFor([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 2; }))
        << "the two files were not added";
    // The progress window closes by itself; then the window takes input again.
    ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(window) != FALSE; }));
}

TEST_F(RunningProgram, FilesPickedInTheOpenFileDialogAreRenamedAndPutBack) {
    const fs::path files = twoFilesInLastFolder(folder_);
    const std::wstring folder = files.wstring();
    const PROCESS_INFORMATION& p = start();
    HWND window = mainWindowOf(p);
    ASSERT_NE(window, nullptr);
    ASSERT_NO_FATAL_FAILURE(pickTwoFiles(p.dwProcessId, window));
    // The folder of the two files is remembered in the program's own working folder.
    std::ifstream settings(folder_ / L"LastOpen.ini", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(settings), {}};
    EXPECT_EQ(bytes, std::string(reinterpret_cast<const char*>(folder.data()),
                                 folder.size() * sizeof(wchar_t)));
    EXPECT_FALSE(fs::exists(files / L"LastOpen.ini"));

    // The Basic page starts with "修改新扩展名为:" chosen: a new extension for both.
    SendMessageW(GetDlgItem(window, IDC_NEW_EXT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"md"));
    SendMessageW(GetDlgItem(window, IDC_PREVIEW), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(window, IDC_APPLY), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] {
        return namesIn(files) == std::vector<std::wstring>{L"a.md", L"b.md"};
    })) << "not renamed";
    SendMessageW(GetDlgItem(window, IDC_UNDO), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] {
        return namesIn(files) == std::vector<std::wstring>{L"a.txt", L"b.txt"};
    })) << "not put back";

    // Export: a name without an extension in the save dialog gets ".txt".
    PostMessageW(window, WM_COMMAND, ID_LIST_EXPORT, 0);
    HWND save = nullptr;
    ASSERT_TRUE(waitFor([&] { return (save = windowOf(p.dwProcessId, false)) != nullptr; }))
        << "no save dialog appeared";
    const std::wstring exportName = (folder_ / L"列表").wstring();
    ASSERT_NO_FATAL_FAILURE(typeFileName(save, exportName));
    PostMessageW(dialogControl(save, IDOK), BM_CLICK, 0, 0);
    const fs::path exported = folder_ / L"列表.txt";
    ASSERT_TRUE(waitFor([&] { return fs::exists(exported) && !IsWindow(save); }))
        << "nothing exported";
    // The program says it is done in a message of its own; it is closed as a user would.
    HWND done = nullptr;
    ASSERT_TRUE(waitFor([&] { return (done = windowOf(p.dwProcessId, false)) != nullptr; }));
    PostMessageW(GetDlgItem(done, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(done); }));

    std::ifstream in(exported, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(in), {}};
    // Two lines of seven fields in the ANSI code page, each ended by CR LF.
    const std::wstring listedFolder = files.wstring() + L"\\";
    std::string ansiFolder(listedFolder.size() * 2, '\0');
    ansiFolder.resize(static_cast<std::size_t>(WideCharToMultiByte(
        CP_ACP, 0, listedFolder.data(), static_cast<int>(listedFolder.size()), ansiFolder.data(),
        static_cast<int>(ansiFolder.size()), nullptr, nullptr)));
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = written.find("\r\n", at)) != std::string::npos;
         at = end + 2) {
        lines.push_back(written.substr(at, end - at));
    }
    ASSERT_EQ(lines.size(), 2u) << written;
    EXPECT_TRUE(written.ends_with("\r\n"));
    std::sort(lines.begin(), lines.end());
    for (int i = 0; i < 2; ++i) {
        const std::string name = i == 0 ? "a.txt" : "b.txt";
        EXPECT_TRUE(lines[i].starts_with(name + "?")) << lines[i];
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), '?'), 6) << lines[i];
        EXPECT_NE(lines[i].find("?" + ansiFolder + "?"), std::string::npos) << lines[i];
        EXPECT_TRUE(lines[i].ends_with("?txt")) << lines[i];
    }
}

TEST_F(RunningProgram, ARecordSavedBeforeQuittingPutsTheNamesBackAfterAStart) {
    const fs::path files = twoFilesInLastFolder(folder_);
    const fs::path record = folder_ / L"记录.opr";
    {
        const PROCESS_INFORMATION& p = start();
        HWND window = mainWindowOf(p);
        ASSERT_NE(window, nullptr);
        ASSERT_NO_FATAL_FAILURE(pickTwoFiles(p.dwProcessId, window));
        SendMessageW(GetDlgItem(window, IDC_NEW_EXT), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(L"md"));
        SendMessageW(GetDlgItem(window, IDC_PREVIEW), BM_CLICK, 0, 0);
        // The recorded apply renames, then asks whether to save a record: yes.
        PostMessageW(window, WM_COMMAND, ID_RECORDED_APPLY, 0);
        HWND question = nextDialogOf(p.dwProcessId);
        ASSERT_NE(question, nullptr) << "no question after the recorded apply";
        EXPECT_EQ(namesIn(files), (std::vector<std::wstring>{L"a.md", L"b.md"}));
        PostMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
        HWND save = nextDialogOf(p.dwProcessId, question);
        ASSERT_NE(save, nullptr) << "no save dialog after yes";
        ASSERT_NO_FATAL_FAILURE(typeFileName(save, (folder_ / L"记录").wstring()));
        PostMessageW(dialogControl(save, IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(waitFor([&] { return fs::exists(record) && !IsWindow(save); }))
            << "no record saved";
        PostMessageW(window, WM_COMMAND, ID_QUIT_AT_ONCE, 0);
        ASSERT_TRUE(ended(p, 20'000)) << "the program did not quit";
    }

    const PROCESS_INFORMATION& p = start();
    HWND window = mainWindowOf(p);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_COMMAND, ID_LOAD_RECORD, 0);
    HWND open = nextDialogOf(p.dwProcessId);
    ASSERT_NE(open, nullptr) << "no open dialog for the record";
    ASSERT_NO_FATAL_FAILURE(typeFileName(open, record.wstring()));
    PostMessageW(dialogControl(open, IDOK), BM_CLICK, 0, 0);
    HWND restore = nextDialogOf(p.dwProcessId, open);
    ASSERT_NE(restore, nullptr) << "no restore dialog";
    HWND rows = GetDlgItem(restore, IDC_FILE_LIST);
    ASSERT_TRUE(waitFor([&] { return SendMessageW(rows, LVM_GETITEMCOUNT, 0, 0) == 2; }));
    PostMessageW(GetDlgItem(restore, IDC_RESTORE_BUTTON), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] {
        return namesIn(files) == std::vector<std::wstring>{L"a.txt", L"b.txt"};
    })) << "not put back";
    PostMessageW(GetDlgItem(restore, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(restore); }));
}

}  // namespace
