// Runs the built tessary-cli as a script would: arguments quoted for the shell, standard input
// from a file, standard output and error captured.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tessary::clitest {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string quote(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Runs tessary-cli with `args` in the existing folder `work`, which keeps its in, out and err.
inline Result runCli(const std::filesystem::path& work, const std::vector<std::string>& args,
                     const std::string& input = "") {
    std::ofstream(work / "in", std::ios::binary) << input;
    std::string command = quote(TESSARY_CLI);
    for (const auto& a : args) command += " " + quote(a);
    command += " < " + quote((work / "in").string()) + " > " + quote((work / "out").string()) +
               " 2> " + quote((work / "err").string());
    const int raw = std::system(command.c_str());
    Result r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = slurp(work / "out");
    r.err = slurp(work / "err");
    return r;
}

}  // namespace tessary::clitest
