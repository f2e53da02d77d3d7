#pragma once
// The subcommands of tessary-cli. Each takes the arguments after its own name and returns the
// process exit status: 0 success, 1 usage error, 4 output not written; the others are the
// command's own.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace tessary::cli {

using Arguments = std::vector<std::u16string>;

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

inline constexpr int kExitUsage = 1;

// The options that ask for a command's usage (printed on standard output, exit status 0).
// They count only where an option's name may stand, so that a value "-h" stays a value.
inline bool isHelpOption(std::u16string_view arg) { return arg == u"--help" || arg == u"-h"; }
inline constexpr int kExitWriteFailed = 4;

int runPreviewCommand(const Arguments& args, Streams& io);
int runOprCommand(const Arguments& args, Streams& io);
int runTagCommand(const Arguments& args, Streams& io);
int runApplyCommand(const Arguments& args, Streams& io);
int runUndoCommand(const Arguments& args, Streams& io);

// Writes a command's whole output; kExitWriteFailed (with a message) when it did not go out.
int writeOutput(Streams& io, const std::string& output);

// Reads all of standard input and splits it into lines: LF ends a line, a final CR is dropped,
// and the text after the last LF is a line only when it is not empty.
std::vector<std::u16string> readLines(std::istream& in);

}  // namespace tessary::cli
