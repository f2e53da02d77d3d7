// The commands on real files under Wine, each against a floor measured in the same run on the
// same files and folders:
//   apply and undo of 20,000 renames over 20 folders of 1,000 files  vs  a bare MoveFileW loop
//     (each planned, checked against a listing of every folder, and journaled)
//   the preview of the same rows with its check of the disk  vs  the plain preview and a bare
//     listing of the 20 folders
//   refresh of the same 20,000 rows                                 vs  a bare attribute loop
//   export of 200,000 rows                                          vs  one WriteFile of its bytes
//   record file write and read of 200,000 rows                      vs  one WriteFile / ReadFile
// Folders hold at most 1,000 files because Wine's lookups slow down with the folder's size.
// Usage: records_disk [repeats]

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "commands/ApplyUndo.h"
#include "commands/ListCommands.h"
#include "commands/RecordCommands.h"
#include "disk/OprFile.h"
#include "disk/PreviewCheck.h"
#include "disk/RenameJournal.h"
#include "disk/RowDetails.h"
#include "disk/RowRequests.h"
#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "platform/win32/Win32FileSystem.h"
#include "rules/Preview.h"

using namespace tessary;
using namespace tessary::bench;

namespace {

constexpr int kFolders = 20;
constexpr int kFilesPerFolder = 1'000;
constexpr int kDiskRows = kFolders * kFilesPerFolder;
constexpr int kMemoryRows = 200'000;

void report(const char* what, int n, double s, double floor) {
    std::printf("%-40s N %6d  %9.1f ms", what, n, s * 1e3);
    if (floor > 0) std::printf("  %.3f x floor", s / floor);
    std::printf("\n");
    std::fflush(stdout);
}

std::string readWithOneCall(const std::u16string& path, std::size_t size) {
    HANDLE f = CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    std::string bytes(size, '\0');
    DWORD read = 0;
    if (f != INVALID_HANDLE_VALUE) {
        ReadFile(f, bytes.data(), static_cast<DWORD>(size), &read, nullptr);
        CloseHandle(f);
    }
    bytes.resize(read);
    return bytes;
}

void removeTree(const std::u16string& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(wide(folder + u"*"), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::u16string name(reinterpret_cast<const char16_t*>(data.cFileName));
            if (name == u"." || name == u"..") continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                removeTree(folder + name + u"\\");
            } else {
                DeleteFileW(wide(folder + name));
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(wide(folder));
}

// A list as adding files leaves it, in memory only, for the export and the record file.
FileListModel typicalList(int rows) {
    FileListModel model = FileListModel::withStandardColumns();
    const std::u16string folder = u"C:\\Users\\用户\\Pictures\\2024 旅行\\";
    for (int i = 0; i < rows; ++i) {
        const std::u16string name =
            u"IMG_20240315_" + ascii(std::to_string(100000 + i)) + u" 海边.jpg";
        const int row = model.insertRow(i, name);
        model.setText(row, ColPreview, u"旅行_" + ascii(std::to_string(i)) + u".jpg");
        model.setText(row, ColSize, ascii(std::to_string(1000 + i % 5000)) + u" KB");
        model.setText(row, ColPath, folder);
        model.setText(row, ColStatus, u"改名成功");
        model.setText(row, ColOriginalName, name);
        model.setText(row, ColFullPath, folder + name);
        model.setText(row, ColDateModified, u"2024-3-15");
        model.setText(row, ColExtension, u"jpg");
    }
    return model;
}

}  // namespace

int main(int argc, char** argv) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    const std::u16string root = std::u16string(reinterpret_cast<const char16_t*>(temp)) +
                                u"tessary-bench-" + ascii(std::to_string(GetCurrentProcessId())) +
                                u"\\";
    CreateDirectoryW(wide(root), nullptr);

