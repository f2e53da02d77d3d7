// tessary-cli: the renamer's core on the command line, for scripting and for checking results
// without the window.

#include <iostream>
#include <map>

#include "cli/CliCommand.h"
#include "model/Utf8.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace tessary::cli {
namespace {

using Command = int (*)(const Arguments&, Streams&);

const std::map<std::u16string, Command>& commands() {
    static const std::map<std::u16string, Command> table = {
        {u"apply", runApplyCommand}, {u"opr", runOprCommand},   {u"preview", runPreviewCommand},
        {u"tag", runTagCommand},     {u"undo", runUndoCommand},
    };
    return table;
}

int dispatch(const Arguments& all) {
    Streams io{std::cin, std::cout, std::cerr};
    auto found = all.empty() ? commands().end() : commands().find(all.front());
    if (found == commands().end()) {
        std::cerr << "usage: tessary-cli COMMAND [OPTIONS]\ncommands:";
        for (const auto& [name, command] : commands()) std::cerr << ' ' << toUtf8(name);
        std::cerr << '\n';
        return kExitUsage;
    }
    const int status = found->second(Arguments(all.begin() + 1, all.end()), io);
    std::cout.flush();
    return status;
}

}  // namespace
}  // namespace tessary::cli

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    // Bytes in, bytes out: no CR LF translation and no code page between us and the pipe.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    tessary::cli::Arguments args;
    for (int i = 1; i < argc; ++i) args.emplace_back(reinterpret_cast<const char16_t*>(argv[i]));
    return tessary::cli::dispatch(args);
}
#else
int main(int argc, char** argv) {
    tessary::cli::Arguments args;
    for (int i = 1; i < argc; ++i) args.push_back(tessary::fromUtf8(argv[i]));
    return tessary::cli::dispatch(args);
}
#endif
