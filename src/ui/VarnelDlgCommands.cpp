// The main window's commands: the six buttons, the tabs, the list commands, the system menu,
// the exit confirmation, help, the about box, the always-on-top switch and the checks of the
// name fields.

#include <windows.h>
// after windows.h
#include <shellapi.h>

#include "commands/ApplyUndo.h"
#include "commands/ListCommands.h"
#include "commands/Mp3Naming.h"
#include "commands/NamesFromList.h"
#include "disk/LastOpenSettings.h"
#include "disk/PreviewCheck.h"
#include "disk/RowDetails.h"
#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "res/resource.h"
#include "rules/Preview.h"
#include "ui/VarnelDlg.h"

namespace tessary {

std::u16string CVarnelDlg::nextJournal() const { return journals_.nextPath(*fileSystem_); }

void CVarnelDlg::offerRecovery() {
    if (journals_.journals(*fileSystem_).empty()) return;
    // No keeps every journal for the next start.
    if (!prompter_->ask(kRecoveryQuestion)) return;
    prompter_->showMessage(recoveryReport(recoverJournals(journals_, *fileSystem_)));
}

void CVarnelDlg::onTabChanged() {
    const int focus = pages_.showChosenPage();
    applyLayout();  // the page's controls are placed once they are shown
    // The tag columns belong to the page that showed them.
    removeTagColumns();
    if (focus != 0)
        SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(focus)), TRUE);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void CVarnelDlg::onPreview() {
    // The Mp3 page reads every row's file; a row without tags is refused as well.
    int unnamed = 0;
    const PreviewOutcome outcome =
        runPagePreview(model_, pages_.selectedPage(), pages_.readOptions(), *makeSystemTagFiles(),
                       *makeSystemAnsiCodePage(), &unnamed);
    if (outcome.kind == PreviewOutcome::StoppedWithMessage) {
        prompter_->showMessage(std::u16string(outcome.message));
    }
    if (outcome.rowsWritten) {
        const PreviewCheck check = checkPreview(model_, *fileSystem_, renamer_);
        setPaneText(
            kPlanPane,
            withStopMark(check.stopped, previewPaneText(check.renamed, check.refused + unnamed)));
    }
    if (outcome.enableApply) buttons_.enableApply(true);
    modelChanged();
}

void CVarnelDlg::onApply() {
    applyEffects(applyRenames(model_, *fileSystem_, nextJournal(), renamer_));
    modelChanged();
}

void CVarnelDlg::onUndo() {
    applyEffects(undoRenames(model_, *fileSystem_, nextJournal(), renamer_));
    modelChanged();
}

void CVarnelDlg::onRenameOne(SingleRenameOrigin origin) {
    const SingleRenameStart start = startSingleRename(model_, list_.currentRow(), origin);
    if (start.kind == SingleRenameStart::Kind::Message) {
        prompter_->showMessage(start.text);
        return;
    }
    if (start.kind != SingleRenameStart::Kind::OpenDialog) return;
    const int row = list_.currentRow();
    const std::optional<std::u16string> name = shell_->askNewName(hwnd(), start.text, *prompter_);
    if (!name) return;
    applyEffects(renameSingleFile(model_, *fileSystem_, row, *name, origin));
    modelChanged();
}

void CVarnelDlg::applyEffects(const CommandEffects& effects) {
    if (effects.enableApply) buttons_.enableApply(*effects.enableApply);
    if (effects.enableUndo) buttons_.enableUndo(*effects.enableUndo);
    if (effects.newExtensionText) setItemText(IDC_NEW_EXT, *effects.newExtensionText);
    if (effects.pane0) setPaneText(0, *effects.pane0);
    if (effects.pane1) setPaneText(1, *effects.pane1);
    if (effects.planPane) setPaneText(kPlanPane, *effects.planPane);
    if (effects.message) prompter_->showMessage(std::u16string(*effects.message));
    if (effects.messageBox) {
        const MessageBoxRequest& box = *effects.messageBox;
        unsigned flags = prompt::kOk;
        if (box.icon == MessageBoxRequest::Icon::Information) flags |= prompt::kIconInformation;
        if (box.icon == MessageBoxRequest::Icon::Error) flags |= prompt::kIconError;
        prompter_->platformMessageBox(box.text, box.caption, flags);
    }
}

