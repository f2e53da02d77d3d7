#pragma once
// The options of a page's preview on the command line (--page, --rule, --name, ...), shared by
// `preview` and `apply`.

#include <functional>
#include <string>

#include "cli/CliCommand.h"
#include "rules/PageOptions.h"

namespace tessary::cli {

struct PreviewChoice {
    int page = PageBasic;
    PageOptions options;
};

// A command's own option at args[at]: how many arguments it takes up (0: not one of its own,
// -1: its value is missing).
using OtherOption = std::function<int(const Arguments& args, std::size_t at)>;

// False, with `error` set, for an unknown option or a value that is not allowed.
bool parsePreviewOptions(const Arguments& args, PreviewChoice& choice, std::string& error,
                         const OtherOption& other = {});

// The lines of the usage text that list the options.
extern const char kPreviewOptionsUsage[];

}  // namespace tessary::cli
