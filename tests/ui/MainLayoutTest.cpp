// The main window's layout as a function of its client size: every control once, inside the
// window, and a size change moving only what stretches with it.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "res/resource.h"
#include "ui/MainLayout.h"

namespace tessary {
namespace {

using Places = std::map<int, RECT>;

Places placesAt(int width, int height, int labelWidth = 72) {
    Places places;
    for (const ControlPlace& c : mainLayout({SIZE{width, height}, labelWidth})) {
        EXPECT_TRUE(places.emplace(c.id, c.rect).second) << "placed twice: " << c.id;
    }
    return places;
}

// The client area of the smallest window (670 x 480 with the skinned frame) and of a large one.
constexpr SIZE kSmallest{660, 434};
constexpr SIZE kLarge{1592, 1040};

TEST(MainLayout, EveryControlLiesInsideEvenTheSmallestWindow) {
    for (const SIZE size : {kSmallest, kLarge}) {
        for (const auto& [id, r] : placesAt(size.cx, size.cy)) {
            EXPECT_LT(r.left, r.right) << id;
            EXPECT_LT(r.top, r.bottom) << id;
            EXPECT_GE(r.left, 0) << id;
            EXPECT_GE(r.top, 0) << id;
            EXPECT_LE(r.right, size.cx) << id;
            EXPECT_LE(r.bottom, size.cy) << id;
        }
    }
    // The pages' controls lie on the tabs, below their headers.
    const Places places = placesAt(kSmallest.cx, kSmallest.cy);
    const RECT tab = places.at(IDC_TAB);
    for (const PagePlacement& p : pagePlacements()) {
        const RECT r = places.at(p.id);
        EXPECT_GT(r.top, tab.top + 20) << p.id;
        EXPECT_LE(r.bottom, tab.bottom) << p.id;
    }
}

TEST(MainLayout, ASizeChangeMovesOnlyTheTabsTheListAndTheStatusBar) {
    const Places small = placesAt(kSmallest.cx, kSmallest.cy);
    const Places large = placesAt(kLarge.cx, kLarge.cy);
    std::set<int> moved;
    for (const auto& [id, r] : small) {
        if (!EqualRect(&r, &large.at(id))) moved.insert(id);
    }
    EXPECT_EQ(moved,
              (std::set<int>{IDC_TAB, IDC_FILE_LIST, kStatusBarId, IDC_MOVE_UP, IDC_MOVE_DOWN}));
    for (const Places* places : {&small, &large}) {
        const int width = places == &small ? kSmallest.cx : kLarge.cx;
        const int height = places == &small ? kSmallest.cy : kLarge.cy;
        const RECT tab = places->at(IDC_TAB);
        const RECT list = places->at(IDC_FILE_LIST);
        const RECT bar = places->at(kStatusBarId);
        // The tabs and the list share their margins and meet; the list ends at the bar, which
        // takes the whole width of the bottom.
        EXPECT_EQ(tab.left, list.left);
        EXPECT_EQ(tab.right, list.right);
        EXPECT_EQ(width - tab.right, tab.left);
        EXPECT_EQ(tab.bottom, list.top);
        EXPECT_EQ(list.bottom, bar.top);
        EXPECT_EQ(bar.bottom, height);
        EXPECT_EQ(bar.right - bar.left, width);
        // The move buttons lie on the bar, inside panes 1 and 2.
        const std::vector<int> panes = statusPaneWidths(width);
        const RECT down = places->at(IDC_MOVE_DOWN);
        const RECT up = places->at(IDC_MOVE_UP);
        EXPECT_EQ(down.top, bar.top);
        EXPECT_EQ(up.bottom, bar.bottom);
        EXPECT_GT(down.left, panes[0]);
        EXPECT_LT(down.right, panes[0] + panes[1]);
        EXPECT_GT(up.left, panes[0] + panes[1]);
        EXPECT_LT(up.right, panes[0] + panes[1] + panes[2]);
    }
    // The last pane takes what the three fixed ones leave, and never less than nothing.
    EXPECT_EQ(statusPaneWidths(kLarge.cx).back(), kLarge.cx - 460);
    EXPECT_EQ(statusPaneWidths(100).back(), 0);
}

TEST(MainLayout, FieldsFollowTheLabelsBeforeThem) {
    for (const int labelWidth : {60, 95}) {
        const Places places = placesAt(kSmallest.cx, kSmallest.cy, labelWidth);
        const RECT label = places.at(IDC_LBL_INS_POS);
        EXPECT_EQ(label.right - label.left, labelWidth);
        EXPECT_EQ(places.at(IDC_INS_POS).left, label.right);
        EXPECT_EQ(places.at(IDC_INS_POS_SPIN).left, places.at(IDC_INS_POS).right);
        EXPECT_EQ(places.at(IDC_INS_POS).top, label.top);
    }
    const Places places = placesAt(kSmallest.cx, kSmallest.cy);
    const RECT head = places.at(IDC_LBL_ADV_HEAD);
    EXPECT_EQ(places.at(IDC_ADV_N).left, head.right);
    EXPECT_EQ(places.at(IDC_ADV_N_SPIN).left, places.at(IDC_ADV_N).right);
    EXPECT_GT(places.at(IDC_LBL_ADV_SEPS1).left, places.at(IDC_ADV_N_SPIN).left);
    EXPECT_GT(places.at(IDC_ADV_INVERT).left, places.at(IDC_LBL_ADV_SEPS1).left);
}

}  // namespace
}  // namespace tessary
