// tessary-cli preview: the preview of one page over file names read from standard input.

#include <iostream>
#include <iterator>

#include "cli/CliCommand.h"
#include "cli/PreviewOptions.h"
#include "model/Utf8.h"

namespace tessary::cli {

namespace {

constexpr char kUsage[] = "usage: tessary-cli preview OPTIONS\n";
constexpr char kInput[] =
    "File names are read one per line from standard input (UTF-8); the previews are printed.\n";

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
    PreviewChoice parsed;
    std::string error;
    if (!parsePreviewOptions(args, parsed, error)) {
        io.err << "tessary-cli: " << error << "\n" << kUsage << kPreviewOptionsUsage << kInput;
        return kExitUsage;
    }
    if (parsed.helpAsked) {
        io.out << kUsage << kPreviewOptionsUsage << kInput;
        return 0;
    }

    // The Mp3 page reads the files: its lines are full paths.
    FileListModel model = FileListModel::withStandardColumns();
    for (std::u16string& line : readLines(io.in)) {
        auto [folder, name] = parsed.page == PageMp3
                                  ? splitPath(line)
                                  : std::pair<std::u16string, std::u16string>{{}, std::move(line)};
        const int row = model.insertRow(model.rowCount(), std::move(name));
        model.setText(row, ColPath, folder);
        model.setText(row, ColStatus, kStatusUnchanged);
    }

    const PreviewOutcome outcome = runChosenPreview(model, parsed);
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
    return writeOutput(io, output);
}

int writeOutput(Streams& io, const std::string& output) {
    io.out << output;
    io.out.flush();
    if (!io.out.good()) {
        io.err << "tessary-cli: the output could not be written\n";
        return kExitWriteFailed;
    }
    return 0;
}

}  // namespace tessary::cli
