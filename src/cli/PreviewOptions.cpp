// The options of a page's preview, shared by the commands that compute new names.

#include "cli/PreviewOptions.h"

#include <map>

#include "commands/Mp3Naming.h"
#include "model/Utf8.h"
#include "platform/SystemServices.h"

namespace tessary::cli {

const char kPreviewOptionsUsage[] =
    "  [--page basic|insert|delete|replace|advanced|mp3] [--object name|ext]\n"
    "  basic:    [--rule newext|newname|delext|swap|case] [--ext TEXT] [--name TEXT]\n"
    "            [--case upper|lower|title] [--case-of name|ext|both]\n"
    "  insert:   [--text TEXT] [--replace-name] [--at head|tail] [--pos TEXT] [--seq]\n"
    "            [--start TEXT] [--step TEXT] [--digits TEXT]\n"
    "  delete:   [--at head|tail] [--count TEXT] [--pos TEXT]\n"
    "  replace:  [--by text|position] [--find TEXT] [--regex] [--with TEXT] [--at head|tail]\n"
    "            [--count TEXT] [--pos TEXT] [--invert]\n"
    "  advanced: [--sep TEXT] [--with TEXT] [--mode 1|2] [--n TEXT] [--invert]\n"
    "            [--from TEXT] [--to TEXT]\n"
    "  mp3:      --template TEXT [--start TEXT] [--step TEXT] [--digits TEXT]\n"
    "            (the names read are full paths of the files, whose tags are read)\n";

namespace {

// Applies one option; false when its value is not one of the allowed words.
using Setter = std::function<bool(PreviewChoice&, const std::u16string&)>;

bool choose(const std::u16string& value, std::initializer_list<const char16_t*> words, int& index) {
    int i = 0;
    for (const char16_t* word : words) {
        if (value == word) {
            index = i;
            return true;
        }
        ++i;
    }
    return false;
}

const std::map<std::u16string, Setter>& valueOptions() {
    static const std::map<std::u16string, Setter> table = {
        {u"--page",
         [](PreviewChoice& p, const std::u16string& v) {
             return choose(v, {u"basic", u"insert", u"delete", u"replace", u"advanced", u"mp3"},
                           p.page);
         }},
        {u"--object",
         [](PreviewChoice& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"name", u"ext"}, i)) return false;
             p.options.editExtension = i == 1;
             return true;
         }},
        {u"--rule",
         [](PreviewChoice& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"newext", u"newname", u"delext", u"swap", u"case"}, i)) return false;
             auto& b = p.options.basic;
             b.newExtensionChecked = i == 0;
             b.newNameChecked = i == 1;
             b.deleteExtensionChecked = i == 2;
             b.swapChecked = i == 3;
             b.caseChecked = i == 4;
             return true;
         }},
        {u"--case",
         [](PreviewChoice& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"upper", u"lower", u"title"}, i)) return false;
             p.options.basic.letterCase = static_cast<LetterCase>(i);
             return true;
         }},
        {u"--case-of",
         [](PreviewChoice& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"name", u"ext", u"both"}, i)) return false;
             p.options.basic.caseObject = static_cast<CaseObject>(i);
             return true;
         }},
        {u"--ext", [](PreviewChoice& p,
                      const std::u16string& v) { return p.options.basic.newExtension = v, true; }},
        {u"--name", [](PreviewChoice& p,
                       const std::u16string& v) { return p.options.basic.newName = v, true; }},
        {u"--text",
         [](PreviewChoice& p, const std::u16string& v) { return p.options.insert.text = v, true; }},
        {u"--at",
         [](PreviewChoice& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"head", u"tail"}, i)) return false;
             p.options.insert.fromHead = i == 0;
             p.options.del.fromHead = p.options.replace.fromHead = i == 0;
             p.options.del.fromTail = p.options.replace.fromTail = i == 1;
             return true;
         }},
        {u"--pos",
         [](PreviewChoice& p, const std::u16string& v) {
             p.options.insert.position = p.options.del.position = p.options.replace.position = v;
             return true;
         }},
        {u"--start",
         [](PreviewChoice& p, const std::u16string& v) {
             p.options.insert.start = p.options.mp3.start = v;
             return true;
         }},
        {u"--step",
         [](PreviewChoice& p, const std::u16string& v) {
             p.options.insert.step = p.options.mp3.step = v;
             return true;
         }},
        {u"--digits",
         [](PreviewChoice& p, const std::u16string& v) {
             p.options.insert.digits = p.options.mp3.digits = v;
             return true;
         }},
        {u"--template",
         [](PreviewChoice& p, const std::u16string& v) {
             return p.options.mp3.templateText = v, true;
         }},
        {u"--count",
         [](PreviewChoice& p, const std::u16string& v) {
             p.options.del.count = p.options.replace.count = v;
             return true;
         }},
        {u"--by",
         [](PreviewChoice& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"text", u"position"}, i)) return false;
             p.options.replace.byText = i == 0;
             p.options.replace.byPosition = i == 1;
             return true;
         }},
        {u"--find", [](PreviewChoice& p,
                       const std::u16string& v) { return p.options.replace.find = v, true; }},
        {u"--with",
         [](PreviewChoice& p, const std::u16string& v) {
             p.options.replace.withText = p.options.replace.withRun = v;
             p.options.advanced.replacement = v;
             return true;
         }},
        {u"--sep", [](PreviewChoice& p,
                      const std::u16string& v) { return p.options.advanced.separator = v, true; }},
        {u"--mode",
         [](PreviewChoice& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"1", u"2"}, i)) return false;
             p.options.advanced.mode1 = i == 0;
             return true;
         }},
        {u"--n",
         [](PreviewChoice& p, const std::u16string& v) { return p.options.advanced.n = v, true; }},
        {u"--from", [](PreviewChoice& p,
                       const std::u16string& v) { return p.options.advanced.from = v, true; }},
        {u"--to",
         [](PreviewChoice& p, const std::u16string& v) { return p.options.advanced.to = v, true; }},
    };
    return table;
}

}  // namespace

