#include "ui/DlgEditOne.h"

#include "res/resource.h"
#include "ui/VarnelDlg.h"

namespace tessary {
namespace {

constexpr int kWidth = 360;

}  // namespace

CDlgEditOne::CDlgEditOne(Prompter& prompter, std::u16string name)
    : CColorDlg(IDD_DLG_EDIT_ONE), prompter_(prompter), name_(std::move(name)) {}

BOOL CDlgEditOne::onInitDialog() {
    CColorDlg::onInitDialog();
    SetWindowTextW(hwnd(), reinterpret_cast<const wchar_t*>(kEditOneCaption));
    MoveWindow(item(IDC_EDIT_ONE_OLD_LABEL), 20, 20, 60, 18, FALSE);
    MoveWindow(item(IDC_NEW_EXT), 84, 17, kWidth - 84 - 20, 22, FALSE);
    MoveWindow(item(IDC_EDIT_ONE_NEW_LABEL), 20, 54, 60, 18, FALSE);
    MoveWindow(item(IDC_NEW_NAME), 84, 51, kWidth - 84 - 20, 22, FALSE);
    MoveWindow(item(IDOK), kWidth / 2 - 70 - 12, 92, 70, 25, FALSE);
    MoveWindow(item(IDCANCEL), kWidth / 2 + 12, 92, 70, 25, FALSE);
    rename_.attachDialogButton(item(IDOK));
    back_.attachDialogButton(item(IDCANCEL));
    setClientSizeCentered(kWidth, 92 + 25 + 16);
    const auto* name = reinterpret_cast<const wchar_t*>(name_.c_str());
    SetDlgItemTextW(hwnd(), IDC_NEW_EXT, name);
    SetDlgItemTextW(hwnd(), IDC_NEW_NAME, name);
    onCommandNotify(IDC_NEW_NAME, [this](UINT code) {
        if (code == EN_CHANGE) checkNewName();
    });
    SetFocus(item(IDC_NEW_NAME));
    return FALSE;  // the focus is set
}

void CDlgEditOne::checkNewName() {
    const std::u16string text = itemText(IDC_NEW_NAME);
    if (findForbiddenCharacter(text, forbiddenCharactersOf(IDC_NEW_NAME)) == 0) return;
    prompter_.showMessage(kForbiddenNameMessage);
    // The whole current name comes back, not only the text before the character.
    SetWindowTextW(item(IDC_NEW_NAME),
                   reinterpret_cast<const wchar_t*>(itemText(IDC_NEW_EXT).c_str()));
}

void CDlgEditOne::onOK() {
    std::u16string text = itemText(IDC_NEW_NAME);
    if (text.empty()) {
        prompter_.showMessage(kEmptyNewName);
        return;
    }
    name_ = std::move(text);
    endDialog(IDOK);
}

}  // namespace tessary
