#pragma once
// What the controls of each rule page hold, as the window reads them: edit texts as typed, check
// box and radio button states. Defaults are the states of a freshly opened window.

#include <string>

namespace tessary {

enum PageIndex : int {
    PageBasic = 0,
    PageInsert = 1,
    PageDelete = 2,
    PageReplace = 3,
    PageAdvanced = 4,
    PageMp3 = 5,
};

// What a case change does, and to which part of the name.
enum class LetterCase { Upper, Lower, Title };
enum class CaseObject { Name, Extension, Both };

struct BasicOptions {
    bool newNameChecked = false;      // "修改新文件名为:"
    bool newExtensionChecked = true;  // "修改新扩展名为:"
    bool deleteExtensionChecked = false;
    bool swapChecked = false;
    bool caseChecked = false;  // "改变大小写:"
    LetterCase letterCase = LetterCase::Upper;
    CaseObject caseObject = CaseObject::Name;
    std::u16string newExtension;  // edit 1009
    std::u16string newName;       // edit 1010

    bool operator==(const BasicOptions&) const = default;
};

struct InsertOptions {
    std::u16string text;  // edit 1059; may carry the placeholder "/N"
    bool insertIntoName = true;
    std::u16string position = u"1";
    bool fromHead = true;  // otherwise the position counts from the tail
    bool sequence = false;
    std::u16string start = u"0";
    std::u16string step = u"1";
    std::u16string digits = u"1";

    bool operator==(const InsertOptions&) const = default;
};

struct DeleteOptions {
    bool fromHead = true;
    bool fromTail = false;
    std::u16string count = u"1";
    std::u16string position = u"1";

    bool operator==(const DeleteOptions&) const = default;
};

struct ReplaceOptions {
    bool byText = true;
    bool byPosition = false;
    std::u16string find;      // edit 1069
    bool regex = false;       // "正则表达式": find is an ECMAScript regular expression
    std::u16string withText;  // edit 1080
    std::u16string count = u"1";
    std::u16string position = u"1";
    std::u16string withRun;  // edit 1113
    bool invert = false;
    bool fromHead = true;
    bool fromTail = false;

    bool operator==(const ReplaceOptions&) const = default;
};

struct AdvancedOptions {
    std::u16string separator;    // edit 1070
    std::u16string replacement;  // edit 1083
    bool mode1 = true;           // otherwise mode 2
    std::u16string n = u"1";
    bool invert = false;
    std::u16string from = u"1";
    std::u16string to = u"2";

    bool operator==(const AdvancedOptions&) const = default;
};

// The Mp3 page: the naming template and the running number /D stands for.
struct Mp3Options {
    std::u16string templateText;  // edit 1041
    std::u16string start = u"1";
    std::u16string step = u"1";
    std::u16string digits = u"2";

    bool operator==(const Mp3Options&) const = default;
};

struct PageOptions {
    bool editExtension = false;  // operation object "扩展名"; ignored by the Basic page
    BasicOptions basic;
    InsertOptions insert;
    DeleteOptions del;
    ReplaceOptions replace;
    AdvancedOptions advanced;
    Mp3Options mp3;

    bool operator==(const PageOptions&) const = default;
};

}  // namespace tessary