bool parsePreviewOptions(const Arguments& args, PreviewChoice& parsed, std::string& error,
                         const OtherOption& other) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string& arg = args[i];
        if (other) {
            if (const int taken = other(args, i); taken > 0) {
                i += static_cast<std::size_t>(taken) - 1;
                continue;
            } else if (taken < 0) {
                error = "missing value for " + toUtf8(arg);
                return false;
            }
        }
        if (isHelpOption(arg)) {
            parsed.helpAsked = true;
        } else if (arg == u"--replace-name") {
            parsed.options.insert.insertIntoName = false;
        } else if (arg == u"--seq") {
            parsed.options.insert.sequence = true;
        } else if (arg == u"--invert") {
            parsed.options.replace.invert = parsed.options.advanced.invert = true;
        } else if (arg == u"--regex") {
            parsed.options.replace.regex = true;
        } else if (auto it = valueOptions().find(arg); it != valueOptions().end()) {
            if (i + 1 >= args.size()) {
                error = "missing value for " + toUtf8(arg);
                return false;
            }
            if (!it->second(parsed, args[++i])) {
                error = "invalid value for " + toUtf8(arg) + ": " + toUtf8(args[i]);
                return false;
            }
        } else {
            error = "unknown option: " + toUtf8(arg);
            return false;
        }
    }
    return true;
}

namespace {

bool isSeparator(char16_t c) {
#ifdef _WIN32
    return c == u'\\' || c == u'/';
#else
    return c == u'/';
#endif
}

}  // namespace

std::pair<std::u16string, std::u16string> splitPath(const std::u16string& path) {
    std::size_t at = path.size();
    while (at > 0 && !isSeparator(path[at - 1])) --at;
    if (at == 0) {
#ifdef _WIN32
        return {u".\\", path};
#else
        return {u"./", path};
#endif
    }
    return {path.substr(0, at), path.substr(at)};
}

PreviewOutcome runChosenPreview(FileListModel& model, const PreviewChoice& choice) {
    return runPagePreview(model, choice.page, choice.options, *makeSystemTagFiles(),
                          *makeSystemAnsiCodePage());
}

}  // namespace tessary::cli
