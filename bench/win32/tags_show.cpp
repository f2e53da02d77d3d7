// Showing tags as list columns for 10,000 MP3 files under Wine (10 folders of 1,000, as Wine's
// lookups slow down with the folder's size), against a floor measured in the same run on the
// same files: a bare loop that opens each file, reads its last 128 bytes and closes it.
// Usage: tags_show [repeats]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "model/AnsiCodePage.h"
#include "model/FileListModel.h"
#include "platform/SystemServices.h"
#include "platform/win32/Win32TagFiles.h"
#include "tags/Id3v1.h"
#include "tags/TagColumns.h"

using namespace tessary;
using namespace tessary::bench;

namespace {

constexpr int kFolders = 10;
constexpr int kFilesPerFolder = 1'000;
constexpr int kFiles = kFolders * kFilesPerFolder;
constexpr std::size_t kAudioBytes = 8'192;

// The floor: what any tag reader has to do for each file.
int rawLoop(const FileListModel& model) {
    int tags = 0;
    for (int row = 0; row < model.rowCount(); ++row) {
        const std::u16string path =
            joined({model.text(row, ColPath), model.text(row, ColFileName)});
        HANDLE f = CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) continue;
        LARGE_INTEGER back{};
        back.QuadPart = -static_cast<LONGLONG>(kTagBlockSize);
        char block[kTagBlockSize];
        DWORD got = 0;
        if (SetFilePointerEx(f, back, nullptr, FILE_END) &&
            ReadFile(f, block, sizeof block, &got, nullptr) && got == sizeof block &&
            block[0] == 'T' && block[1] == 'A' && block[2] == 'G') {
            ++tags;
        }
        CloseHandle(f);
    }
    return tags;
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const auto codePage = makeSystemAnsiCodePage();
    Win32TagFiles files;

    const std::u16string root = makeBenchFolder(u"tessary-tags-bench");

    // Every file audio and a tag with Chinese texts, as a music folder holds them.
    // One list per folder, so that the two loops can be timed folder by folder in turn and a
    // busy machine slows both alike.
    std::vector<FileListModel> lists(kFolders, FileListModel::withStandardColumns());
    const std::string audio = mpegAudio(kAudioBytes);
    for (int d = 0; d < kFolders; ++d) {
        const std::u16string folder = root + u"专辑 " + ascii(std::to_string(d)) + u"\\";
        CreateDirectoryW(wide(folder), nullptr);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const std::u16string name = u"歌曲 " + ascii(std::to_string(i)) + u".mp3";
            Id3v1Fields f;
            f.title = u"标题 " + ascii(std::to_string(i));
            f.artist = u"艺术家";
            f.album = u"专辑 " + ascii(std::to_string(d));
            f.year = u"2024";
            f.hasTrack = true;
            f.track = static_cast<std::uint8_t>(i % 255 + 1);
            f.genre = static_cast<std::uint8_t>(i % 80);
            const TagBlock block = encodeTagBlock(f, *codePage);
            if (!writeFile(folder + name, audio + std::string(block.begin(), block.end()))) {
                std::fprintf(stderr, "cannot write the test files\n");
                return 1;
            }
            FileListModel& model = lists[static_cast<std::size_t>(d)];
            const int row = model.insertRow(model.rowCount(), name);
            model.setText(row, ColPath, folder);
            model.setText(row, ColStatus, kStatusUnchanged);
            model.setText(row, ColFullPath, folder + name);
        }
    }

    // The tags the floor finds, counted in its last round.
    int tags = 0;
    const auto [rawTotal, showTotal] = bestOfAlternating(
        repeats, kFolders,
        [&](int d) {
            if (d == 0) tags = 0;
            tags += rawLoop(lists[static_cast<std::size_t>(d)]);
        },
        [&](int d) {
            refreshTagColumns(lists[static_cast<std::size_t>(d)], true, files, *codePage);
        });
    int shown = 0;
    for (const FileListModel& model : lists) {
        for (int row = 0; row < model.rowCount(); ++row) {
            if (!model.text(row, ColTitle).empty()) ++shown;
        }
    }

    std::printf("show tags: N %d files (%d folders of %d), best of %d per folder\n", kFiles,
                kFolders, kFilesPerFolder, repeats);
    std::printf("  raw open + last 128 bytes  %9.1f ms  (%d tags)\n", rawTotal * 1e3, tags);
    std::printf("  refreshTagColumns          %9.1f ms  (%d rows shown)\n", showTotal * 1e3, shown);
    std::printf("  ratio %.3f (goal <= 1.3)\n", showTotal / rawTotal);

    for (int d = 0; d < kFolders; ++d) {
        const std::u16string folder = root + u"专辑 " + ascii(std::to_string(d)) + u"\\";
        for (int i = 0; i < kFilesPerFolder; ++i) {
            DeleteFileW(wide(folder + u"歌曲 " + ascii(std::to_string(i)) + u".mp3"));
        }
        RemoveDirectoryW(wide(folder));
    }
    RemoveDirectoryW(wide(root));
    return shown == kFiles && tags == kFiles ? 0 : 1;
}
