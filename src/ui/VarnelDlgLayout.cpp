// Where everything sits: the fixed layout of the main window in client pixels, the controls of
// every page, resizing and the smallest and the maximised window.

#include <algorithm>

#include "res/resource.h"
#include "ui/GdiHandles.h"
#include "ui/VarnelDlg.h"

namespace tessary {

const std::vector<PagePlacement>& pagePlacements() {
    using G = PageGroup;
    // Positions for the page top 67; 1019, its spin and the mode-1 controls of the Advanced page
    // are placed from the width of the label before them (see placePageControls).
    static const std::vector<PagePlacement> placements = {
        {IDC_GRP_BASIC, G::Basic, 20, 87, 450, 100},
        {IDC_BASIC_NEW_EXT, G::Basic, 30, 107, 102, 20},
        {IDC_NEW_EXT, G::Basic, 145, 107, 230, 20},
        {IDC_BASIC_NEW_NAME, G::Basic, 30, 133, 102, 20},
        {IDC_NEW_NAME, G::Basic, 145, 133, 230, 20},
        {IDC_BASIC_DEL_EXT, G::Basic, 30, 159, 120, 20},
        {IDC_BASIC_SWAP, G::Basic, 160, 159, 205, 20},

        {IDC_GRP_INSERT, G::Insert, 20, 87, 285, 65},
        {IDC_LBL_INS_TEXT, G::Insert, 30, 107, 70, 20},
        {IDC_INS_TEXT, G::Insert, 100, 107, 190, 20},
        {IDC_INS_INTO_NAME, G::Insert, 30, 130, 110, 20},
        {IDC_INS_SEQ, G::Insert, 140, 130, 100, 20},
        {IDC_INS_CLEAR, G::Insert, 240, 130, 50, 20},
        {IDC_GRP_INS_POS, G::Insert, 310, 87, 170, 100},
        {IDC_INS_FROM_HEAD, G::Insert, 320, 107, 130, 20},
        {IDC_INS_FROM_TAIL, G::Insert, 320, 133, 130, 20},
        {IDC_LBL_INS_POS, G::Insert, 320, 159, 0, 20},  // its own width
        {IDC_INS_POS, G::Insert, 0, 159, 30, 20},
        {IDC_INS_POS_SPIN, G::Insert, 0, 159, 15, 18},
        {IDC_GRP_SEQ, G::Insert, 490, 87, 150, 100},
        {IDC_LBL_SEQ_START, G::Insert, 500, 107, 50, 20},
        {IDC_SEQ_START, G::Insert, 550, 107, 50, 20},
        {IDC_SEQ_START_SPIN, G::Insert, 600, 107, 15, 20},
        {IDC_LBL_SEQ_STEP, G::Insert, 500, 133, 30, 20},
        {IDC_SEQ_STEP, G::Insert, 550, 133, 50, 20},
        {IDC_SEQ_STEP_SPIN, G::Insert, 600, 133, 15, 20},
        {IDC_LBL_SEQ_DIGITS, G::Insert, 500, 159, 35, 20},
        {IDC_SEQ_DIGITS, G::Insert, 550, 159, 50, 20},
        {IDC_SEQ_DIGITS_SPIN, G::Insert, 600, 159, 15, 20},

        {IDC_GRP_OBJECT, G::OperationObject, 20, 152, 210, 35},
        {IDC_OBJ_NAME, G::OperationObject, 30, 167, 90, 15},
        {IDC_OBJ_EXT, G::OperationObject, 120, 167, 90, 15},

        {IDC_GRP_DELETE, G::Delete, 20, 87, 330, 65},
        {IDC_DEL_FROM_HEAD, G::Delete, 30, 107, 80, 20},
        {IDC_DEL_FROM_TAIL, G::Delete, 115, 107, 80, 20},
        {IDC_LBL_DEL_POS, G::Delete, 200, 107, 75, 20},
        {IDC_DEL_POS, G::Delete, 275, 107, 50, 20},
        {IDC_DEL_POS_SPIN, G::Delete, 325, 107, 15, 20},
        {IDC_LBL_DEL_COUNT, G::Delete, 30, 130, 80, 20},
        {IDC_DEL_COUNT, G::Delete, 110, 130, 50, 20},
        {IDC_DEL_COUNT_SPIN, G::Delete, 160, 130, 15, 20},

        {IDC_LBL_REP_MODE, G::ReplaceMode, 20, 92, 100, 14},
        {IDC_REP_BY_TEXT, G::ReplaceMode, 20, 112, 80, 14},
        {IDC_REP_BY_POS, G::ReplaceMode, 20, 136, 80, 14},
        {IDC_GRP_REP_TEXT, G::ReplaceByText, 130, 87, 285, 70},
        {IDC_LBL_REP_FIND, G::ReplaceByText, 140, 107, 80, 20},
        {IDC_REP_FIND, G::ReplaceByText, 220, 107, 160, 20},
        {IDC_LBL_REP_WITH, G::ReplaceByText, 140, 133, 50, 20},
        {IDC_REP_WITH, G::ReplaceByText, 190, 133, 190, 20},
        {IDC_GRP_REP_POS, G::ReplaceByPosition, 130, 87, 405, 70},
        {IDC_REP_FROM_HEAD, G::ReplaceByPosition, 140, 107, 65, 20},
        {IDC_REP_FROM_TAIL, G::ReplaceByPosition, 140, 133, 65, 20},
        {IDC_LBL_REP_POS, G::ReplaceByPosition, 225, 107, 75, 20},
        {IDC_REP_POS, G::ReplaceByPosition, 300, 107, 25, 20},
        {IDC_REP_POS_SPIN, G::ReplaceByPosition, 325, 107, 15, 20},
        {IDC_LBL_REP_COUNT, G::ReplaceByPosition, 350, 107, 90, 20},
        {IDC_REP_COUNT, G::ReplaceByPosition, 440, 107, 25, 20},
        {IDC_REP_COUNT_SPIN, G::ReplaceByPosition, 465, 107, 15, 20},
        {IDC_REP_INVERT, G::ReplaceByPosition, 490, 107, 40, 20},
        {IDC_LBL_REP_RUN, G::ReplaceByPosition, 225, 133, 50, 20},
        {IDC_REP_RUN, G::ReplaceByPosition, 265, 133, 260, 20},

        {IDC_GRP_ADV, G::Advanced, 20, 87, 150, 67},
        {IDC_LBL_ADV_SEP, G::Advanced, 30, 107, 50, 20},
        {IDC_ADV_SEP, G::Advanced, 80, 107, 80, 20},
        {IDC_LBL_ADV_REPL, G::Advanced, 30, 130, 50, 20},
        {IDC_ADV_REPL, G::Advanced, 80, 130, 80, 20},
        {IDC_ADV_MODE1, G::Advanced, 190, 107, 55, 20},
        {IDC_ADV_MODE2, G::Advanced, 190, 131, 55, 20},
        {IDC_GRP_ADV_RANGE, G::Advanced, 180, 87, 337, 70},
        {IDC_LBL_ADV_HEAD, G::Advanced, 245, 107, 75, 20},
        {IDC_ADV_N, G::Advanced, 320, 107, 25, 20},
        {IDC_ADV_N_SPIN, G::Advanced, 345, 107, 15, 20},
        {IDC_LBL_ADV_SEPS1, G::Advanced, 360, 107, 50, 20},
        {IDC_ADV_INVERT, G::Advanced, 420, 107, 40, 20},
        {IDC_LBL_ADV_FROM, G::Advanced, 245, 131, 30, 20},
        {IDC_ADV_FROM, G::Advanced, 275, 131, 25, 20},
        {IDC_ADV_FROM_SPIN, G::Advanced, 300, 131, 15, 20},
        {IDC_LBL_ADV_TO, G::Advanced, 325, 131, 25, 20},
        {IDC_ADV_TO, G::Advanced, 350, 131, 25, 20},
        {IDC_ADV_TO_SPIN, G::Advanced, 375, 131, 15, 20},
        {IDC_LBL_ADV_SEPS2, G::Advanced, 390, 131, 50, 20},
    };
    return placements;
}

namespace {

void place(HWND control, int x, int y, int width, int height) {
    SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The width a static needs for its caption in its own font.
int textWidth(HWND control) {
    wchar_t text[128] = {};
    const int length = GetWindowTextW(control, text, 128);
    ClientDC dc(control);
    SelectScope keepFont(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text, length, &size);
    return size.cx;
}

}  // namespace

int CVarnelDlg::clientWidth() const {
    RECT client;
    GetClientRect(hwnd(), &client);
    return client.right;
}

int CVarnelDlg::clientHeight() const {
    RECT client;
    GetClientRect(hwnd(), &client);
    return client.bottom;
}

void CVarnelDlg::placeMainControls() {
    const int xs[] = {8, 76, 144, 212, 280, 358};
    const int ids[] = {IDC_ADD_FILES, IDC_PREVIEW, IDC_APPLY, IDC_UNDO, IDC_HELP_BUTTON, IDC_EXIT};
    for (int i = 0; i < 6; ++i) place(item(ids[i]), xs[i], 2, 68, 48);
    const int width = clientWidth();
    const int height = clientHeight();
    place(item(IDC_TAB), 8, 55, width - 16, 142);
    place(item(IDC_FILE_LIST), 8, 197, width - 16, height - 217);
}

void CVarnelDlg::placePageControls() {
    // Every y is relative to the page top, which is 67 as the table is written.
    const int shift = pageTop_ - kPageTop;
    for (const PagePlacement& p : pagePlacements()) {
        place(item(p.id), p.x, p.y + shift, p.width, p.height);
    }
    // 1019 and its spin follow the label "起始插入位置" at its own width.
    HWND label = item(IDC_LBL_INS_POS);
    const int labelWidth = textWidth(label);
    place(label, 320, 159 + shift, labelWidth, 20);
    place(item(IDC_INS_POS), 320 + labelWidth, 159 + shift, 30, 20);
    place(item(IDC_INS_POS_SPIN), 320 + labelWidth + 30, 159 + shift, 15, 18);
    // The mode-1 controls of the Advanced page follow the label "从头开始到第".
    RECT head;
    GetWindowRect(item(IDC_LBL_ADV_HEAD), &head);
    const int headWidth = head.right - head.left;
    place(item(IDC_ADV_N), 245 + headWidth, 107 + shift, 25, 20);
    place(item(IDC_ADV_N_SPIN), 245 + headWidth + 25, 107 + shift, 15, 20);
    place(item(IDC_LBL_ADV_SEPS1), 245 + headWidth + 40, 107 + shift, 50, 20);
    place(item(IDC_ADV_INVERT), 245 + headWidth + 100, 107 + shift, 40, 20);
}

void CVarnelDlg::onSize(WPARAM kind) {
    if (kind == SIZE_MINIMIZED) return;
    if (kind == SIZE_MAXIMIZED) {
        // The 4-pixel frame lies just outside the work area.
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        RECT now;
        GetWindowRect(hwnd(), &now);
        const RECT wanted{work.left - 4, work.top - 4, work.right + 4, work.bottom + 4};
        if (!EqualRect(&now, &wanted)) {
            SetWindowPos(hwnd(), nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                         wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
            return;  // the move comes back here with the final size
        }
    }
    if (item(IDC_TAB) == nullptr) return;
    const int width = clientWidth();
    const int height = clientHeight();
    place(item(IDC_TAB), 8, 55, width - 16, 142);
    place(item(IDC_FILE_LIST), 8, 197, width - 16, height - 217);
    placeStatusBar();
    frame_.applyShape();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void CVarnelDlg::onGetMinMaxInfo(MINMAXINFO& info) const {
    info.ptMinTrackSize = POINT{kMainMinWidth, kMainMinHeight};
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    info.ptMaxPosition = POINT{work.left - 4, work.top - 4};
    info.ptMaxSize = POINT{work.right - work.left + 8, work.bottom - work.top + 8};
}

void CVarnelDlg::centreOnScreen() {
    RECT rect;
    GetWindowRect(hwnd(), &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(hwnd(), nullptr, std::max(x, 0), std::max(y, 0), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tessary
