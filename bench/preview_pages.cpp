// Preview of 200,000 rows on every page, against a floor measured in the same run: copying
// each row's FileName into its Preview. Also prints the model's memory per row.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Timing.h"
#include "commands/AddFiles.h"
#include "disk/FileSystem.h"
#include "model/FileListModel.h"
#include "model/Utf8.h"
#include "rules/Preview.h"

using namespace tessary;
using namespace tessary::bench;

namespace {

constexpr int kRows = 200'000;
constexpr int kRepeats = 5;

// Every file is there, with a size of about a megabyte and a date in 2024.
class TypicalFiles final : public FileSystem {
  public:
    RenameOutcome rename(std::u16string_view, std::u16string_view) override {
        return RenameOutcome::OtherFailure;
    }
    AttributeQuery queryAttributes(std::u16string_view path) const override {
        AttributeQuery query;
        query.result = QueryResult::Found;
        query.attributes.size = (1000 + path.size() * 37 % 5000) * 1024;
        query.attributes.lastWriteTime = 133'550'000'000'000'000;  // March 2024
        return query;
    }
    bool listFolder(std::u16string_view,
                    const std::function<void(std::u16string_view)>&) const override {
        return false;
    }
    std::optional<FileIdentity> identify(std::u16string_view) const override { return {}; }
    bool removeFile(std::u16string_view) override { return false; }
    std::unique_ptr<FileSink> createFile(std::u16string_view) override { return nullptr; }
    bool readFileInto(std::u16string_view, std::size_t, ReadTarget&) const override {
        return false;
    }
};

// A list as adding files leaves it, built as adding files builds it.
FileListModel typicalList() {
    FileListModel model = FileListModel::withStandardColumns();
    const TypicalFiles files;
    const std::u16string folder = u"C:\\Users\\用户\\Pictures\\2024 旅行\\";
    for (int i = 0; i < kRows; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "IMG_20240315_%06d - 海边.jpg", i);
        addQueuedFile(model, static_cast<std::uint32_t>(i), folder + ascii(name), files);
    }
    return model;
}

double bestNanosecondsPerRow(const std::function<void()>& run) {
    double best = 1e300;
    for (int i = 0; i < kRepeats; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::nano> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / kRows);
    }
    return best;
}

}  // namespace

int main() {
    FileListModel model = typicalList();
    std::printf("model: %d rows, %.0f bytes per row\n", model.rowCount(),
                static_cast<double>(model.bytesUsed()) / model.rowCount());

    // Through a buffer of its own: the model would share a text of the row instead of copying.
    std::u16string name;
    const double floor = bestNanosecondsPerRow([&] {
        for (int row = 0; row < model.rowCount(); ++row) {
            name.assign(model.text(row, ColFileName));
            model.setText(row, ColPreview, name);
        }
    });
    std::printf("%-34s %8.1f ns/row\n", "floor: copy FileName to Preview", floor);

    struct Page {
        const char* name;
        int index;
        PageOptions options;
    };
    std::vector<Page> pages;
    PageOptions o;
    o.basic.newNameChecked = true;
    o.basic.newName = u"Photo";
    pages.push_back({"basic, new name with counter", PageBasic, o});
    o = {};
    o.basic.newExtension = u"jpeg";
    pages.push_back({"basic, new extension", PageBasic, o});
    o = {};
    o.insert.text = u"旅行-/N-";
    o.insert.sequence = true;
    o.insert.digits = u"6";
    pages.push_back({"insert, sequence at head", PageInsert, o});
    o = {};
    o.del.count = u"4";
    o.del.position = u"5";
    pages.push_back({"delete, 4 at position 5", PageDelete, o});
    o = {};
    o.replace.find = u"_";
    o.replace.withText = u" ";
    pages.push_back({"replace by text", PageReplace, o});
    o = {};
    o.replace.byText = false;
    o.replace.byPosition = true;
    o.replace.count = u"3";
    o.replace.position = u"2";
    o.replace.withRun = u"XYZ";
    pages.push_back({"replace by position", PageReplace, o});
    o = {};
    o.advanced.separator = u"_";
    o.advanced.replacement = u"PIC";
    pages.push_back({"advanced, mode 1", PageAdvanced, o});
    o.advanced.mode1 = false;
    pages.push_back({"advanced, mode 2", PageAdvanced, o});

    double worst = 0;
    for (const Page& page : pages) {
        const double ns =
            bestNanosecondsPerRow([&] { runPreview(model, page.index, page.options); });
        worst = std::max(worst, ns / floor);
        std::printf("%-34s %8.1f ns/row  %5.2f x floor\n", page.name, ns, ns / floor);
    }
    std::printf("worst page: %.2f x floor (goal: at most 5)\n", worst);

    // A regular expression against the plain text replace it can stand for, and one with a
    // group; they are held to their own goal.
    PageOptions plain;
    plain.replace.find = u"_";
    plain.replace.withText = u" ";
    const double plainNs = bestNanosecondsPerRow([&] { runPreview(model, PageReplace, plain); });
    for (const auto& [find, with] :
         {std::pair<std::u16string, std::u16string>{u"_", u" "}, {u"_(\\d+)", u"-$1"}}) {
        PageOptions regex;
        regex.replace.find = find;
        regex.replace.withText = with;
        regex.replace.regex = true;
        const double ns = bestNanosecondsPerRow([&] { runPreview(model, PageReplace, regex); });
        std::printf(
            "replace by regex %-17s %8.1f ns/row  %5.2f x the plain replace (goal: at most "
            "20)\n",
            toUtf8(find).c_str(), ns, ns / plainNs);
    }
    return 0;
}
