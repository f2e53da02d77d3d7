// The desktop's side of the main window's shell services.

#include "ui/VarnelDlgServices.h"

#include <shellapi.h>

#include <string>

#include "ui/DlgAbout.h"

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
};

}  // namespace

std::u16string workingFolderHelpFile() {
    // Named in full: the shell would otherwise also look in the program's own folder.
    wchar_t folder[MAX_PATH * 4] = {};
    const DWORD length = GetCurrentDirectoryW(MAX_PATH * 4, folder);
    if (length == 0 || length >= MAX_PATH * 4) return u"help.chm";
    std::u16string path(reinterpret_cast<const char16_t*>(folder), length);
    if (path.back() != u'\\') path += u'\\';
    return path + u"help.chm";
}

std::unique_ptr<MainWindowShell> makeDesktopShell() { return std::make_unique<DesktopShell>(); }

}  // namespace tessary
