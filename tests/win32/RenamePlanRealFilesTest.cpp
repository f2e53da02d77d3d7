// The rename plan's batch cases on real files under Wine.

#include <gtest/gtest.h>

#include "contract/RenamePlanCases.h"
#include "win32/Win32World.h"

namespace tessary::contract {
namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RenamePlanCases, ::testing::Types<Win32World>);

}  // namespace
}  // namespace tessary::contract