void CVarnelDlg::onHelp() {
    // The guide in the working folder, then the one at the root of the current drive; any
    // failure other than a missing file is the shell's to report. A missing "\\help" folder
    // comes back as "path not found", which is just as much a missing guide.
    auto missing = [](INT_PTR result) { return result == SE_ERR_FNF || result == SE_ERR_PNF; };
    if (!missing(shell_->shellOpen(hwnd(), workingFolderHelpFile()))) return;
    if (!missing(shell_->shellOpen(hwnd(), u"\\help\\help.chm"))) return;
    prompter_->showMessage(std::u16string(kHelpMissing));
}

void CVarnelDlg::confirmExit() {
    if (prompter_->ask(kExitQuestion)) requestQuit();
}

void CVarnelDlg::requestQuit() {
    quitRequested_ = true;
    PostQuitMessage(0);
}

void CVarnelDlg::onTopmost() {
    topmost_ = !topmost_;
    SetWindowPos(hwnd(), topmost_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (HMENU menu = GetMenu(hwnd())) {
        CheckMenuItem(menu, ID_TOPMOST, MF_BYCOMMAND | (topmost_ ? MF_CHECKED : MF_UNCHECKED));
    }
}

void CVarnelDlg::checkNameInput(int id) {
    if (!pages_.holdsForbiddenCharacter(id)) return;
    prompter_->showMessage(std::u16string(kForbiddenNameMessage));
    // The whole text goes, not just the character; the change this makes passes the check.
    pages_.clearField(id);
}

void CVarnelDlg::rebuildSystemMenu() {
    HMENU menu = GetSystemMenu(hwnd(), FALSE);
    if (menu == nullptr) return;
    while (GetMenuItemCount(menu) > 0) DeleteMenu(menu, 0, MF_BYPOSITION);
    AppendMenuW(menu, MF_STRING | MF_GRAYED, IDM_FRAME_RESTORE, L"还原(&R)");
    AppendMenuW(menu, MF_STRING, SC_MOVE, L"移动(&M)");
    AppendMenuW(menu, MF_STRING, SC_SIZE, L"大小(&S)");
    AppendMenuW(menu, MF_STRING, IDM_FRAME_MINIMIZE, L"最小化(&N)");
    AppendMenuW(menu, MF_STRING, IDM_FRAME_MAXIMIZE, L"最大化(&X)");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_FRAME_CLOSE, L"关闭(&C)        Alt+F4");
    wchar_t about[128] = {};
    if (LoadStringW(GetModuleHandleW(nullptr), IDS_MAIN_ABOUTBOX, about, 128) > 0) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu, MF_STRING, IDM_MAIN_ABOUTBOX, about);
    }
}

void CVarnelDlg::updateSystemMenuStates() {
    HMENU menu = GetSystemMenu(hwnd(), FALSE);
    if (menu == nullptr) return;
    const bool zoomed = IsZoomed(hwnd()) != FALSE;
    const bool iconic = IsIconic(hwnd()) != FALSE;
    const bool normal = !zoomed && !iconic;
    auto set = [menu](UINT id, bool on) {
        EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    };
    set(SC_SIZE, normal);
    set(SC_MOVE, normal);
    set(IDM_FRAME_RESTORE, !normal);
    set(IDM_FRAME_MAXIMIZE, !zoomed);
    set(IDM_FRAME_MINIMIZE, !iconic);
}

