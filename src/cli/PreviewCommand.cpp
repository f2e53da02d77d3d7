// tessary-cli preview: the preview of one page over file names read from standard input.

#include <functional>
#include <iostream>
#include <iterator>
#include <map>

#include "cli/CliCommand.h"
#include "cli/Utf8.h"
#include "engine/Preview.h"

namespace tessary::cli {

namespace {

constexpr char kUsage[] =
    "usage: tessary-cli preview [--page basic|insert|delete|replace|advanced] [--object name|ext]\n"
    "  basic:    [--rule newext|newname|delext|swap] [--ext TEXT] [--name TEXT]\n"
    "  insert:   [--text TEXT] [--replace-name] [--at head|tail] [--pos TEXT] [--seq]\n"
    "            [--start TEXT] [--step TEXT] [--digits TEXT]\n"
    "  delete:   [--at head|tail] [--count TEXT] [--pos TEXT]\n"
    "  replace:  [--by text|position] [--find TEXT] [--with TEXT] [--at head|tail]\n"
    "            [--count TEXT] [--pos TEXT] [--invert]\n"
    "  advanced: [--sep TEXT] [--with TEXT] [--mode 1|2] [--n TEXT] [--invert]\n"
    "            [--from TEXT] [--to TEXT]\n"
    "File names are read one per line from standard input (UTF-8); the previews are printed.\n";

struct Parsed {
    int page = PageBasic;
    PageOptions options;
};

// Applies one option; false when its value is not one of the allowed words.
using Setter = std::function<bool(Parsed&, const std::u16string&)>;

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
         [](Parsed& p, const std::u16string& v) {
             return choose(v, {u"basic", u"insert", u"delete", u"replace", u"advanced"}, p.page);
         }},
        {u"--object",
         [](Parsed& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"name", u"ext"}, i)) return false;
             p.options.editExtension = i == 1;
             return true;
         }},
        {u"--rule",
         [](Parsed& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"newext", u"newname", u"delext", u"swap"}, i)) return false;
             auto& b = p.options.basic;
             b.newExtensionChecked = i == 0;
             b.newNameChecked = i == 1;
             b.deleteExtensionChecked = i == 2;
             b.swapChecked = i == 3;
             return true;
         }},
        {u"--ext",
         [](Parsed& p, const std::u16string& v) { return p.options.basic.newExtension = v, true; }},
        {u"--name",
         [](Parsed& p, const std::u16string& v) { return p.options.basic.newName = v, true; }},
        {u"--text",
         [](Parsed& p, const std::u16string& v) { return p.options.insert.text = v, true; }},
        {u"--at",
         [](Parsed& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"head", u"tail"}, i)) return false;
             p.options.insert.fromHead = i == 0;
             p.options.del.fromHead = p.options.replace.fromHead = i == 0;
             p.options.del.fromTail = p.options.replace.fromTail = i == 1;
             return true;
         }},
        {u"--pos",
         [](Parsed& p, const std::u16string& v) {
             p.options.insert.position = p.options.del.position = p.options.replace.position = v;
             return true;
         }},
        {u"--start",
         [](Parsed& p, const std::u16string& v) { return p.options.insert.start = v, true; }},
        {u"--step",
         [](Parsed& p, const std::u16string& v) { return p.options.insert.step = v, true; }},
        {u"--digits",
         [](Parsed& p, const std::u16string& v) { return p.options.insert.digits = v, true; }},
        {u"--count",
         [](Parsed& p, const std::u16string& v) {
             p.options.del.count = p.options.replace.count = v;
             return true;
         }},
        {u"--by",
         [](Parsed& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"text", u"position"}, i)) return false;
             p.options.replace.byText = i == 0;
             p.options.replace.byPosition = i == 1;
             return true;
         }},
        {u"--find",
         [](Parsed& p, const std::u16string& v) { return p.options.replace.find = v, true; }},
        {u"--with",
         [](Parsed& p, const std::u16string& v) {
             p.options.replace.withText = p.options.replace.withRun = v;
             p.options.advanced.replacement = v;
             return true;
         }},
        {u"--sep",
         [](Parsed& p, const std::u16string& v) { return p.options.advanced.separator = v, true; }},
        {u"--mode",
         [](Parsed& p, const std::u16string& v) {
             int i = 0;
             if (!choose(v, {u"1", u"2"}, i)) return false;
             p.options.advanced.mode1 = i == 0;
             return true;
         }},
        {u"--n", [](Parsed& p, const std::u16string& v) { return p.options.advanced.n = v, true; }},
        {u"--from",
         [](Parsed& p, const std::u16string& v) { return p.options.advanced.from = v, true; }},
        {u"--to",
         [](Parsed& p, const std::u16string& v) { return p.options.advanced.to = v, true; }},
    };
    return table;
}

bool parse(const Arguments& args, Parsed& parsed, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string& arg = args[i];
        if (arg == u"--replace-name") {
            parsed.options.insert.insertIntoName = false;
        } else if (arg == u"--seq") {
            parsed.options.insert.sequence = true;
        } else if (arg == u"--invert") {
            parsed.options.replace.invert = parsed.options.advanced.invert = true;
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

}  // namespace

std::vector<std::u16string> readLines(std::istream& in) {
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(fromUtf8(line));
        start = last ? end : end + 1;
    }
    return lines;
}

int runPreviewCommand(const Arguments& args, Streams& io) {
    Parsed parsed;
    std::string error;
    if (!parse(args, parsed, error)) {
        io.err << "tessary-cli: " << error << "\n" << kUsage;
        return kExitUsage;
    }

    FileListModel model = FileListModel::withStandardColumns();
    for (std::u16string& name : readLines(io.in)) {
        const int row = model.insertRow(model.rowCount(), std::move(name));
        model.setText(row, ColStatus, kStatusUnchanged);
    }

    const PreviewOutcome outcome = runPreview(model, parsed.page, parsed.options);
    if (outcome.kind == PreviewOutcome::StoppedWithMessage) {
        io.err << toUtf8(outcome.message) << "\n";
        return 2;
    }
    if (outcome.kind == PreviewOutcome::Stopped) return 3;

    std::string output;
    for (int row = 0; row < model.rowCount(); ++row) {
        output += toUtf8(model.text(row, ColPreview));
        output += '\n';
    }
    io.out << output;
    io.out.flush();
    if (!io.out.good()) {
        io.err << "tessary-cli: the output could not be written\n";
        return kExitWriteFailed;
    }
    return 0;
}

}  // namespace tessary::cli
