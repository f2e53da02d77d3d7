// Every page's rule, case by case, through the preview the Preview button runs.

#include <gtest/gtest.h>

#include "PreviewTestSupport.h"
#include "rules/AdvancedRule.h"
#include "rules/RegexReplaceRule.h"
#include "rules/SequenceCounter.h"

namespace tessary {
namespace {

using testing::previewOne;
using testing::previews;
using Names = std::vector<std::u16string>;

// --- Basic page ------------------------------------------------------------------------------

PageOptions basic(bool newName, bool newExt, bool delExt, bool swap, std::u16string text = {}) {
    PageOptions o;
    o.basic.newNameChecked = newName;
    o.basic.newExtensionChecked = newExt;
    o.basic.deleteExtensionChecked = delExt;
    o.basic.swapChecked = swap;
    o.basic.newName = text;
    o.basic.newExtension = text;
    return o;
}

TEST(BasicPage, NewNameCountsFromTheSecondRow) {
    EXPECT_EQ(previews(PageBasic, basic(true, false, false, false, u"Photo"),
                       {u"a.jpg", u"b.jpg", u"c.png", u"README"}),
              (Names{u"Photo.jpg", u"Photo(1).jpg", u"Photo(2).png", u"Photo(3)"}));
    EXPECT_EQ(previews(PageBasic, basic(true, false, false, false), {u"a.jpg", u"b.jpg"}),
              (Names{u".jpg", u"(1).jpg"}));
}

TEST(BasicPage, NewExtensionIsUsedAsTyped) {
    const auto ext = [](std::u16string e, std::u16string name) {
        return previewOne(PageBasic, basic(false, true, false, false, e), name);
    };
    EXPECT_EQ(ext(u"txt", u"a.doc"), u"a.txt");
    EXPECT_EQ(ext(u"txt", u"README"), u"README.txt");
    EXPECT_EQ(ext(u"txt", u".profile"), u".txt");
    EXPECT_EQ(ext(u".txt", u"a.doc"), u"a..txt");
    EXPECT_EQ(ext(u"", u"a.doc"), u"a");
    EXPECT_EQ(ext(u"文本", u"笔记.doc"), u"笔记.文本");
}

TEST(BasicPage, DeleteExtensionAndSwap) {
    EXPECT_EQ(previews(PageBasic, basic(false, false, true, false), {u"a.tar.gz", u"README"}),
              (Names{u"a.tar", u"README"}));
    EXPECT_EQ(previews(PageBasic, basic(false, false, false, true),
                       {u"song.mp3", u"README", u".profile"}),
              (Names{u"mp3.song", u".README", u"profile"}));
}

TEST(BasicPage, RadiosAreTestedNewNameFirst) {
    // Two checked radios cannot happen in the window, but the order decides.
    EXPECT_EQ(previewOne(PageBasic, basic(true, true, true, true, u"N"), u"a.b"), u"N.b");
    EXPECT_EQ(previewOne(PageBasic, basic(false, true, true, true, u"N"), u"a.b"), u"a.N");
    EXPECT_EQ(previewOne(PageBasic, basic(false, false, false, false, u"N"), u"a.b"), u"a.b");
}

TEST(BasicPage, IgnoresTheOperationObject) {
    PageOptions o = basic(false, true, false, false, u"txt");
    o.editExtension = true;
    EXPECT_EQ(previewOne(PageBasic, o, u"a.doc"), u"a.txt");
}

TEST(BasicPage, CaseChangesOnTheNameTheExtensionOrBoth) {
    const auto cased = [](LetterCase c, CaseObject of, std::u16string name) {
        PageOptions o = basic(false, false, false, false);
        o.basic.caseChecked = true;
        o.basic.letterCase = c;
        o.basic.caseObject = of;
        return previewOne(PageBasic, o, name);
    };
    using L = LetterCase;
    using O = CaseObject;
    EXPECT_EQ(cased(L::Upper, O::Name, u"My Song.mp3"), u"MY SONG.mp3");
    EXPECT_EQ(cased(L::Lower, O::Extension, u"IMG_0001.JPG"), u"IMG_0001.jpg");
    EXPECT_EQ(cased(L::Lower, O::Both, u"README.TXT"), u"readme.txt");
    EXPECT_EQ(cased(L::Title, O::Name, u"the BEST of-mp3 don't_stop 2nd.x"),
              u"The Best Of-Mp3 Don't_Stop 2nd.x");
    // Chinese characters stay; full-width letters change like half-width ones.
    EXPECT_EQ(cased(L::Upper, O::Both, u"月亮ｍｏｏｎ abc.ｍｐ３"), u"月亮ＭＯＯＮ ABC.ＭＰ３");
    EXPECT_EQ(cased(L::Title, O::Name, u"月亮moon"), u"月亮Moon");
    EXPECT_EQ(cased(L::Lower, O::Name, u"ÀÉ.TXT"), u"ÀÉ.TXT");  // only Latin letters A to Z
}

// --- Insert page -----------------------------------------------------------------------------

PageOptions insert(std::u16string text, bool fromHead, std::u16string pos) {
    PageOptions o;
    o.insert.text = std::move(text);
    o.insert.fromHead = fromHead;
    o.insert.position = std::move(pos);
    return o;
}

TEST(InsertPage, PositionsFromTheHead) {
    struct {
        const char16_t* pos;
        const char16_t* result;
    } cases[] = {
        {u"1", u"Xabc.txt"}, {u"2", u"aXbc.txt"},    {u"3", u"abXc.txt"},
        {u"4", u"abcX.txt"}, {u"100", u"abcX.txt"},  {u"0", u"Xabc.txt"},
        {u"", u"Xabc.txt"},  {u"2abc", u"aXbc.txt"}, {u"99999999999", u"abcX.txt"},
    };
    for (auto& c : cases) {
        EXPECT_EQ(previewOne(PageInsert, insert(u"X", true, c.pos), u"abc.txt"), c.result)
            << "position " << std::string(c.pos, c.pos + std::char_traits<char16_t>::length(c.pos));
    }
}

TEST(InsertPage, PositionsFromTheTail) {
    struct {
        const char16_t* pos;
        const char16_t* result;
    } cases[] = {
        {u"1", u"abcX.txt"},   {u"2", u"abXc.txt"}, {u"4", u"Xabc.txt"},
        {u"100", u"Xabc.txt"}, {u"0", u"abcX.txt"},
    };
    for (auto& c : cases) {
        EXPECT_EQ(previewOne(PageInsert, insert(u"X", false, c.pos), u"abc.txt"), c.result);
    }
}

TEST(InsertPage, EmptyMainNameAndExtensionObject) {
    EXPECT_EQ(previewOne(PageInsert, insert(u"X", true, u"1"), u".profile"), u"X.profile");
    EXPECT_EQ(previewOne(PageInsert, insert(u"X", false, u"3"), u".profile"), u"X.profile");
    PageOptions o = insert(u"X", true, u"1");
    o.editExtension = true;
    EXPECT_EQ(previewOne(PageInsert, o, u"a.txt"), u"a.Xtxt");
    EXPECT_EQ(previewOne(PageInsert, o, u"README"), u"README.X");
}

TEST(InsertPage, SequenceNumbers) {
    PageOptions o = insert(u"/N", true, u"1");
    o.insert.sequence = true;
    o.insert.insertIntoName = false;
    o.insert.start = u"1";
    o.insert.digits = u"3";
    EXPECT_EQ(previews(PageInsert, o, {u"a.jpg", u"b.jpg", u"c.png"}),
              (Names{u"001.jpg", u"002.jpg", u"003.png"}));

    o.insert.start = u"5";
    o.insert.step = u"10";
    o.insert.digits = u"1";
    EXPECT_EQ(previews(PageInsert, o, {u"a", u"b", u"c"}), (Names{u"5", u"15", u"25"}));

    o.insert.step = u"0";
    EXPECT_EQ(previews(PageInsert, o, {u"a", u"b"}), (Names{u"5", u"5"}));
}

TEST(InsertPage, PreviewTwiceStartsNumberingAgain) {
    PageOptions o = insert(u"-/N", false, u"1");
    o.insert.sequence = true;
    FileListModel model = testing::listOf({u"a.jpg", u"b.jpg"});
    runPreview(model, PageInsert, o);
    runPreview(model, PageInsert, o);
    EXPECT_EQ(testing::column(model, ColPreview), (Names{u"a-0.jpg", u"b-1.jpg"}));
}

TEST(InsertPage, SlashesOutsideAReplacedPlaceholderAreRemoved) {
    PageOptions o = insert(u"a/Nb", true, u"1");
    EXPECT_EQ(previewOne(PageInsert, o, u"x"), u"aNbx");
    o.insert.text = u"a/b/N";
    o.insert.sequence = true;
    o.insert.start = u"7";
    EXPECT_EQ(previewOne(PageInsert, o, u"x"), u"ab7x");
    o.insert.text = u"<a>:b|c?d*e\"\\";
    EXPECT_EQ(previewOne(PageInsert, o, u"x"), u"abcdex");
    // Every placeholder takes the number; "//NN" is a slash, the placeholder, then an N.
    o.insert.text = u"/N<//NN/N/";
    EXPECT_EQ(previewOne(PageInsert, o, u"x"), u"77N7x");
    o.insert.text = u"/n";  // the placeholder is case-sensitive
    EXPECT_EQ(previewOne(PageInsert, o, u"x"), u"nx");
}

TEST(SequenceNumber, PadsWithAtMostNineZeros) {
    EXPECT_EQ(formatSequenceNumber(7, 12), u"0000000007");
    EXPECT_EQ(formatSequenceNumber(7, 3), u"007");
    EXPECT_EQ(formatSequenceNumber(1234, 2), u"1234");
    EXPECT_EQ(formatSequenceNumber(0, 0), u"0");
    EXPECT_EQ(formatSequenceNumber(3000000000LL, 1), u"3000000000");
}

// --- Delete page -----------------------------------------------------------------------------

PageOptions del(bool fromHead, std::u16string count, std::u16string pos) {
    PageOptions o;
    o.del.fromHead = fromHead;
    o.del.fromTail = !fromHead;
    o.del.count = std::move(count);
    o.del.position = std::move(pos);
    return o;
}

TEST(DeletePage, RunsFromTheHeadAndTheTail) {
    struct {
        bool head;
        const char16_t* count;
        const char16_t* pos;
        const char16_t* name;
        const char16_t* result;
    } cases[] = {
        {true, u"2", u"1", u"abcdef.txt", u"cdef.txt"},
        {true, u"2", u"3", u"abcdef.txt", u"abef.txt"},
        {true, u"2", u"6", u"abcdef.txt", u"abcde.txt"},
        {true, u"2", u"10", u"abcdef.txt", u"abcdef.txt"},
        {false, u"2", u"1", u"abcdef.txt", u"abcd.txt"},
        {false, u"2", u"2", u"abcdef.txt", u"abcf.txt"},
        {false, u"2", u"6", u"abcdef.txt", u"bcdef.txt"},
        {true, u"6", u"3", u"abcdef.txt", u".txt"},
        {false, u"99999999999", u"1", u"abcdef.txt", u".txt"},
        {true, u"5", u"9", u"abc.txt", u".txt"},
        {true, u"2", u"0", u"abcdef", u"bcdef"},
        {false, u"2", u"0", u"abcdef", u"abcde"},
        {true, u"1", u"1", u"照片.jpg", u"片.jpg"},
        {true, u"1", u"1", u"", u""},
    };
    for (auto& c : cases) {
        EXPECT_EQ(previewOne(PageDelete, del(c.head, c.count, c.pos), c.name), c.result);
    }
}

TEST(DeletePage, CountBelowOneStopsSilently) {
    for (const char16_t* count : {u"0", u"", u"-3", u"abc"}) {
        FileListModel model = testing::listOf({u"abc.txt"});
        const PreviewOutcome outcome = runPreview(model, PageDelete, del(true, count, u"1"));
        EXPECT_EQ(outcome.kind, PreviewOutcome::Stopped);
        EXPECT_FALSE(outcome.enableApply);
        EXPECT_EQ(model.text(0, ColPreview), u"");
    }
}

TEST(DeletePage, ExtensionObjectAndNoDirection) {
    PageOptions o = del(false, u"1", u"1");
    o.editExtension = true;
    EXPECT_EQ(previewOne(PageDelete, o, u"song.mpeg"), u"song.mpe");
    o.del.fromHead = o.del.fromTail = false;
    EXPECT_EQ(previewOne(PageDelete, o, u"song.mpeg"), u"song.mpeg");
}

// --- Replace page ----------------------------------------------------------------------------

PageOptions byText(std::u16string find, std::u16string with) {
    PageOptions o;
    o.replace.find = std::move(find);
    o.replace.withText = std::move(with);
    return o;
}

TEST(ReplacePage, RegularExpressions) {
    const auto regex = [](std::u16string find, std::u16string with, std::u16string name,
                          bool extension = false) {
        PageOptions o = byText(std::move(find), std::move(with));
        o.replace.regex = true;
        o.editExtension = extension;
        return previewOne(PageReplace, o, name);
    };
    // Groups, the whole match, every match left to right.
    EXPECT_EQ(regex(u"(\\d+)-(\\d+)", u"$2-$1", u"12-34 56-78.txt"), u"34-12 78-56.txt");
    EXPECT_EQ(regex(u"[aeiou]", u"<$&>", u"banana.txt"), u"b<a>n<a>n<a>.txt");
    EXPECT_EQ(regex(u"^IMG_", u"照片", u"IMG_0001.jpg"), u"照片0001.jpg");
    EXPECT_EQ(regex(u"z+", u"Z", u"abc.txt"), u"abc.txt");            // no match
    EXPECT_EQ(regex(u"x*", u"-", u"ab.txt"), u"-a-b-.txt");           // empty matches
    EXPECT_EQ(regex(u"[a-z]", u"", u"a1b2.TXT", true), u"a1b2.TXT");  // the extension only
    EXPECT_EQ(regex(u"[A-Z]", u"", u"a1b2.TXT", true), u"a1b2");
    EXPECT_EQ(regex(u"月.", u"[$&]", u"月亮代表.mp3"), u"[月亮]代表.mp3");
    EXPECT_EQ(regex(u"(?:ab)+|[*+?]", u"_", u"ababx*y.txt"), u"_x_y.txt");
    // Without the box the same text is plain.
    EXPECT_EQ(regex(u".", u"X", u"a.b.c"), u"XXX.c");
    EXPECT_EQ(previewOne(PageReplace, byText(u".", u"X"), u"a.b.c"), u"aXb.c");
}

TEST(ReplacePage, AnInvalidExpressionStopsThePreviewNamingTheFault) {
    const auto stop = [](std::u16string find) {
        FileListModel model = testing::listOf({u"a.txt"});
        PageOptions o = byText(std::move(find), u"x");
        o.replace.regex = true;
        const PreviewOutcome outcome = runPreview(model, PageReplace, o);
        EXPECT_EQ(model.text(0, ColPreview), u"");
        return outcome.kind == PreviewOutcome::StoppedWithMessage ? outcome.message : u"";
    };
    EXPECT_EQ(stop(u"(ab"), u"正则表达式有误:圆括号不配对");
    EXPECT_EQ(stop(u"[a"), u"正则表达式有误:方括号不配对");
    EXPECT_EQ(stop(u"a{2,1}"), u"正则表达式有误:花括号中的次数无效");
    EXPECT_EQ(stop(u"a\\"), u"正则表达式有误:转义字符无效");
    for (const char16_t* nothing : {u"*a", u"a|+b", u"(?:?x)", u"(+)"}) {
        EXPECT_EQ(stop(nothing), u"正则表达式有误:重复符号前没有可以重复的内容");
    }
}

PageOptions byPosition(bool head, std::u16string count, std::u16string pos, std::u16string with,
                       bool invert) {
    PageOptions o;
    o.replace.byText = false;
    o.replace.byPosition = true;
    o.replace.fromHead = head;
    o.replace.fromTail = !head;
    o.replace.count = std::move(count);
    o.replace.position = std::move(pos);
    o.replace.withRun = std::move(with);
    o.replace.invert = invert;
    return o;
}

TEST(ReplacePage, ByTextEveryOccurrenceCaseSensitive) {
    EXPECT_EQ(previewOne(PageReplace, byText(u"a", u"o"), u"banana.txt"), u"bonono.txt");
    EXPECT_EQ(previewOne(PageReplace, byText(u"A", u"o"), u"banana.txt"), u"banana.txt");
    EXPECT_EQ(previewOne(PageReplace, byText(u"aa", u"b"), u"aaa.txt"), u"ba.txt");
    EXPECT_EQ(previewOne(PageReplace, byText(u"a", u""), u"banana.txt"), u"bnn.txt");
    EXPECT_EQ(previewOne(PageReplace, byText(u"照", u"相"), u"照片照.jpg"), u"相片相.jpg");
}

TEST(ReplacePage, EmptySearchWritesNothingButEnablesApply) {
    FileListModel model = testing::listOf({u"a.txt"});
    model.setText(0, ColStatus, u"改名成功");
    const PreviewOutcome outcome = runPreview(model, PageReplace, byText(u"", u"x"));
    EXPECT_EQ(outcome.kind, PreviewOutcome::Completed);
    EXPECT_TRUE(outcome.enableApply);
    EXPECT_EQ(model.text(0, ColPreview), u"");
    EXPECT_EQ(model.text(0, ColStatus), u"改名成功");
}

TEST(ReplacePage, ByPosition) {
    struct {
        bool head;
        const char16_t* count;
        const char16_t* pos;
        const char16_t* with;
        bool invert;
        const char16_t* name;
        const char16_t* result;
    } cases[] = {
        {true, u"2", u"2", u"XY", false, u"abcdef.txt", u"aXYdef.txt"},
        {true, u"2", u"2", u"XY", true, u"abcdef.txt", u"XYbcXY.txt"},
        {false, u"2", u"1", u"Z", false, u"abcdef.txt", u"abcdZ.txt"},
        {false, u"2", u"1", u"Z", true, u"abcdef.txt", u"Zef.txt"},
        {true, u"2", u"1", u"Z", true, u"abcdef", u"abZ"},
        {true, u"1", u"10", u"Z", false, u"abc", u"abcZ"},
        {true, u"1", u"10", u"Z", true, u"abc", u"Z"},
        {false, u"10", u"1", u"Z", false, u"abc", u"Z"},
        {true, u"99999999999", u"1", u"Z", false, u"abc", u"Z"},
    };
    for (auto& c : cases) {
        EXPECT_EQ(
            previewOne(PageReplace, byPosition(c.head, c.count, c.pos, c.with, c.invert), c.name),
            c.result);
    }
}

TEST(ReplacePage, ByPositionEdgeStates) {
    PageOptions o = byPosition(true, u"1", u"1", u"Z", false);
    o.editExtension = true;
    EXPECT_EQ(previewOne(PageReplace, o, u"README"), u"README");  // nothing to replace in
    FileListModel model = testing::listOf({u"abc"});
    EXPECT_EQ(runPreview(model, PageReplace, byPosition(true, u"0", u"1", u"Z", false)).kind,
              PreviewOutcome::Stopped);
    PageOptions none;
    none.replace.byText = false;
    const PreviewOutcome outcome = runPreview(model, PageReplace, none);
    EXPECT_TRUE(outcome.enableApply);
    EXPECT_EQ(model.text(0, ColPreview), u"");
}

// --- Advanced page ---------------------------------------------------------------------------

PageOptions advanced(std::u16string sep, std::u16string with, bool mode1, std::u16string n,
                     bool invert, std::u16string from = u"1", std::u16string to = u"2") {
    PageOptions o;
    o.advanced = {std::move(sep), std::move(with), mode1,        std::move(n),
                  invert,         std::move(from), std::move(to)};
    return o;
}

TEST(AdvancedPage, Mode1ReplacesBeforeOrFromTheNthSeparator) {
    const std::u16string name = u"artist-title-album.mp3";
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u"-", u"X", true, u"1", false), name),
              u"X-title-album.mp3");
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u"-", u"X", true, u"1", true), name),
              u"artistX.mp3");
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u"-", u"X", true, u"2", false), name),
              u"X-album.mp3");
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u"-", u"X", true, u"2", true), name),
              u"artist-titleX.mp3");
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u"-", u"X", true, u"3", false), name), name);
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u"-", u"X", true, u"1", false), u"-title.mp3"),
              u"-title.mp3");
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u"_", u"X", true, u"1", false), name), name);
}

