// The export file and ID3v1 tags are in the Chinese ANSI code page (936, GBK): natively through
// our stand-in, under Wine through the real system conversion.

#include <gtest/gtest.h>

#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"

namespace tessary {
namespace {

TEST(AnsiCodePage, IsTheChineseCodePage) { EXPECT_EQ(makeSystemAnsiCodePage()->number(), 936u); }

TEST(AnsiCodePage, EncodesAndDecodesGbk) {
    const auto cp = makeSystemAnsiCodePage();
    EXPECT_EQ(cp->encode(u"中文 a.txt"), std::string("\xD6\xD0\xCE\xC4 a.txt"));
    EXPECT_EQ(cp->decode("\xD6\xD0\xCE\xC4 a.txt"), u"中文 a.txt");
    EXPECT_EQ(cp->encode(u""), "");
    EXPECT_EQ(cp->decode(""), u"");
}

TEST(AnsiCodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
    const auto cp = makeSystemAnsiCodePage();
    EXPECT_EQ(cp->encode(u"a\u0E01b"), "a?b");  // a Thai letter
}

TEST(AnsiCodePage, InvalidBytesNeverFailTheConversion) {
    const auto cp = makeSystemAnsiCodePage();
    // A lead byte at the very end, with no trail byte.
    const std::u16string text = cp->decode("ab\xD6");
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text.substr(0, 2), u"ab");
}

}  // namespace
}  // namespace tessary
