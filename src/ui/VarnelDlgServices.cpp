// The desktop's side of the main window's shell services.

#include "ui/VarnelDlgServices.h"

#include <shellapi.h>

#include <optional>
#include <string>
#include <vector>

#include "ui/CommonDialogs.h"
#include "ui/DialogEditTag.h"
#include "ui/DlgAbout.h"
#include "ui/DlgEditOne.h"
#include "ui/RestoreDlg.h"

namespace tessary {
namespace {

class DesktopShell : public MainWindowShell {
  public:
    INT_PTR shellOpen(HWND owner, std::u16string_view file,
                      std::u16string_view parameters) override {
        const std::u16string f(file), p(parameters);
        const auto* params = p.empty() ? nullptr : reinterpret_cast<const wchar_t*>(p.c_str());
        return reinterpret_cast<INT_PTR>(ShellExecuteW(owner, L"open",
                                                       reinterpret_cast<const wchar_t*>(f.c_str()),
                                                       params, nullptr, SW_SHOWNORMAL));
    }
    void showAbout(HWND owner) override {
        CDlgAbout about;
        about.doModal(owner);
    }
    void showPlainAbout(HWND owner) override {
        CAboutDlg about;
        about.doModal(owner);
    }
    FilePick pickFiles(HWND owner, const std::u16string& initialFolder) override;
    std::optional<std::u16string> chooseExportFile(HWND owner) override;
    std::optional<std::u16string> chooseNamesFile(HWND owner) override;
    std::optional<std::u16string> chooseRecordFile(HWND owner, RecordFileDialog kind) override;
    void showRestore(HWND owner, const std::u16string& recordFile, FileSystem& fileSystem,
                     const std::u16string& journalPath) override {
        CRestoreDlg dialog(recordFile, fileSystem, journalPath);
        dialog.doModal(owner);
    }
    void editTags(HWND owner, TagEditor& editor, Prompter& prompter) override {
        CDialogEditTag dialog(editor, prompter);
        dialog.doModal(owner);
    }
    std::optional<std::u16string> askNewName(HWND owner, const std::u16string& name,
                                             Prompter& prompter) override {
        CDlgEditOne dialog(prompter, name);
        if (dialog.doModal(owner) != IDOK) return std::nullopt;
        return dialog.name();
    }
};

// One file chosen in the desktop's save or open dialog; nothing when it was not confirmed.
struct OneFileDialog {
    const wchar_t* title;  // nullptr: the dialog's own
    const wchar_t* filter;
    const wchar_t* defaultExtension;
    bool save;
};

std::optional<std::u16string> chooseOneFile(HWND owner, const OneFileDialog& request) {
    // Room for a long path: the file system layer uses its long form when needed.
    std::vector<wchar_t> name(32'768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrTitle = request.title;
    dialog.lpstrFilter = request.filter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size() - 1);
    dialog.lpstrDefExt = request.defaultExtension;
    // The working folder stays: LastOpen.ini and help.chm are looked for there.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    dialog.Flags |= request.save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    const BOOL chosen = request.save ? showSaveFileDialog(dialog) : showOpenFileDialog(dialog);
    if (!chosen) return std::nullopt;
    return std::u16string(reinterpret_cast<const char16_t*>(name.data()));
}

std::optional<std::u16string> DesktopShell::chooseExportFile(HWND owner) {
    return chooseOneFile(owner, {nullptr, L"文本文件 (*.txt)\0*.txt\0", L"txt", true});
}

std::optional<std::u16string> DesktopShell::chooseNamesFile(HWND owner) {
    return chooseOneFile(owner, {L"从文本导入新名",
                                 L"文本文件 (*.txt)\0*.txt\0所有文件(*.*)\0*.*\0", L"txt", false});
}

std::optional<std::u16string> DesktopShell::chooseRecordFile(HWND owner, RecordFileDialog kind) {
    const bool save = kind == RecordFileDialog::Save;
    return chooseOneFile(owner, {save ? L"保存操作记录文件" : L"打开操作记录文件",
                                 L"操作记录文件(*.opr)\0*.opr\0", L"opr", save});
}

constexpr DWORD kSelectionUnits = 605'000;
constexpr wchar_t kPickFilters[] =
    L"所有文件(*.*)\0*.*\0"
    L"Bmp文件(*.bmp)\0*.bmp\0"
    L"\t\t程序文件(*.exe;*.com;*.dll)\0*.exe;*.com;*.dll\0"
    L"Jpeg文件(*.jpg;*.jpeg)\0*.jpg;*.jpeg\0"
    L"\t\tMp3文件(*.Mp3)\0*.Mp3\0"
    L"Microsoft Word文档 (*.doc)\0*.doc\0"
    L"文本文件 (*.txt)\0*.txt\0";

FilePick DesktopShell::pickFiles(HWND owner, const std::u16string& initialFolder) {
    std::vector<wchar_t> selection(kSelectionUnits + 2, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kPickFilters;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = selection.data();
    dialog.nMaxFile = kSelectionUnits;
    dialog.lpstrInitialDir = reinterpret_cast<const wchar_t*>(initialFolder.c_str());
    // Without OFN_NOCHANGEDIR the dialog would move the working folder to the files' folder,
    // and LastOpen.ini and help.chm would be looked for there afterwards.
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    FilePick pick;
    if (!showOpenFileDialog(dialog)) {
        if (commonDialogError() == FNERR_BUFFERTOOSMALL) pick.outcome = FilePick::Outcome::TooMany;
        return pick;
    }
    static_cast<PickedFiles&>(pick) = splitPickedFiles(
        std::u16string_view(reinterpret_cast<const char16_t*>(selection.data()), selection.size()));
    pick.outcome = FilePick::Outcome::Confirmed;
    return pick;
}

}  // namespace

std::u16string workingFolder() {
    wchar_t folder[MAX_PATH * 4] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH * 4, folder);
    if (length == 0 || length >= MAX_PATH * 4) return u"";
    std::u16string path(reinterpret_cast<const char16_t*>(folder), length);
    if (path.back() != u'\\') path += u'\\';
    return path;
}

// Named in full: the shell would otherwise also look in the program's own folder.
std::u16string workingFolderHelpFile() { return workingFolder() + u"help.chm"; }

std::unique_ptr<MainWindowShell> makeDesktopShell() { return std::make_unique<DesktopShell>(); }

}  // namespace tessary
