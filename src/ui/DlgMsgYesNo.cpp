#include "DlgMsgYesNo.h"

#include "DlgMsg.h"
#include "res/resource.h"

namespace tessary {

CDlgMsgYesNo::CDlgMsgYesNo() : CColorDlg(IDD_DLG_MSG_YESNO) {}

BOOL CDlgMsgYesNo::onInitDialog() {
    CColorDlg::onInitDialog();
    SetDlgItemTextW(hwnd(), IDC_MSG_YESNO_TEXT, text_.c_str());
    const SIZE client =
        detail::layoutMessageDialog(hwnd(), IDC_MSG_YESNO_TEXT, {IDOK, IDCANCEL}, {&yes_, &no_});
    setClientSizeCentered(client.cx, client.cy);
    SetFocus(item(IDOK));
    return FALSE;  // the focus is set
}

}  // namespace tessary
