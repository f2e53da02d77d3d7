#pragma once
// CVarnelDlg, the main window: six picture buttons, the five rule pages on a tab control, the
// file list and the status bar, under a caption it draws itself. It owns everything that lives
// longer than one command: the file list model, the selected page, the current row, the file
// counter, the topmost flag and the recorded history.

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "commands/ApplyUndo.h"
#include "commands/CommandEffects.h"
#include "commands/RecordedHistory.h"
#include "disk/FileSystem.h"
#include "disk/JournalFolder.h"
#include "model/FileListModel.h"
#include "model/SortRows.h"
#include "platform/win32/Win32Collator.h"
#include "rules/PageOptions.h"
#include "ui/AddFilesBatch.h"
#include "ui/ColorDlg.h"
#include "ui/DialogBase.h"
#include "ui/HeaderCtrlEx.h"
#include "ui/MainLayout.h"
#include "ui/MainStatusBar.h"
#include "ui/Prompter.h"
#include "ui/VarnelDlgServices.h"
#include "ui/WindowMessages.h"

namespace tessary {

inline constexpr COLORREF kMainBackground = 0xD6D6D9;
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

// The edits whose text becomes part of a name, with the characters each refuses; empty for any
// other control.
std::u16string_view forbiddenCharactersOf(int controlId);
// The first forbidden character found, looking for them in their listed order; 0 for none.
char16_t findForbiddenCharacter(std::u16string_view text, std::u16string_view forbidden);

class CVarnelDlg : public DialogBase {
  public:
    // The prompter, the shell and the file system default to the desktop's; tests pass their
    // own.
    explicit CVarnelDlg(HINSTANCE instance, Prompter* prompter = nullptr,
                        MainWindowShell* shell = nullptr, FileSystem* fileSystem = nullptr);
    ~CVarnelDlg();
    CVarnelDlg(const CVarnelDlg&) = delete;
    CVarnelDlg& operator=(const CVarnelDlg&) = delete;

    // Runs the window modally until the exit confirmation posts the quit request.
    INT_PTR DoModal();
    // Creates the window without running it (for a caller with its own message loop); the
    // window is shown.
    HWND Create();
    // The part of the message loop that belongs to the window: Alt+F4 is caught before the
    // platform turns it into a close request, then the dialog keys. True when consumed.
    bool PreTranslateMessage(MSG& msg);

    FileListModel& model() { return model_; }
    const FileListModel& model() const { return model_; }
    // Tells the list that the model's rows changed.
    void modelChanged();

    int selectedPage() const { return selectedPage_; }
    const SortOrder& sortOrder() const { return sortOrder_; }
    int currentRow() const { return currentRow_; }
    bool topmost() const { return topmost_; }
    bool quitRequested() const { return quitRequested_; }
    int fileCounter() const { return fileCounter_; }
    void setFileCounter(int count) { fileCounter_ = count; }
    const MainFrameSkin& frameSkin() const { return frame_; }

    // The options of the rule pages as their controls hold them.
    PageOptions readPageOptions() const;

    // The window's add-files batch, which its workers and progress windows share.
    AddBatchState& addBatch() { return addBatch_; }

    // Every id the command and notification tables map, once for each time it is mapped.
    static std::vector<UINT> commandIds();

  protected:
    BOOL onInitDialog() override;
    // Enter and Esc do nothing: the window is left only through the exit confirmation.
    void onOK() override {}
    void onCancel() override {}
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onDestroyed() override;

  private:
    // One row for each command: every id that asks for it, and its handler.
    struct CommandRow {
        std::vector<UINT> ids;
        void (CVarnelDlg::*handler)();
    };
    // One row for each command notification code a handler wants (EN_CHANGE, BN_CLICKED, ...):
    // the controls, the code, and the handler, which is given the control's id.
    struct CommandCodeRow {
        std::vector<UINT> ids;
        UINT code;
        void (CVarnelDlg::*handler)(int id);
    };
    // One row for each notification (WM_NOTIFY) the window answers: the sender, the code and
    // the handler.
    struct NotifyRow {
        int from;  // a control id, or kListHeader
        UINT code;
        LRESULT (CVarnelDlg::*handler)(NMHDR& header);
    };
    // The list's header control, which has no id of its own.
    static constexpr int kListHeader = -1;
    static const std::vector<CommandRow>& commandTable();
    static const std::vector<CommandCodeRow>& commandCodeTable();
    static const std::vector<NotifyRow>& notifyTable();
    std::optional<LRESULT> onNotify(NMHDR& header);
    void mapCommands();
    // Opening (VarnelDlg.cpp).
    void loadSettings();
    void setDefaults();
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

