// Composing the naming template: ready-made entries, token buttons and "Clear Style".

#include <gtest/gtest.h>

#include "tags/TagTemplates.h"

namespace tessary {
namespace {

TEST(TagTemplates, ReadyMadeEntriesInListOrder) {
    const auto& t = readyMadeTemplates();
    const std::pair<const char16_t*, const char16_t*> expected[] = {
        {u"艺术家-标题", u"/A-/T"},
        {u"标题-艺术家", u"/T-/A"},
        {u"艺术家-标题-专辑", u"/A-/T-/B"},
        {u"序号-标题", u"/D-/T"},
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        EXPECT_EQ(t[i].shown, expected[i].first);
        EXPECT_EQ(t[i].style, expected[i].second);
    }
}

TEST(TagTemplates, ChoosingReplacesTheWholeTemplate) {
    EXPECT_EQ(chooseTemplate(u"typed by hand", 3), u"/D-/T");
    EXPECT_EQ(chooseTemplate(u"", 2), u"/A-/T-/B");
    EXPECT_EQ(chooseTemplate(u"typed", -1), u"typed");  // no entry selected
    EXPECT_EQ(chooseTemplate(u"typed", 4), u"typed");
}

TEST(TagTemplates, TokensAppendWithoutSeparator) {
    std::u16string style = appendToken(u"", TagToken::Artist);
    style += u"-";  // typed into the field
    style = appendToken(style, TagToken::Title);
    EXPECT_EQ(style, u"/A-/T");
    EXPECT_EQ(appendToken(appendToken(u"", TagToken::Track), TagToken::Track), u"/R/R");
    std::u16string all;
    for (TagToken t : {TagToken::Artist, TagToken::Title, TagToken::Album, TagToken::Year,
                       TagToken::Genre, TagToken::Sequence, TagToken::Track}) {
        all = appendToken(all, t);
    }
    EXPECT_EQ(all, u"/A/T/B/Y/G/D/R");
    EXPECT_EQ(clearStyle(), u"");
}

}  // namespace
}  // namespace tessary
