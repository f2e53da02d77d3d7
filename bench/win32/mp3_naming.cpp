// Naming 10,000 MP3 files from their ID3v2 tags on the Mp3 page under Wine (10 folders of
// 1,000), against a floor measured in the same run on the same files: a bare loop that opens
// each file, reads its first 4 KiB and closes it.
// Usage: mp3_naming [repeats]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "commands/Mp3Naming.h"
#include "model/FileListModel.h"
#include "platform/SystemServices.h"
#include "platform/win32/Win32TagFiles.h"

using namespace tessary;
using namespace tessary::bench;

namespace {

constexpr int kFolders = 10;
constexpr int kFilesPerFolder = 1'000;
constexpr int kFiles = kFolders * kFilesPerFolder;

std::string syncsafe(std::size_t v) {
    std::string s;
    for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (7 * i)) & 0x7F);
    return s;
}

// An ID3v2.3 tag as taggers write it: UTF-16 text frames, then padding to 2 KiB.
std::string id3v2Tag(const std::u16string& title, const std::u16string& artist,
                     const std::u16string& album, int track) {
    auto frame = [](const char* id, const std::u16string& text) {
        std::string content("\x01\xFF\xFE", 3);
        for (const char16_t c : text) {
            content += static_cast<char>(c & 0xFF);
            content += static_cast<char>(c >> 8);
        }
        const std::size_t n = content.size();
        std::string f(id, 4);
        for (int i = 3; i >= 0; --i) f += static_cast<char>((n >> (8 * i)) & 0xFF);
        return f + std::string(2, '\0') + content;
    };
    std::string body = frame("TIT2", title) + frame("TPE1", artist) + frame("TALB", album) +
                       frame("TYER", u"2024") + frame("TRCK", ascii(std::to_string(track))) +
                       frame("TCON", u"(13)");
    body.resize(2048 - 10, '\0');
    return std::string("ID3\x03\0\0", 6) + syncsafe(body.size()) + body;
}

int rawLoop(const FileListModel& model) {
    int read = 0;
    char head[4096];
    for (int row = 0; row < model.rowCount(); ++row) {
        const std::u16string path =
            joined({model.text(row, ColPath), model.text(row, ColFileName)});
        HANDLE f = CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) continue;
        DWORD got = 0;
        if (ReadFile(f, head, sizeof head, &got, nullptr) && got == sizeof head) ++read;
        CloseHandle(f);
    }
    return read;
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const auto codePage = makeSystemAnsiCodePage();
    Win32TagFiles files;

    const std::u16string root = makeBenchFolder(u"tessary-naming-bench");

    const std::string audio = mpegAudio(16 * 1024);
    std::vector<FileListModel> lists(kFolders, FileListModel::withStandardColumns());
    for (int d = 0; d < kFolders; ++d) {
        const std::u16string folder = root + u"专辑 " + ascii(std::to_string(d)) + u"\\";
        CreateDirectoryW(wide(folder), nullptr);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const std::u16string name = u"track" + ascii(std::to_string(i)) + u".mp3";
            const std::string tag = id3v2Tag(u"歌曲 " + ascii(std::to_string(i)), u"艺术家",
                                             u"专辑 " + ascii(std::to_string(d)), i % 99 + 1);
            if (!writeFile(folder + name, tag + audio)) {
                std::fprintf(stderr, "cannot write the test files\n");
                return 1;
            }
            FileListModel& model = lists[static_cast<std::size_t>(d)];
            const int row = model.insertRow(model.rowCount(), name);
            model.setText(row, ColPath, folder);
            model.setText(row, ColStatus, kStatusUnchanged);
        }
    }

    Mp3Options options;
    options.templateText = u"/R /A - /T";
    // What the floor read and the rows the naming left, counted in the last round.
    int read = 0, unnamed = 0;
    const auto [rawTotal, namingTotal] = bestOfAlternating(
        repeats, kFolders,
        [&](int d) {
            if (d == 0) read = 0;
            read += rawLoop(lists[static_cast<std::size_t>(d)]);
        },
        [&](int d) {
            if (d == 0) unnamed = 0;
            int missing = 0;
            runMp3Preview(lists[static_cast<std::size_t>(d)], options, files, *codePage, &missing);
            unnamed += missing;
        });
    const std::u16string first(lists[0].text(7, ColPreview));

    std::printf("mp3 naming: N %d files (%d folders of %d), best of %d per folder\n", kFiles,
                kFolders, kFilesPerFolder, repeats);
    std::printf("  raw open + first 4 KiB     %9.1f ms  (%d read)\n", rawTotal * 1e3, read);
    std::printf("  runMp3Preview              %9.1f ms  (%d not named)\n", namingTotal * 1e3,
                unnamed);
    std::printf("  ratio %.3f (goal <= 1.3)\n", namingTotal / rawTotal);

    for (int d = 0; d < kFolders; ++d) {
        const std::u16string folder = root + u"专辑 " + ascii(std::to_string(d)) + u"\\";
        for (int i = 0; i < kFilesPerFolder; ++i) {
            DeleteFileW(wide(folder + u"track" + ascii(std::to_string(i)) + u".mp3"));
        }
        RemoveDirectoryW(wide(folder));
    }
    RemoveDirectoryW(wide(root));
    return read == kFiles && unnamed == 0 && first == u"08 艺术家 - 歌曲 7.mp3" ? 0 : 1;
}