    // Pages (VarnelDlgPages.cpp).
    void setUpTabs();
    LRESULT onTabChanged(NMHDR& header);
    void showGroup(PageGroup group, bool show);
    void showBasicPage(bool show);
    void showInsertPage(bool show);
    void showDeletePage(bool show);
    void showReplacePage(bool show);
    void showAdvancedPage(bool show);
    void showOperationObject(bool show);
    void applyAdvancedMode(int mode);
    void onInsertSequenceToggled();
    void onInsertIntoNameToggled();
    void onReplaceModeChosen();
    void onClearInsertText();
    void onFocusNewName();
    void onFocusNewExtension();
    void onAdvancedMode1();
    void onAdvancedMode2();

    // Commands (VarnelDlgCommands.cpp).
    // Where the next batch's journal is written.
    std::u16string nextJournal() const;
    void offerRecovery();
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
    void checkNameInput(int id);
    void onRenameOne(SingleRenameOrigin origin);
    void onRenameOneFromMenu();
    void onPlainAbout();
    // The list commands.
    void moveCurrentRow(bool up);
    void onMoveRowUp();
    void onMoveRowDown();
    void onClearList();
    void onClearListShort();
    void onRemoveSelectedRows();
    void onRemoveUnselectedRows();
    void onOpenFolder();
    void onOpenFile();
    void onRefreshList();
    void onExportList();

    // Operation records (VarnelDlgRecords.cpp).
    void onSaveRecord();
    void onLoadRecord();
    void onRecordedApply();
    void onRecordedUndo();

    // MP3 tags (VarnelDlgTags.cpp).
    void onShowTagClicked(int id);
    void onShowTagMenu();
    void onTemplateChosen(int id);
    void onTokenButton(int id);
    void onClearStyle();
    void showTagColumns(bool show);
    void onBulkTagEdit();
    // Takes the tag columns away and clears "Show Tag".
    void removeTagColumns();
    // The list control's columns made the model's, after columns were added or removed.
    void syncListColumns();

    // Adding files (VarnelDlgAddFiles.cpp).
    void onPickFiles();
    void onDropFiles(HDROP drop);
    // The list and the file count label once a batch has ended.
    void showBatchEnded();
    LRESULT onAddFile(WPARAM index, LPARAM kind);
    void onAddFilePause(HANDLE resume);
    void onAddFileResumeTimer();

    // The file list (VarnelDlgList.cpp).
    void setUpFileList();
    static LRESULT CALLBACK fileListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void onDividerDoubleClick(int column);
    LRESULT onHeaderEndDrag(NMHDR& header);
    LRESULT onListDisplayInfo(NMHDR& header);
    LRESULT onListColumnClick(NMHDR& header);
    // The row clicked becomes the current row (none below the last row).
    void pickClickedRow(const NMHDR& header);
    LRESULT onListClick(NMHDR& header);
    LRESULT onListDoubleClick(NMHDR& header);
    LRESULT onListRightClick(NMHDR& header);
    void openContextMenu(POINT screen);
    std::vector<int> selectedRows() const;
    void updateFileCountPane();

    void setPaneText(int pane, std::u16string_view text);
    void setItemText(int id, std::u16string_view text);
    bool checked(int id) const;
    void enable(int id, bool on);

    HINSTANCE instance_;
    std::unique_ptr<Prompter> ownPrompter_;
    std::unique_ptr<MainWindowShell> ownShell_;
    std::unique_ptr<FileSystem> ownFileSystem_;
    Prompter* prompter_;
    MainWindowShell* shell_;
    FileSystem* fileSystem_;
    JournalFolder journals_{u""};

    HWND fileList_ = nullptr;
    HWND fileListHeader_ = nullptr;
    CHeaderCtrlEx header_;
    MainStatusBar statusBar_;
    UniqueBrush background_;
    std::vector<ControlPlace> placed_;  // where applyLayout last put each control
    int insertLabelWidth_ = 0;          // the label "起始插入位置" in its font
    HICON icon_ = nullptr;
    bool modal_ = false;
    bool quitRequested_ = false;

    FileListModel model_ = FileListModel::withStandardColumns();
    RecordedHistory history_;
    SortOrder sortOrder_;
    Win32Collator collator_;
    int selectedPage_ = 0;
    int currentRow_ = -1;
    int fileCounter_ = 0;
    DWORD lastListRefresh_ = 0;
    std::uint64_t shownStep_ = 0;
    HANDLE pausedFeed_ = nullptr;
    bool topmost_ = false;
    RECT openingRect_{};

    MainFrameSkin frame_;
    struct Controls;
    std::unique_ptr<Controls> controls_;
    // Declared last, so gone first: it waits for a pick worker still running, which uses the
    // window's services.
    AddBatchState addBatch_;
};

}  // namespace tessary
