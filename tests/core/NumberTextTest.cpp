#include <gtest/gtest.h>

#include "model/NumberText.h"

namespace tessary {
namespace {

TEST(NumberText, LeadingDigitsCount) {
    struct {
        const char16_t* text;
        std::int32_t value;
    } cases[] = {
        {u"", 0},
        {u"0", 0},
        {u"12", 12},
        {u"12abc", 12},
        {u"abc", 0},
        {u"  7", 7},
        {u"-3", -3},
        {u"+4", 4},
        {u"007", 7},
        {u"1 2", 1},
        {u"２", 0},
        {u"-", 0},
        {u"2147483647", 2147483647},
        {u"99999999999999999999", 2147483647},
        {u"-99999999999", -2147483647 - 1},
    };
    for (auto& c : cases) EXPECT_EQ(readNumber(c.text), c.value);
}

}  // namespace
}  // namespace tessary
