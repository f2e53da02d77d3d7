#pragma once
// What the main window asks of the desktop besides its dialogs (which go through a Prompter):
// the shell and the about boxes. The program uses the desktop's; window tests record the calls
// a person would see the effects of.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/AddFiles.h"

namespace tessary {

class FileSystem;
class Prompter;
class TagEditor;

enum class RecordFileDialog { Save, Open };

// What the open-file dialog of a pick batch gave: how it ended and, when confirmed, the files.
struct FilePick : PickedFiles {
    enum class Outcome { Confirmed, Cancelled, TooMany };
    Outcome outcome = Outcome::Cancelled;
};

class MainWindowShell {
  public:
    virtual ~MainWindowShell() = default;
    // The shell's "open" on a file, shown normally; returns the shell's result (above 32 for
    // success, SE_ERR_FNF when the file is not there).
    virtual INT_PTR shellOpen(HWND owner, std::u16string_view file,
                              std::u16string_view parameters = {}) = 0;
    // The skinned about box (system menu) and the plain one (resource 100), modal.
    virtual void showAbout(HWND owner) = 0;
    virtual void showPlainAbout(HWND owner) = 0;
    // The open-file dialog of a pick batch, modal on the calling thread, opening in
    // `initialFolder`.
    virtual FilePick pickFiles(HWND owner, const std::u16string& initialFolder) = 0;
    // The save dialog of the export: a text file, "txt" added to a name without extension, a
    // question before an existing file is replaced. Nothing when it was not confirmed.
    virtual std::optional<std::u16string> chooseExportFile(HWND owner) = 0;
    // The open dialog of a names file, one new name a line. Nothing when it was not confirmed.
    virtual std::optional<std::u16string> chooseNamesFile(HWND owner) = 0;
    // The save ("保存操作记录文件") or open ("打开操作记录文件") dialog of an operation record
    // file, with "opr" added to a name without extension. Nothing when it was not confirmed.
    virtual std::optional<std::u16string> chooseRecordFile(HWND owner, RecordFileDialog kind) = 0;
    // The restore dialog on a record file, modal; it renames through `fileSystem`, journaling
    // its batch at `journalPath`.
    virtual void showRestore(HWND owner, const std::u16string& recordFile, FileSystem& fileSystem,
                             const std::u16string& journalPath) = 0;
    // The tag editor of a bulk edit, modal; its messages go through the prompter.
    virtual void editTags(HWND owner, TagEditor& editor, Prompter& prompter) = 0;
    // The single-file rename dialog opened on `name`: the new name after "改名", nothing after
    // "返回". Its messages go through the prompter.
    virtual std::optional<std::u16string> askNewName(HWND owner, const std::u16string& name,
                                                     Prompter& prompter) = 0;
};

std::unique_ptr<MainWindowShell> makeDesktopShell();

// The current working folder, ending with a backslash; empty when it cannot be had.
std::u16string workingFolder();

// "help.chm" in the current working folder, as a full path.
std::u16string workingFolderHelpFile();

}  // namespace tessary
