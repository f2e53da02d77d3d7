#pragma once
// The drawn controls of the main window, attached to the form's controls when it opens.

#include <windows.h>

#include <array>

#include "ui/ColorButton.h"
#include "ui/ColorStatic.h"
#include "ui/MyEdit.h"
#include "ui/MyTabCtrl.h"
#include "ui/VarnelDlg.h"

namespace tessary {

struct CVarnelDlg::Controls {
    void attach(HWND dialog);

    std::array<CColorButton, 6> buttons;
    std::array<CColorStatic, 11> groups;
    std::array<CMyEdit, 7> edits;
    CMyTabCtrl tabs;
};

}  // namespace tessary
