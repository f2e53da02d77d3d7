#pragma once
// Where every control of the main window sits: one function from the size of the client area
// (and the one label measured in its font) to the rectangle of each control, used when the
// window opens and on every change of its size.

#include <windows.h>

#include <vector>

namespace tessary {

// Which page a control belongs to, for showing and hiding.
enum class PageGroup {
    Basic,
    Insert,
    Delete,
    ReplaceMode,  // the mode label and the two mode radios
    ReplaceByText,
    ReplaceByPosition,
    Advanced,
    Mp3,
    OperationObject,
};

// One control of a page at its client position.
struct PagePlacement {
    int id;
    PageGroup group;
    int x, y, width, height;
};
const std::vector<PagePlacement>& pagePlacements();

inline constexpr int kStatusBarId = 0xE801;
inline constexpr int kStatusBarHeight = 20;

// The status bar's panes for a bar of this width: three fixed ones, and the last to the right
// edge for what a preview found.
std::vector<int> statusPaneWidths(int barWidth);

struct MainLayoutInput {
    SIZE client{};
    // The width of the label "起始插入位置" in its font, which 1019 and its spin follow.
    int insertPositionLabelWidth = 0;
};

struct ControlPlace {
    int id;
    RECT rect;
    // Kept above its siblings: the move buttons lie on the status bar.
    bool aboveSiblings = false;
};

std::vector<ControlPlace> mainLayout(const MainLayoutInput& input);

}  // namespace tessary
