// tessary-cli opr: prints the content of an operation record file, or writes one from lines
// of text, so that record files can be checked and made without the window.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/CliCommand.h"
#include "disk/OprFile.h"
#include "model/Utf8.h"
#include "platform/SystemServices.h"

namespace tessary::cli {

namespace {

constexpr char kUsage[] =
    "usage: tessary-cli opr dump FILE\n"
    "       tessary-cli opr write FILE [--time \"YYYY-M-D h:m:s\"]\n"
    "dump prints the saving time (\"Y-M-D h:m\") and one line per record: folder, earlier\n"
    "name and current name separated by tabs. write reads such record lines (UTF-8) from\n"
    "standard input and writes the file, saved at --time or else at the local time now.\n"
    "Exit status: 0 done, 1 usage error, 2 not a valid record file, 3 file not readable or\n"
    "not writable.\n";

constexpr int kExitInvalidFile = 2;
constexpr int kExitFileAccess = 3;

std::optional<std::string> readWholeFile(const std::u16string& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad()) return std::nullopt;
    return std::move(bytes).str();
}

bool writeWholeFile(const std::u16string& path, const std::string& bytes) {
    std::ofstream file(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

int dump(const std::u16string& path, Streams& io) {
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) {
        io.err << "tessary-cli opr: cannot read " << toUtf8(path) << '\n';
        return kExitFileAccess;
    }
    const std::optional<OprContent> content = decodeOpr(*bytes);
    if (!content) {
        io.err << toUtf8(kOprInvalidFileMessage) << '\n';
        return kExitInvalidFile;
    }
    const SavingTime& t = content->time;
    io.out << t.year << '-' << t.month << '-' << t.day << ' ' << t.hour << ':' << t.minute << '\n';
    for (const OprRecordView r : content->records) {
        io.out << toUtf8(r.folder) << '\t' << toUtf8(r.earlierName) << '\t' << toUtf8(r.currentName)
               << '\n';
    }
    return 0;
}

// Reads the decimal number at `at` and moves past it; false when there is none or it is
// larger than `max`.
bool number(const std::u16string& text, std::size_t& at, int min, int max, int& value) {
    const std::size_t start = at;
    long long v = 0;
    while (at < text.size() && text[at] >= u'0' && text[at] <= u'9' && at - start < 6) {
        v = v * 10 + (text[at] - u'0');
        ++at;
    }
    if (at == start || v < min || v > max) return false;
    value = static_cast<int>(v);
    return true;
}

bool expect(const std::u16string& text, std::size_t& at, char16_t c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// 0 = Sunday, as SYSTEMTIME counts (Sakamoto's method).
int dayOfWeek(int year, int month, int day) {
    static constexpr int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    return (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
}

// "YYYY-M-D h:m:s" (seconds may be left out).
std::optional<SavingTime> parseTime(const std::u16string& text) {
    std::size_t at = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!number(text, at, 1601, 30827, year) || !expect(text, at, u'-') ||
        !number(text, at, 1, 12, month) || !expect(text, at, u'-') ||
        !number(text, at, 1, daysInMonth(year, month), day) || !expect(text, at, u' ') ||
        !number(text, at, 0, 23, hour) || !expect(text, at, u':') ||
        !number(text, at, 0, 59, minute)) {
        return std::nullopt;
    }
    if (at < text.size() && (!expect(text, at, u':') || !number(text, at, 0, 59, second))) {
        return std::nullopt;
    }
    if (at != text.size()) return std::nullopt;
    SavingTime t;
    t.year = static_cast<std::uint16_t>(year);
    t.month = static_cast<std::uint16_t>(month);
    t.dayOfWeek = static_cast<std::uint16_t>(dayOfWeek(year, month, day));
    t.day = static_cast<std::uint16_t>(day);
    t.hour = static_cast<std::uint16_t>(hour);
    t.minute = static_cast<std::uint16_t>(minute);
    t.second = static_cast<std::uint16_t>(second);
    return t;
}

int write(const Arguments& args, Streams& io) {
    const std::u16string& path = args[1];
    SavingTime time;
    if (args.size() == 4 && args[2] == u"--time") {
        const std::optional<SavingTime> given = parseTime(args[3]);
        if (!given) {
            io.err << "tessary-cli opr: --time wants \"YYYY-M-D h:m:s\", not \"" << toUtf8(args[3])
                   << "\"\n";
            return kExitUsage;
        }
        time = *given;
    } else if (args.size() == 2) {
        time = localSavingTime();
    } else {
        io.err << kUsage;
        return kExitUsage;
    }
    std::vector<OprRecord> records;
    int lineNumber = 0;
    for (const std::u16string& line : readLines(io.in)) {
        ++lineNumber;
        const std::size_t tab1 = line.find(u'\t');
        const std::size_t tab2 = tab1 == std::u16string::npos ? tab1 : line.find(u'\t', tab1 + 1);
        if (tab2 == std::u16string::npos || line.find(u'\t', tab2 + 1) != std::u16string::npos) {
            io.err << "tessary-cli opr: line " << lineNumber
                   << " is not folder<TAB>earlier name<TAB>current name\n";
            return kExitUsage;
        }
        records.push_back(
            {line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1), line.substr(tab2 + 1)});
    }
    const std::optional<std::string> bytes = encodeOpr(time, records);
    if (!bytes) {
        io.err << "tessary-cli opr: a field is longer than " << kOprMaxFieldUnits
               << " UTF-16 units\n";
        return kExitUsage;
    }
    if (!writeWholeFile(path, *bytes)) {
        io.err << "tessary-cli opr: cannot write " << toUtf8(path) << '\n';
        return kExitFileAccess;
    }
    return 0;
}

}  // namespace

int runOprCommand(const Arguments& args, Streams& io) {
    // The command word, the file and write's option name are where help may be asked.
    for (std::size_t i = 0; i < args.size() && i < 3; ++i) {
        if (isHelpOption(args[i])) {
            io.out << kUsage;
            return 0;
        }
    }
    if (args.size() == 2 && args[0] == u"dump") return dump(args[1], io);
    if (args.size() >= 2 && args[0] == u"write") return write(args, io);
    io.err << kUsage;
    return kExitUsage;
}

}  // namespace tessary::cli