TEST(AdvancedPage, Mode2ReplacesBetweenTwoSeparators) {
    const std::u16string name = u"artist-title-album.mp3";
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u"-", u"X", false, u"1", false, u"1", u"2"), name),
              u"artist-X-album.mp3");
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u"-", u"X", false, u"1", false, u"1", u"3"), name),
              name);
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u" - ", u"X", false, u"1", false, u"1", u"2"),
                         u"a - b - c"),
              u"a X - c");
}

TEST(AdvancedPage, Mode2WithEndNotAfterStartStopsWithTheMessage) {
    for (auto [from, to] : {std::pair{u"2", u"2"}, {u"3", u"2"}, {u"0", u"2"}, {u"1", u""}}) {
        FileListModel model = testing::listOf({u"a-b-c"});
        const PreviewOutcome outcome =
            runPreview(model, PageAdvanced, advanced(u"-", u"X", false, u"1", false, from, to));
        EXPECT_EQ(outcome.kind, PreviewOutcome::StoppedWithMessage);
        EXPECT_EQ(outcome.message, u"终止值应该大于开始值，请检查后重试！");
        EXPECT_EQ(model.text(0, ColPreview), u"");
        EXPECT_FALSE(outcome.enableApply);
    }
}

TEST(AdvancedPage, Mode1WithNBelowOneStopsSilently) {
    FileListModel model = testing::listOf({u"a-b"});
    EXPECT_EQ(runPreview(model, PageAdvanced, advanced(u"-", u"X", true, u"0", false)).kind,
              PreviewOutcome::Stopped);
}

TEST(AdvancedPage, OccurrencesOverlapAndAnEmptySeparatorIsEverywhere) {
    EXPECT_EQ(separatorPositions(u"aaa", u"aa"), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(separatorPositions(u"abc", u""), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_TRUE(separatorPositions(u"abc", u"x").empty());
    EXPECT_TRUE(separatorPositions(u"", u"x").empty());
    EXPECT_EQ(separatorPositions(u"", u""), (std::vector<std::size_t>{0}));
}

TEST(AdvancedPage, MoreThanAHundredSeparatorsUseTheSameFormulas) {
    std::u16string name;
    for (int i = 0; i < 150; ++i) name += u"a-";
    name += u"end";
    std::u16string expected = u"X";
    for (int i = 0; i < 30; ++i) expected += u"-a";
    expected += u"-end";
    EXPECT_EQ(previewOne(PageAdvanced, advanced(u"-", u"X", true, u"120", false), name), expected);
    EXPECT_EQ(
        previewOne(PageAdvanced, advanced(u"-", u"X", false, u"1", false, u"149", u"150"), name),
        name.substr(0, 2 * 148 + 1) + u"-X-end");
}

}  // namespace
}  // namespace tessary
