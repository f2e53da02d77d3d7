#pragma once
// The options of a page's preview on the command line (--page, --rule, --name, ...), shared by
// `preview` and `apply`.

#include <functional>
#include <string>
#include <utility>

#include "cli/CliCommand.h"
#include "model/FileListModel.h"
#include "rules/PageOptions.h"
#include "rules/Preview.h"

namespace tessary::cli {

struct PreviewChoice {
    int page = PageBasic;
    PageOptions options;
    bool helpAsked = false;  // --help or -h stood among the options
};

// A command's own option at args[at]: how many arguments it takes up (0: not one of its own,
// -1: its value is missing).
using OtherOption = std::function<int(const Arguments& args, std::size_t at)>;

// False, with `error` set, for an unknown option or a value that is not allowed.
bool parsePreviewOptions(const Arguments& args, PreviewChoice& choice, std::string& error,
                         const OtherOption& other = {});

// The lines of the usage text that list the options.
extern const char kPreviewOptionsUsage[];

// The folder (with its separator) and the name of a full path; a bare name is in the current
// folder.
std::pair<std::u16string, std::u16string> splitPath(const std::u16string& path);

// The chosen page's preview over the rows; the Mp3 page reads each row's file (Path + FileName).
PreviewOutcome runChosenPreview(FileListModel& model, const PreviewChoice& choice);

}  // namespace tessary::cli
