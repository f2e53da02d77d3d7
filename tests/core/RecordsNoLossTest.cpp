// Many randomised rounds of apply and undo on the in-memory file system: nothing is ever lost.

#include <gtest/gtest.h>

#include "contract/MemoryWorld.h"
#include "contract/NoLossRounds.h"

namespace tessary::contract {
namespace {

TEST(NoLoss, InMemoryRoundsLoseNothing) {
    MemoryWorld world;
    const NoLossFigures figures = NoLossRounds(world, 20240315u).run(1000);
    printNoLossFigures("memory", figures);
    EXPECT_EQ(figures.rounds, 1000);
    EXPECT_GT(figures.renamesTried, 5000);
    EXPECT_EQ(figures.filesLost, 0);
}

}  // namespace
}  // namespace tessary::contract
