#include "DlgAbout.h"

#include "res/resource.h"

namespace tessary {

CDlgAbout::CDlgAbout() : CColorDlg(IDD_DLG_ABOUT) {}

BOOL CDlgAbout::onInitDialog() {
    CColorDlg::onInitDialog();
    constexpr int kWidth = 330;
    MoveWindow(item(IDC_ABOUT_ICON), 24, 18, 32, 32, FALSE);
    const int lines[] = {IDC_ABOUT_PRODUCT, IDC_ABOUT_RIGHTS, IDC_ABOUT_CONTACT};
    for (int i = 0; i < 3; ++i) {
        MoveWindow(item(lines[i]), 72, 18 + i * 22, kWidth - 72 - 16, 18, FALSE);
    }
    MoveWindow(item(IDOK), (kWidth - 70) / 2, 96, 70, 25, FALSE);
    ok_.attachDialogButton(item(IDOK));
    setClientSizeCentered(kWidth, 96 + 25 + 16);
    SetFocus(item(IDOK));
    return FALSE;  // the focus is set
}

CAboutDlg::CAboutDlg() : DialogBase(IDD_ABOUTBOX) {}

}  // namespace tessary
