#pragma once
// CVarnelDlg, the main window, under a caption it draws itself. It puts together its parts (the
// button row, the rule pages, the file list and the status bar, each owning its controls), lays
// them out, and runs the commands they send through one table. It owns what lives longer than
// one command: the file list model, the file counter, the topmost flag and the recorded history.

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "commands/ApplyUndo.h"
#include "commands/CommandEffects.h"
#include "commands/RecordedHistory.h"
#include "disk/FileSystem.h"
#include "disk/JournalFolder.h"
#include "disk/LastOpenSettings.h"
#include "model/FileListModel.h"
#include "ui/AddFilesBatch.h"
#include "ui/ButtonRow.h"
#include "ui/ColorDlg.h"
#include "ui/DialogBase.h"
#include "ui/FileListView.h"
#include "ui/MainLayout.h"
#include "ui/MainStatusBar.h"
#include "ui/Prompter.h"
#include "ui/RenameProgress.h"
#include "ui/RulePages.h"
#include "ui/VarnelDlgServices.h"
#include "ui/WindowMessages.h"

namespace tessary {

// The window property by which a second start of the program finds the running copy.
inline constexpr wchar_t kInstanceMarker[] = L"Tessary Renamer";
// The status bar's last pane: what the last preview found.
inline constexpr int kPlanPane = 3;
inline constexpr UINT_PTR kAddFileResumeTimer = 2001;
inline constexpr int kMainMinWidth = 670;
inline constexpr int kMainMinHeight = 480;
inline constexpr wchar_t kMainTitle[] = L"Tessary批量改名器";
inline constexpr char16_t kExitQuestion[] = u"您要退出本系统吗？";
inline constexpr char16_t kHelpMissing[] = u"帮助文件不存在!";
inline constexpr char16_t kForbiddenNameMessage[] =
    u"名字中存在非法字符!Windows命名规范中,不允许有 \\  /  :  ?  *  <  >  |  \" 中任一字符";

class CVarnelDlg : public DialogBase {
  public:
    // The prompter, the shell and the file system default to the desktop's, the settings to
    // those of the working folder, read now; the program passes the settings it has read, tests
    // their own services.
    explicit CVarnelDlg(HINSTANCE instance, Prompter* prompter = nullptr,
                        MainWindowShell* shell = nullptr, FileSystem* fileSystem = nullptr,
                        StartSettings* settings = nullptr);
    ~CVarnelDlg();
    CVarnelDlg(const CVarnelDlg&) = delete;
    CVarnelDlg& operator=(const CVarnelDlg&) = delete;

    // Runs the window modally until the exit confirmation posts the quit request.
    INT_PTR DoModal();
    // Creates the window without running it (for a caller with its own message loop); the
    // window is shown.
    HWND Create();
    // The part of the message loop that belongs to the window: Alt+F4 is caught before the
    // platform turns it into a close request, then the window's own keys, then the dialog
    // keys. True when consumed.
    bool PreTranslateMessage(MSG& msg);

    FileListModel& model() { return model_; }
    const FileListModel& model() const { return model_; }
    // Tells the list that the model's rows changed.
    void modelChanged();

    int selectedPage() const { return pages_.selectedPage(); }
    const SortOrder& sortOrder() const { return list_.sortOrder(); }
    int currentRow() const { return list_.currentRow(); }
    bool topmost() const { return topmost_; }
    bool quitRequested() const { return quitRequested_; }
    int fileCounter() const { return fileCounter_; }
    void setFileCounter(int count) { fileCounter_ = count; }
    const MainFrameSkin& frameSkin() const { return frame_; }

    // The options of the rule pages as their controls hold them.
    PageOptions readPageOptions() const { return pages_.readOptions(); }

    // The window's add-files batch, which its workers and progress windows share.
    AddBatchState& addBatch() { return addBatch_; }

    // Every id the command and notification tables map, once for each time it is mapped.
    static std::vector<UINT> commandIds();

  protected:
    BOOL onInitDialog() override;
    // Enter and Esc that reach the dialog do nothing: the window is left only through the exit
    // confirmation.
    void onOK() override {}
    void onCancel() override {}
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroyed() override;

  private:
    // The window's own keys (Ctrl+S, Ctrl+O, F5, Ctrl+Enter, Ctrl+Z, Delete, Ctrl+A, Enter in
    // a rule field): true when `msg` was one of them and has been carried out.
    bool handleShortcutKey(const MSG& msg);