    // 20 folders of 1,000 files, listed as rows whose Preview is another name.
    FileListModel model = FileListModel::withStandardColumns();
    std::vector<std::u16string> oldPaths, newPaths;
    for (int f = 0; f < kFolders; ++f) {
        const std::u16string folder = root + u"文件夹 " + ascii(std::to_string(f)) + u"\\";
        CreateDirectoryW(wide(folder), nullptr);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const std::u16string name = u"IMG_" + ascii(std::to_string(10000 + i)) + u" 海边.jpg";
            const std::u16string preview = u"旅行_" + ascii(std::to_string(10000 + i)) + u".jpg";
            HANDLE h = CreateFileW(wide(folder + name), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h == INVALID_HANDLE_VALUE) {
                std::printf("cannot create the test files\n");
                return 1;
            }
            CloseHandle(h);
            const int row = model.insertRow(model.rowCount(), name);
            model.setText(row, ColPreview, preview);
            model.setText(row, ColPath, folder);
            model.setText(row, ColStatus, kStatusUnchanged);
            model.setText(row, ColOriginalName, name);
            oldPaths.push_back(folder + name);
            newPaths.push_back(folder + preview);
        }
    }

    Win32FileSystem fs;
    const std::u16string journal = root + u"Tessary.journal";
    int failures = 0;
    double floorForward = 1e300, floorBack = 1e300, apply = 1e300, undo = 1e300;
    double floorQuery = 1e300, refresh = 1e300;
    for (int r = 0; r < repeats; ++r) {
        floorForward = std::min(floorForward, seconds([&] {
                                    for (int i = 0; i < kDiskRows; ++i) {
                                        failures +=
                                            !MoveFileW(wide(oldPaths[i]), wide(newPaths[i]));
                                    }
                                }));
        floorBack = std::min(floorBack, seconds([&] {
                                 for (int i = 0; i < kDiskRows; ++i) {
                                     failures += !MoveFileW(wide(newPaths[i]), wide(oldPaths[i]));
                                 }
                             }));
        apply = std::min(apply, seconds([&] { applyRenames(model, fs, journal); }));
        for (int i = 0; i < kDiskRows; ++i) failures += model.text(i, ColStatus) != u"改名成功";
        undo = std::min(undo, seconds([&] { undoRenames(model, fs, journal); }));
        for (int i = 0; i < kDiskRows; ++i) {
            failures += model.text(i, ColStatus) != u"撤销改名成功";
            model.setText(i, ColPreview, newPaths[i].substr(newPaths[i].rfind(u'\\') + 1));
        }
        floorQuery = std::min(floorQuery, seconds([&] {
                                  WIN32_FILE_ATTRIBUTE_DATA data;
                                  for (int i = 0; i < kDiskRows; ++i) {
                                      failures += !GetFileAttributesExW(
                                          wide(oldPaths[i]), GetFileExInfoStandard, &data);
                                  }
                              }));
        refresh = std::min(refresh, seconds([&] { refreshList(model, fs); }));
        for (int i = 0; i < kDiskRows; ++i) {
            failures += model.text(i, ColStatus) != kStatusUnchanged;
            model.setText(i, ColPreview, newPaths[i].substr(newPaths[i].rfind(u'\\') + 1));
        }
    }
    // What apply adds to the renames, measured alone: under Wine a MoveFileW loop varies by a
    // tenth from one run to the next, more than everything apply adds to it.
    double ownWork = 1e300;
    for (int r = 0; r < repeats; ++r) {
        ownWork = std::min(ownWork, seconds([&] {
                               const RenamePlan plan =
                                   planRenames(RowRequests(model, ColPreview), fs);
                               failures += plan.renameCount() != kDiskRows;
                               failures += !writeJournal(fs, journal, plan);
                               failures += !fs.removeFile(journal);
                           }));
    }
    report("floor: MoveFileW loop, forward", kDiskRows, floorForward, 0);
    report("apply", kDiskRows, apply, floorForward);
    report("apply's plan, listings and journal alone", kDiskRows, ownWork, 0);
    std::printf("%-40s %.3f x floor\n", "the floor with apply's own work added",
                (floorForward + ownWork) / floorForward);
    report("floor: MoveFileW loop, back", kDiskRows, floorBack, 0);
    report("undo", kDiskRows, undo, floorBack);
    report("floor: GetFileAttributesExW loop", kDiskRows, floorQuery, 0);
    report("refresh", kDiskRows, refresh, floorQuery);

    // The preview of the Basic page's new name with a counter, with and without its check.
    PageOptions options;
    options.basic.newExtensionChecked = false;
    options.basic.newNameChecked = true;
    options.basic.newName = u"旅行";
    double floorPreview = 1e300, checkedPreview = 1e300;
    for (int r = 0; r < repeats + 1; ++r) {
        floorPreview = std::min(floorPreview, seconds([&] {
                                    runPreview(model, PageBasic, options);
                                    int seen = 0;
                                    for (int f = 0; f < kFolders; ++f) {
                                        WIN32_FIND_DATAW data;
                                        const std::u16string pattern =
                                            root + u"文件夹 " + ascii(std::to_string(f)) + u"\\*";
                                        HANDLE find =
                                            FindFirstFileExW(wide(pattern), FindExInfoBasic, &data,
                                                             FindExSearchNameMatch, nullptr,
                                                             FIND_FIRST_EX_LARGE_FETCH);
                                        if (find == INVALID_HANDLE_VALUE) continue;
                                        do ++seen;
                                        while (FindNextFileW(find, &data));
                                        FindClose(find);
                                    }
                                    failures += seen != kDiskRows + 2 * kFolders;
                                }));
        checkedPreview = std::min(checkedPreview, seconds([&] {
                                      runPreview(model, PageBasic, options);
                                      const PreviewCheck check = checkPreview(model, fs);
                                      failures += check.renamed != kDiskRows;
                                  }));
    }
    report("floor: plain preview and folder listings", kDiskRows, floorPreview, 0);
    report("preview with its check of the disk", kDiskRows, checkedPreview, floorPreview);

    // Export and record file of 200,000 rows.
    const FileListModel big = typicalList(kMemoryRows);
    const auto codePage = makeSystemAnsiCodePage();
    const std::u16string exportPath = root + u"列表.txt";
    const std::u16string floorPath = root + u"floor.bin";
    const std::u16string recordPath = root + u"记录.opr";
    const std::string exportBytes = exportFileBytes(big, *codePage);
    const std::string recordBytes = *encodeOpr(localSavingTime(), oprRecordsOfList(big));
    double floorExport = 1e300, exportTime = 1e300, floorRecord = 1e300, recordWrite = 1e300;
    double floorRead = 1e300, recordRead = 1e300, recordDecode = 1e300, exportEncode = 1e300;
    double exportCells = 1e300;
    std::size_t readRecords = 0;
    for (int r = 0; r < repeats + 1; ++r) {
        floorExport =
            std::min(floorExport, seconds([&] { failures += !writeFile(floorPath, exportBytes); }));
        exportTime = std::min(
            exportTime, seconds([&] {
                const CommandEffects e = exportList(big, fs, *codePage, exportPath);
                failures += !e.message || e.message->find(u"导出成功") == std::u16string::npos;
            }));
        // Where the export's time goes: encoding the rows, a chunk at a time, without the file.
        exportEncode = std::min(exportEncode, seconds([&] {
                                    std::size_t bytes = 0;
                                    ExportChunks chunks(big, *codePage);
                                    while (const std::size_t n = chunks.next().size()) bytes += n;
                                    failures += bytes != exportBytes.size();
                                }));
        // What the model's side costs at the least: every unit of the exported cells read once.
        exportCells =
            std::min(exportCells, seconds([&] {
                         unsigned sum = 0;
                         for (int row = 0; row < big.rowCount(); ++row) {
                             for (int column : {ColFileName, ColPreview, ColSize, ColPath,
                                                ColStatus, ColDateModified, ColExtension}) {
                                 for (char16_t unit : big.text(row, column)) sum += unit;
                             }
                         }
                         failures += sum == 0;
                     }));
        floorRecord =
            std::min(floorRecord, seconds([&] { failures += !writeFile(floorPath, recordBytes); }));
        recordWrite = std::min(
            recordWrite, seconds([&] {
                failures +=
                    saveOperationRecord(big, fs, recordPath, localSavingTime()).pane1 ? 0 : 1;
            }));
        floorRead = std::min(floorRead, seconds([&] {
                                 failures +=
                                     readWithOneCall(floorPath, recordBytes.size()).size() !=
                                     recordBytes.size();
                             }));
        recordRead = std::min(recordRead, seconds([&] {
                                  const OprFileRead read = readOprFile(fs, recordPath);
                                  readRecords = read.content ? read.content->records.size() : 0;
                              }));
        // Where the read's time goes: decoding the bytes already in memory.
        recordDecode =
            std::min(recordDecode, seconds([&] { failures += decodeOpr(recordBytes) ? 0 : 1; }));
    }
    failures += readRecords != static_cast<std::size_t>(kMemoryRows);
    std::printf("export file %zu bytes, record file %zu bytes\n", exportBytes.size(),
                recordBytes.size());
    report("floor: one WriteFile of the export bytes", kMemoryRows, floorExport, 0);
    report("export", kMemoryRows, exportTime, floorExport);
    report("  of which encoding alone", kMemoryRows, exportEncode, floorExport);
    report("  reading its cells alone", kMemoryRows, exportCells, floorExport);
    report("floor: one WriteFile of the record bytes", kMemoryRows, floorRecord, 0);
    report("record file write", kMemoryRows, recordWrite, floorRecord);
    report("floor: one ReadFile of the record bytes", kMemoryRows, floorRead, 0);
    report("record file read", kMemoryRows, recordRead, floorRead);
    report("  of which decoding alone", kMemoryRows, recordDecode, floorRead);

    for (int f = 0; f < kFolders; ++f)
        removeTree(root + u"文件夹 " + ascii(std::to_string(f)) + u"\\");
    removeTree(root);
    if (failures) {
        std::printf("unexpected failures: %d\n", failures);
        return 1;
    }
    return 0;
}