void CVarnelDlg::onSysCommand(WPARAM command, LPARAM position, bool& handled) {
    handled = true;
    switch (command) {
        case IDM_FRAME_MINIMIZE:
            SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, position);
            return;
        case IDM_FRAME_MAXIMIZE:
            SendMessageW(hwnd(), WM_SYSCOMMAND, SC_MAXIMIZE, position);
            return;
        case IDM_FRAME_RESTORE:
            SendMessageW(hwnd(), WM_SYSCOMMAND, SC_RESTORE, position);
            return;
        case IDM_FRAME_CLOSE:
            confirmExit();
            return;
        default:
            break;
    }
    if ((command & 0xFFF0) == IDM_MAIN_ABOUTBOX) {
        shell_->showAbout(hwnd());
        return;
    }
    handled = false;
}

void CVarnelDlg::moveCurrentRow(bool up) {
    SetFocus(list_.handle());
    const int row = list_.currentRow();
    const MoveResult moved = up ? moveRowUp(model_, row) : moveRowDown(model_, row);
    if (moved.moved) list_.showMovedRow(moved.currentRow);
    applyEffects(moved.effects);
    modelChanged();
}

void CVarnelDlg::onListColumnClick(int column) {
    if (list_.sortByColumn(column)) modelChanged();
}

void CVarnelDlg::onListRightClick(const NMHDR& click) {
    list_.pickClickedRow(click);
    list_.openContextMenu(click, hwnd(),
                          {.historyEmpty = history_.empty(),
                           .topmost = topmost_,
                           .tagsShown = pages_.tagBoxChecked()});
}

void CVarnelDlg::onClearList() {
    applyEffects(clearList(model_, fileCounter_, history_));
    modelChanged();
}

void CVarnelDlg::onClearListShort() {
    applyEffects(clearListShort(model_, fileCounter_, history_));
    modelChanged();
}

void CVarnelDlg::onRemoveSelectedRows() {
    const std::vector<int> selected = list_.selectedRows();
    list_.clearSelection();
    applyEffects(removeSelectedRows(model_, fileCounter_, selected));
    modelChanged();
}

void CVarnelDlg::onRemoveUnselectedRows() {
    const std::vector<int> selected = list_.selectedRows();
    list_.clearSelection();
    applyEffects(removeUnselectedRows(model_, fileCounter_, selected));
    modelChanged();
}

void CVarnelDlg::onOpenFolder() {
    const std::u16string parameters = openFolderParameters(model_, list_.currentRow());
    if (!parameters.empty()) shell_->shellOpen(hwnd(), u"explorer.exe", parameters);
}

void CVarnelDlg::onOpenFile() {
    const std::u16string path = openFilePath(model_, list_.currentRow());
    if (path.empty()) return;
    if (shell_->shellOpen(hwnd(), path) == SE_ERR_NOASSOC) {
        shell_->shellOpen(hwnd(), u"rundll32.exe", openWithParameters(path));
    }
}

void CVarnelDlg::onRefreshList() {
    applyEffects(refreshList(model_, *fileSystem_));
    modelChanged();
}

void CVarnelDlg::onExportList() {
    if (const auto refusal = exportRefusal(model_)) {
        prompter_->showMessage(*refusal);
        return;
    }
    const std::optional<std::u16string> path = shell_->chooseExportFile(hwnd());
    if (!path) return;
    applyEffects(exportList(model_, *fileSystem_, *makeSystemAnsiCodePage(), *path));
}

void CVarnelDlg::onImportNames() {
    const std::optional<std::u16string> path = shell_->chooseNamesFile(hwnd());
    if (!path) return;
    const std::optional<std::string> bytes = fileSystem_->readFile(*path, kLargestNamesFile);
    if (!bytes) {
        prompter_->showMessage(kNamesFileUnreadable);
        return;
    }
    const NamesImport imported =
        importNames(model_, decodeNameLines(*bytes, *makeSystemAnsiCodePage()));
    const PreviewCheck check = checkPreview(model_, *fileSystem_, renamer_);
    setPaneText(kPlanPane, withStopMark(check.stopped, importPaneText(check.renamed, check.refused,
                                                                      imported.extraLines)));
    buttons_.enableApply(true);
    modelChanged();
}

}  // namespace tessary
