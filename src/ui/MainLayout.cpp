#include "ui/MainLayout.h"

#include <algorithm>
#include <iterator>

#include "res/resource.h"

namespace tessary {

const std::vector<PagePlacement>& pagePlacements() {
    using G = PageGroup;
    // 1019 and its spin follow the label before them at its own width (see mainLayout).
    static const std::vector<PagePlacement> placements = {
        {IDC_GRP_BASIC, G::Basic, 20, 87, 610, 100},
        {IDC_BASIC_NEW_EXT, G::Basic, 30, 107, 102, 20},
        {IDC_NEW_EXT, G::Basic, 145, 107, 230, 20},
        {IDC_BASIC_NEW_NAME, G::Basic, 30, 133, 102, 20},
        {IDC_NEW_NAME, G::Basic, 145, 133, 230, 20},
        {IDC_BASIC_DEL_EXT, G::Basic, 30, 159, 120, 20},
        {IDC_BASIC_SWAP, G::Basic, 160, 159, 205, 20},
        {IDC_BASIC_CASE, G::Basic, 470, 107, 150, 20},
        {IDC_BASIC_CASE_MODE, G::Basic, 485, 133, 135, 20},
        {IDC_BASIC_CASE_OF, G::Basic, 485, 159, 135, 20},

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
        {IDC_GRP_REP_TEXT, G::ReplaceByText, 130, 87, 385, 70},
        {IDC_LBL_REP_FIND, G::ReplaceByText, 140, 107, 80, 20},
        {IDC_REP_FIND, G::ReplaceByText, 220, 107, 160, 20},
        {IDC_LBL_REP_WITH, G::ReplaceByText, 140, 133, 50, 20},
        {IDC_REP_WITH, G::ReplaceByText, 190, 133, 190, 20},
        {IDC_REP_REGEX, G::ReplaceByText, 395, 107, 110, 20},
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

        {IDC_GRP_MP3, G::Mp3, 20, 87, 600, 100},
        {IDC_LBL_MP3_STYLE, G::Mp3, 30, 107, 70, 20},
        {IDC_MP3_STYLE, G::Mp3, 100, 107, 200, 20},
        {IDC_LBL_MP3_TEMPLATE, G::Mp3, 315, 107, 60, 20},
        {IDC_MP3_TEMPLATE, G::Mp3, 375, 107, 140, 20},
        {IDC_MP3_CLEAR, G::Mp3, 525, 107, 85, 20},
        {IDC_MP3_ARTIST, G::Mp3, 30, 133, 76, 20},
        {IDC_MP3_TITLE, G::Mp3, 112, 133, 76, 20},
        {IDC_MP3_ALBUM, G::Mp3, 194, 133, 76, 20},
        {IDC_MP3_YEAR, G::Mp3, 276, 133, 76, 20},
        {IDC_MP3_GENRE, G::Mp3, 358, 133, 76, 20},
        {IDC_MP3_SEQ, G::Mp3, 440, 133, 76, 20},
        {IDC_MP3_TRACK, G::Mp3, 522, 133, 88, 20},
        {IDC_LBL_MP3_SEQ_START, G::Mp3, 30, 159, 55, 20},
        {IDC_MP3_SEQ_START, G::Mp3, 85, 159, 40, 20},
        {IDC_MP3_SEQ_START_SPIN, G::Mp3, 125, 159, 15, 20},
        {IDC_LBL_MP3_SEQ_STEP, G::Mp3, 155, 159, 30, 20},
        {IDC_MP3_SEQ_STEP, G::Mp3, 185, 159, 40, 20},
        {IDC_MP3_SEQ_STEP_SPIN, G::Mp3, 225, 159, 15, 20},
        {IDC_LBL_MP3_SEQ_DIGITS, G::Mp3, 255, 159, 30, 20},
        {IDC_MP3_SEQ_DIGITS, G::Mp3, 285, 159, 40, 20},
        {IDC_MP3_SEQ_DIGITS_SPIN, G::Mp3, 325, 159, 15, 20},
        {IDC_MP3_SHOW_TAG, G::Mp3, 525, 159, 85, 20},
    };
    return placements;
}

namespace {

constexpr int kPaneWidths[] = {200, 135, 125};

RECT rectAt(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

}  // namespace

std::vector<int> statusPaneWidths(int barWidth) {
    std::vector<int> widths(std::begin(kPaneWidths), std::end(kPaneWidths));
    int fixed = 0;
    for (const int w : kPaneWidths) fixed += w;
    widths.push_back(std::max(0, barWidth - fixed));
    return widths;
}

std::vector<ControlPlace> mainLayout(const MainLayoutInput& input) {
    const int width = input.client.cx;
    const int height = input.client.cy;
    std::vector<ControlPlace> places;
    // The button row.
    const int xs[] = {8, 76, 144, 212, 280, 358};
    const int ids[] = {IDC_ADD_FILES, IDC_PREVIEW, IDC_APPLY, IDC_UNDO, IDC_HELP_BUTTON, IDC_EXIT};
    for (int i = 0; i < 6; ++i) places.push_back({ids[i], rectAt(xs[i], 2, 68, 48)});
    // The pages and the list stretch with the window.
    places.push_back({IDC_TAB, rectAt(8, 55, width - 16, 142)});
    places.push_back({IDC_FILE_LIST, rectAt(8, 197, width - 16, height - 217)});
    // The rule pages' controls.
    for (const PagePlacement& p : pagePlacements()) {
        places.push_back({p.id, rectAt(p.x, p.y, p.width, p.height)});
    }
    const auto placeOf = [&](int id) -> RECT& {
        return std::find_if(places.begin(), places.end(),
                            [id](const ControlPlace& c) { return c.id == id; })
            ->rect;
    };
    // 1019 and its spin follow the label "起始插入位置" at its own width.
    RECT& label = placeOf(IDC_LBL_INS_POS);
    label.right = label.left + input.insertPositionLabelWidth;
    placeOf(IDC_INS_POS) = rectAt(label.right, label.top, 30, 20);
    placeOf(IDC_INS_POS_SPIN) = rectAt(label.right + 30, label.top, 15, 18);
    // The mode-1 controls of the Advanced page follow the label "从头开始到第".
    const RECT head = placeOf(IDC_LBL_ADV_HEAD);
    placeOf(IDC_ADV_N) = rectAt(head.right, head.top, 25, 20);
    placeOf(IDC_ADV_N_SPIN) = rectAt(head.right + 25, head.top, 15, 20);
    placeOf(IDC_LBL_ADV_SEPS1) = rectAt(head.right + 40, head.top, 50, 20);
    placeOf(IDC_ADV_INVERT) = rectAt(head.right + 100, head.top, 40, 20);
    // The status bar along the bottom, and the move buttons inside panes 1 and 2: the left edge
    // 85 pixels into the pane, the right edge 35 (pane 1) or 25 (pane 2) pixels in.
    const int barTop = height - kStatusBarHeight;
    places.push_back({kStatusBarId, rectAt(0, barTop, width, kStatusBarHeight)});
    const std::vector<int> panes = statusPaneWidths(width);
    const int pane1Left = panes[0];
    const int pane2Left = panes[0] + panes[1];
    places.push_back({IDC_MOVE_DOWN,
                      RECT{pane1Left + 85, barTop, pane2Left - 35, barTop + kStatusBarHeight},
                      true});
    places.push_back(
        {IDC_MOVE_UP,
         RECT{pane2Left + 85, barTop, pane2Left + panes[2] - 25, barTop + kStatusBarHeight}, true});
    return places;
}

}  // namespace tessary
