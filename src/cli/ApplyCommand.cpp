// tessary-cli apply and undo: the window's batch on the real disk, planned, journaled and put
// back by the same code, with the journal kept as the undo file.

#include <algorithm>
#include <iostream>

#include "cli/CliCommand.h"
#include "cli/PreviewOptions.h"
#include "disk/PreviewCheck.h"
#include "disk/RenameBatch.h"
#include "disk/RenameJournal.h"
#include "disk/RowRequests.h"
#include "model/Utf8.h"
#include "rules/Preview.h"

#ifdef _WIN32
#include "platform/win32/Win32FileSystem.h"
#else
#include "platform/native/PosixFileSystem.h"
#endif

namespace tessary::cli {

namespace {

constexpr int kExitSomeNotDone = 4;
constexpr char16_t kDefaultJournal[] = u"tessary-journal";

constexpr char kApplyUsage[] =
    "usage: tessary-cli apply [PREVIEW OPTIONS] [--names] [--journal FILE] [--dry-run]\n"
    "Full paths are read one per line from standard input (UTF-8), as if added to the list in\n"
    "that order; their new names come from the preview options (see tessary-cli preview), or\n"
    "with --names from lines 'FULL PATH<TAB>NEW NAME'. Every row is checked, the batch is\n"
    "planned, written to the journal (default: tessary-journal here) and renamed; one line is\n"
    "printed per row: STATUS<TAB>FULL PATH<TAB>NEW NAME. --dry-run prints the preview's status\n"
    "and changes nothing. The journal is kept: tessary-cli undo puts the files back with it.\n"
    "Exit status: 0 all done, 4 some rows refused or failed, 2 and 3 as for preview, 1 for a\n"
    "usage error or a journal that cannot be written.\n";

constexpr char kUndoUsage[] =
    "usage: tessary-cli undo [--journal FILE]\n"
    "Puts back, newest first, every rename the journal (default: tessary-journal here) shows as\n"
    "done, and prints STATUS<TAB>PATH NOW<TAB>NAME BACK for each of its rows. The journal is\n"
    "deleted when every file is back. Exit status: 0 all back, 4 some could not be put back, 1\n"
    "for a usage error or a journal that cannot be read.\n";

std::unique_ptr<FileSystem> systemFileSystem() {
#ifdef _WIN32
    return std::make_unique<Win32FileSystem>();
#else
    return std::make_unique<PosixFileSystem>();
#endif
}

void printLine(std::string& out, std::u16string_view a, std::u16string_view b,
               std::u16string_view c) {
    out += toUtf8(a);
    out += '\t';
    out += toUtf8(b);
    out += '\t';
    out += toUtf8(c);
    out += '\n';
}

// The journal option, shared by both commands.
OtherOption journalOption(std::u16string& journal) {
    return [&journal](const Arguments& args, std::size_t at) {
        if (args[at] != u"--journal") return 0;
        if (at + 1 >= args.size()) return -1;
        journal = args[at + 1];
        return 2;
    };
}

// The rows, as adding the files in this order would make them, with their full paths; with
// `names`, each line's new name in the Preview column. False, said on the error stream, for a
// line of --names without its tab.
bool readRows(Streams& io, bool names, FileListModel& model,
              std::vector<std::u16string>& fullPaths) {
    int lineNumber = 0;
    for (std::u16string& line : readLines(io.in)) {
        ++lineNumber;
        if (line.empty()) continue;
        std::u16string newName;
        if (names) {
            const std::size_t tab = line.find(u'\t');
            if (tab == std::u16string::npos) {
                io.err << "tessary-cli: line " << lineNumber << " has no tab before its new name\n";
                return false;
            }
            newName = line.substr(tab + 1);
            line.resize(tab);
        }
        auto [folder, name] = splitPath(line);
        const int row = model.insertRow(model.rowCount(), name);
        model.setText(row, ColPath, folder);
        model.setText(row, ColOriginalName, name);
        model.setText(row, ColStatus, kStatusUnchanged);
        model.setText(row, ColPreview, newName);
        fullPaths.push_back(std::move(line));
    }
    return true;
}

}  // namespace

int runApplyCommand(const Arguments& args, Streams& io) {
    PreviewChoice choice;
    std::u16string journal = kDefaultJournal;
    bool names = false;
    bool dryRun = false;
    const OtherOption journalArg = journalOption(journal);
    const OtherOption own = [&](const Arguments& a, std::size_t at) {
        if (a[at] == u"--names") return (names = true), 1;
        if (a[at] == u"--dry-run") return (dryRun = true), 1;
        return journalArg(a, at);
    };
    std::string error;
    if (!parsePreviewOptions(args, choice, error, own)) {
        io.err << "tessary-cli: " << error << "\n" << kApplyUsage;
        return kExitUsage;
    }
    if (choice.helpAsked) {
        io.out << kApplyUsage;
        return 0;
    }

    FileListModel model = FileListModel::withStandardColumns();
    std::vector<std::u16string> fullPaths;
    if (!readRows(io, names, model, fullPaths)) return kExitUsage;
    if (!names) {
        const PreviewOutcome outcome = runChosenPreview(model, choice);
        if (outcome.kind == PreviewOutcome::StoppedWithMessage) {
            io.err << toUtf8(outcome.message) << "\n";
            return 2;
        }
        if (outcome.kind == PreviewOutcome::Stopped) return 3;
    }

    const std::unique_ptr<FileSystem> fs = systemFileSystem();
    const RenamePlan plan = planRenames(RowRequests(model, ColPreview), *fs);
    std::vector<std::u16string> statuses;
    bool allDone = true;
    if (dryRun) {
        for (const RowPlan& row : plan.rows) {
            statuses.push_back(previewStatusText(row));
            allDone = allDone && !row.refused();
        }
    } else {
        // An earlier batch's journal is its only way back: never written over.
        if (!plan.steps.empty() && fs->queryAttributes(journal).result != QueryResult::NotFound) {
            io.err << "tessary-cli: the journal " << toUtf8(journal)
                   << " is already there; undo that batch first, or name another with --journal\n";
            return kExitUsage;
        }
        const BatchResult batch = runRenamePlan(plan, *fs, journal, /*keepJournal=*/true);
        if (!batch.ran) {
            io.err << "tessary-cli: the journal " << toUtf8(journal)
                   << " could not be written; nothing was renamed\n";
            return kExitUsage;
        }
        for (const RowResult& row : batch.rows) {
            statuses.push_back(batchStatusText(RenameCommand::Apply, row));
            allDone = allDone && row.succeeded();
        }
    }
    std::string output;
    for (int row = 0; row < model.rowCount(); ++row) {
        printLine(output, statuses[static_cast<std::size_t>(row)], fullPaths[row],
                  model.text(row, ColPreview));
    }
    if (const int written = writeOutput(io, output); written != 0) return written;
    return allDone ? 0 : kExitSomeNotDone;
}

int runUndoCommand(const Arguments& args, Streams& io) {
    std::u16string journal = kDefaultJournal;
    const OtherOption journalArg = journalOption(journal);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (isHelpOption(args[i])) {
            io.out << kUndoUsage;
            return 0;
        }
        const int taken = journalArg(args, i);
        if (taken <= 0) {
            io.err << "tessary-cli: " << (taken < 0 ? "missing value for " : "unknown option: ")
                   << toUtf8(args[i]) << "\n"
                   << kUndoUsage;
            return kExitUsage;
        }
        i += static_cast<std::size_t>(taken) - 1;
    }
    const std::unique_ptr<FileSystem> fs = systemFileSystem();
    const std::optional<std::string> bytes = fs->readFile(journal, kJournalMaxFileBytes);
    const std::optional<std::vector<JournalStep>> steps =
        bytes ? decodeJournal(*bytes) : std::nullopt;
    if (!steps) {
        io.err << "tessary-cli: the journal " << toUtf8(journal)
               << (bytes ? " is damaged; nothing was renamed\n" : " cannot be read\n");
        return kExitUsage;
    }
    Recovery recovery = recoverJournal(*steps, *fs);
    std::sort(recovery.rows.begin(), recovery.rows.end(),
              [](const RecoveredRow& a, const RecoveredRow& b) { return a.row < b.row; });
    std::string output;
    for (const RecoveredRow& row : recovery.rows) {
        printLine(output, statusText(RenameCommand::Undo, row.outcome), row.folder + row.nameBefore,
                  row.nameBack);
    }
    if (recovery.notPutBack == 0) fs->removeFile(journal);
    if (const int written = writeOutput(io, output); written != 0) return written;
    return recovery.notPutBack == 0 ? 0 : kExitSomeNotDone;
}

}  // namespace tessary::cli