    // One row for each command: every id that asks for it, and its handler.
    struct CommandRow {
        std::vector<UINT> ids;
        std::function<void(CVarnelDlg&)> handler;
    };
    // One row for each command notification code a handler wants (EN_CHANGE, BN_CLICKED, ...):
    // the controls, the code, and the handler, which is given the control's id.
    struct CommandCodeRow {
        std::vector<UINT> ids;
        UINT code;
        std::function<void(CVarnelDlg&, int id)> handler;
    };
    // One row for each notification (WM_NOTIFY) the window answers: the sender, the code and
    // the handler.
    struct NotifyRow {
        int from;  // a control id, or kListHeader
        UINT code;
        std::function<LRESULT(CVarnelDlg&, NMHDR& header)> handler;
    };
    // The list's header control, which has no id of its own.
    static constexpr int kListHeader = -1;
    static const std::vector<CommandRow>& commandTable();
    static const std::vector<CommandCodeRow>& commandCodeTable();
    static const std::vector<NotifyRow>& notifyTable();
    std::optional<LRESULT> onNotify(NMHDR& header);
    void mapCommands();
    // Opening (VarnelDlg.cpp).
    void finishOpening();

    // Layout (VarnelDlgLayout.cpp).
    // Moves the controls whose place the layout changed.
    void applyLayout();
    // Places every control anew, z-order included.
    void relayout();
    void onSize(WPARAM kind);
    void onGetMinMaxInfo(MINMAXINFO& info) const;
    void centreOnScreen();
    int clientWidth() const;
    int clientHeight() const;

    // Commands (VarnelDlgCommands.cpp).
    // Where the next batch's journal is written.
    std::u16string nextJournal() const;
    void offerRecovery();
    void onTabChanged();
    void onPreview();
    void onApply();
    void onUndo();
    void onHelp();
    void confirmExit();
    void requestQuit();
    void onTopmost();
    void onSysCommand(WPARAM command, LPARAM position, bool& handled);
    void rebuildSystemMenu();
    void updateSystemMenuStates();
    void applyEffects(const CommandEffects& effects);
    // While a batch of renames runs on a worker, only what does not change the list is
    // answered: painting, the list's questions for its texts, anything sent by the system. A
    // refused drop is released.
    bool refusedWhileRenaming(UINT message, WPARAM wParam, LPARAM lParam);
    void checkNameInput(int id);
    void onRenameOne(SingleRenameOrigin origin);
    // The list commands.
    void moveCurrentRow(bool up);
    void onClearList();
    void onClearListShort();
    void onRemoveSelectedRows();
    void onRemoveUnselectedRows();
    void onOpenFolder();
    void onOpenFile();
    void onRefreshList();
    void onExportList();
    void onImportNames();
    void onListColumnClick(int column);
    void onListRightClick(const NMHDR& click);

    // Operation records (VarnelDlgRecords.cpp).
    void onSaveRecord();
    void onLoadRecord();
    void onRecordedApply();
    void onRecordedUndo();

    // MP3 tags (VarnelDlgTags.cpp).
    void onShowTagMenu();
    void showTagColumns(bool show);
    void onBulkTagEdit();
    // Takes the tag columns away and clears "Show Tag".
    void removeTagColumns();

    // Adding files (VarnelDlgAddFiles.cpp).
    void onPickFiles();
    void onDropFiles(HDROP drop);
    // The list and the file count label once a batch has ended.
    void showBatchEnded();
    LRESULT onAddFile(WPARAM index, LPARAM kind);
    void onAddFilePause(HANDLE resume);
    void onAddFileResumeTimer();

    void setPaneText(int pane, std::u16string_view text);
    void setItemText(int id, std::u16string_view text);
    bool checked(int id) const;

    HINSTANCE instance_;
    std::unique_ptr<Prompter> ownPrompter_;
    std::unique_ptr<MainWindowShell> ownShell_;
    std::unique_ptr<FileSystem> ownFileSystem_;
    std::unique_ptr<StartSettings> ownSettings_;
    Prompter* prompter_;
    MainWindowShell* shell_;
    FileSystem* fileSystem_;
    StartSettings* settings_;
    JournalFolder journals_{u""};

    // The parts, each owning its controls.
    FileListModel model_ = FileListModel::withStandardColumns();
    FileListView list_{model_};
    RulePages pages_;
    ButtonRow buttons_;
    MainStatusBar statusBar_;
    MainFrameSkin frame_;

    UniqueBrush background_;
    std::vector<ControlPlace> placed_;  // where applyLayout last put each control
    int insertLabelWidth_ = 0;          // the label "起始插入位置" in its font
    HICON icon_ = nullptr;
    bool modal_ = false;
    bool quitRequested_ = false;

    WindowBatchRunner renamer_;
    RecordedHistory history_;
    int fileCounter_ = 0;
    DWORD lastListRefresh_ = 0;
    std::uint64_t shownStep_ = 0;
    HANDLE pausedFeed_ = nullptr;
    bool topmost_ = false;
    RECT openingRect_{};

    AddBatchState addBatch_;
};

}  // namespace tessary
