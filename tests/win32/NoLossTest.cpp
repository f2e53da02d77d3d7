// Randomised rounds of apply and undo on real files under Wine: every file's content stays on
// disk exactly once, and every row names its file.

#include <gtest/gtest.h>

#include "contract/NoLossRounds.h"
#include "win32/Win32World.h"

namespace tessary::contract {
namespace {

TEST(NoLoss, RealFileRoundsLoseNothing) {
    Win32World world;
    const NoLossFigures figures = NoLossRounds(world, 20240315u).run(120);
    printNoLossFigures("real files", figures);
    EXPECT_EQ(figures.rounds, 120);
    EXPECT_EQ(figures.filesLost, 0);
}

}  // namespace
}  // namespace tessary::contract
