// The main window's keys, for people who keep their hands on the keyboard: Ctrl+S and Ctrl+O
// save and load an operation record, where a Windows user looks for them; F5 previews,
// Ctrl+Enter applies, Enter in a rule field previews; in the list, Ctrl+Z undoes, Delete
// removes the selected rows and Ctrl+A selects them all. Elsewhere the keys keep their usual
// meaning (Ctrl+Z and Ctrl+A in an edit are the edit's own).

#include "res/resource.h"
#include "ui/VarnelDlg.h"

namespace tessary {

namespace {

bool isDown(int key) { return GetKeyState(key) < 0; }

bool isEdit(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"Edit") == 0;
}

}  // namespace

bool CVarnelDlg::handleShortcutKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    const bool ctrl = isDown(VK_CONTROL), shift = isDown(VK_SHIFT), alt = isDown(VK_MENU);
    if (shift || alt) return false;
    const bool inList = msg.hwnd == list_.handle();
    // A key stands for a main button only while that button could be pressed.
    const auto press = [&](int button) {
        if (!IsWindowEnabled(item(button))) return false;
        SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(item(button)));
        return true;
    };
    switch (msg.wParam) {
        case 'S':
        case 'O':
            if (!ctrl) return false;
            SendMessageW(hwnd(), WM_COMMAND, msg.wParam == 'S' ? ID_SAVE_RECORD : ID_LOAD_RECORD,
                         0);
            return true;
        case VK_F5:
            return !ctrl && press(IDC_PREVIEW);
        case VK_RETURN:
            if (ctrl) return press(IDC_APPLY);
            return isEdit(msg.hwnd) && press(IDC_PREVIEW);
        case 'Z':
            return ctrl && inList && press(IDC_UNDO);
        case 'A':
            if (!ctrl || !inList) return false;
            list_.selectAll();
            return true;
        case VK_DELETE:
            if (ctrl || !inList || !list_.hasSelectedRows()) return false;
            SendMessageW(hwnd(), WM_COMMAND, ID_LIST_REMOVE_SELECTED, 0);
            return true;
        default:
            return false;
    }
}

}  // namespace tessary
