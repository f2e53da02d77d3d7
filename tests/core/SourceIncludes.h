#pragma once
// The #include lines of the program's own sources, for the tests that check how its parts may
// depend on each other.

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tessary::test {

// The header a line includes, as written; empty for any other line. `quoted` tells "..." from
// <...>.
inline std::string includedHeader(const std::string& line, bool* quoted = nullptr) {
    std::size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] != '#') return {};
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || line.compare(i, 7, "include") != 0) return {};
    i = line.find_first_of("<\"", i + 7);
    if (i == std::string::npos) return {};
    const std::size_t end = line.find_first_of(">\"", i + 1);
    if (end == std::string::npos) return {};
    if (quoted) *quoted = line[i] == '"';
    return line.substr(i + 1, end - i - 1);
}

struct IncludeLine {
    std::filesystem::path file;
    int number = 0;
    std::string header;
    bool quoted = false;
};

// Calls `onLine(file, number, line)` for every line of every .h and .cpp file under `dir`, its
// subfolders too.
template <class OnLine>
void forEachSourceLine(const std::filesystem::path& dir, OnLine onLine) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        const auto ext = entry.path().extension();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
        std::ifstream file(entry.path());
        std::string line;
        for (int number = 1; std::getline(file, line); ++number) onLine(entry.path(), number, line);
    }
}

// Every include of every .h and .cpp file under `dir`, its subfolders too.
inline std::vector<IncludeLine> includesUnder(const std::filesystem::path& dir) {
    std::vector<IncludeLine> found;
    forEachSourceLine(dir,
                      [&](const std::filesystem::path& file, int number, const std::string& line) {
                          bool quoted = false;
                          std::string header = includedHeader(line, &quoted);
                          if (!header.empty())
                              found.push_back({file, number, std::move(header), quoted});
                      });
    return found;
}

inline std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace tessary::test
