#include "disk/JournalFolder.h"

#include <algorithm>

#include "disk/RenameJournal.h"
#include "disk/WindowsNames.h"
#include "model/NumberText.h"

namespace tessary {

namespace {

// The number of a journal's name ("Tessary.journal" is 1, "Tessary-7.journal" 7), or 0 for
// any other name.
int journalNumber(std::u16string_view name) {
    std::u16string folded;
    appendFolded(folded, name);
    std::u16string_view n = folded;
    if (!n.starts_with(u"TESSARY") || !n.ends_with(u".JOURNAL")) return 0;
    n = n.substr(7, n.size() - 7 - 8);
    if (n.empty()) return 1;
    if (n.size() < 2 || n.size() > 7 || n[0] != u'-') return 0;
    int number = 0;
    for (const char16_t c : n.substr(1)) {
        if (c < u'0' || c > u'9') return 0;
        number = number * 10 + (c - u'0');
    }
    return number >= 2 ? number : 0;
}

std::vector<std::pair<int, std::u16string>> numberedJournals(const FileSystem& fs,
                                                             const std::u16string& folder) {
    std::vector<std::pair<int, std::u16string>> found;
    fs.listFolder(folder, [&](std::u16string_view name) {
        if (const int number = journalNumber(name))
            found.emplace_back(number, folder + std::u16string(name));
    });
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    return found;
}

}  // namespace

std::vector<std::u16string> JournalFolder::journals(const FileSystem& fs) const {
    std::vector<std::u16string> paths;
    for (auto& [number, path] : numberedJournals(fs, folder_)) paths.push_back(std::move(path));
    return paths;
}

std::u16string JournalFolder::nextPath(const FileSystem& fs) const {
    const auto found = numberedJournals(fs, folder_);
    if (found.empty()) return folder_ + u"Tessary.journal";
    return folder_ + u"Tessary-" + decimalText(found.front().first + 1) + u".journal";
}

JournalsRecovered recoverJournals(const JournalFolder& folder, FileSystem& fs) {
    JournalsRecovered recovered;
    for (const std::u16string& path : folder.journals(fs)) {
        const std::optional<std::string> bytes = fs.readFile(path, kJournalMaxFileBytes);
        const std::optional<std::vector<JournalStep>> steps =
            bytes ? decodeJournal(*bytes) : std::nullopt;
        if (!steps) {
            recovered.damaged.push_back(path);
            continue;
        }
        const Recovery recovery = recoverJournal(*steps, fs);
        recovered.putBack += recovery.putBack;
        recovered.notPutBack += recovery.notPutBack;
        if (recovery.notPutBack == 0) fs.removeFile(path);
    }
    return recovered;
}

std::u16string recoveryReport(const JournalsRecovered& recovered) {
    std::u16string text = u"已改回" + decimalText(recovered.putBack) + u"个文件。";
    if (recovered.notPutBack > 0) {
        text += u"另有" + decimalText(recovered.notPutBack) +
                u"个文件未能改回，改名日志已保留，下次启动时可再试。";
    }
    for (const std::u16string& path : recovered.damaged) {
        text += u"\r\n改名日志已损坏，没有据此改名，日志已保留：" + path;
    }
    return text;
}

}  // namespace tessary
