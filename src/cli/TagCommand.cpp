// tessary-cli tag: reads or writes the ID3v1 tag of one MP3 file, as the tag editor does, and
// shows the ID3v2 values naming reads.

#include <functional>
#include <iostream>
#include <optional>
#include <vector>

#include "cli/CliCommand.h"
#include "model/Utf8.h"
#include "platform/SystemServices.h"
#include "tags/Mp3TagRecord.h"
#include "tags/TagBulkEdit.h"

namespace tessary::cli {

namespace {

constexpr char kUsage[] =
    "usage: tessary-cli tag read FILE\n"
    "       tessary-cli tag write FILE [--title T] [--artist T] [--album T] [--year T]\n"
    "                                  [--comment T] [--track N] [--genre N]\n"
    "read prints code, isMp3, hasTag, title, artist, album, year, comment, track and genre,\n"
    "one \"key: value\" line each (UTF-8), then the ID3v2 values naming uses (v2.title,\n"
    "v2.artist, v2.album, v2.year, v2.track, v2.genre; empty where no tag holds one).\n"
    "write reads the ID3v1 tag, changes the given fields and writes it: --track 0 to 255 (0 for\n"
    "none), --genre -1 to 255 (-1 for none). Texts are kept to the whole characters that fit\n"
    "their fields in the ANSI code page.\n"
    "Exit status: 0 done, 1 usage error, 2 the file cannot be written or is not MP3.\n";

constexpr int kExitWriteFailed = 2;

int usage(Streams& io) {
    io.err << kUsage;
    return kExitUsage;
}

// The whole text as a decimal number from min to max.
std::optional<int> wholeNumber(const std::u16string& text, int min, int max) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (negative) ++i;
    if (i == text.size()) return std::nullopt;
    long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
        value = value * 10 + (text[i] - u'0');
        if (value > 100000) return std::nullopt;
    }
    if (negative) value = -value;
    if (value < min || value > max) return std::nullopt;
    return static_cast<int>(value);
}

const char* yesNo(bool b) { return b ? "true" : "false"; }

int readTag(const std::u16string& path, Streams& io) {
    const auto codePage = makeSystemAnsiCodePage();
    const auto files = makeSystemTagFiles();
    Mp3TagRecord record(path);
    const int code = record.read(*files, *codePage, true);
    io.out << "code: " << code << '\n'
           << "isMp3: " << yesNo(record.isMp3()) << '\n'
           << "hasTag: " << yesNo(record.hasTag()) << '\n'
           << "title: " << toUtf8(record.title()) << '\n'
           << "artist: " << toUtf8(record.artist()) << '\n'
           << "album: " << toUtf8(record.album()) << '\n'
           << "year: " << toUtf8(record.year()) << '\n'
           << "comment: " << toUtf8(record.comment()) << '\n'
           << "track: " << toUtf8(record.trackText()) << '\n'
           << "genre: " << toUtf8(record.genreText()) << '\n';
    // The ID3v2 values naming reads, empty where no tag holds the field.
    const Id3v2Values& v2 = record.id3v2();
    auto text = [](const std::optional<std::u16string>& t) { return toUtf8(t.value_or(u"")); };
    io.out << "v2.title: " << text(v2.title) << '\n'
           << "v2.artist: " << text(v2.artist) << '\n'
           << "v2.album: " << text(v2.album) << '\n'
           << "v2.year: " << text(v2.year) << '\n'
           << "v2.track: " << (v2.track ? std::to_string(*v2.track) : std::string()) << '\n'
           << "v2.genre: " << text(v2.genre) << '\n';
    return 0;
}

int writeTag(const std::u16string& path, const Arguments& options, Streams& io) {
    const auto codePage = makeSystemAnsiCodePage();
    const auto files = makeSystemTagFiles();
    Mp3TagRecord record(path);

    // Every option is checked before the file is touched.
    std::vector<std::function<void()>> changes;
    for (std::size_t i = 0; i < options.size(); i += 2) {
        const std::u16string& name = options[i];
        if (i + 1 >= options.size()) return usage(io);
        const std::u16string value = options[i + 1];
        if (name == u"--title") {
            changes.push_back([&record, value] { record.setTitle(value); });
        } else if (name == u"--artist") {
            changes.push_back([&record, value] { record.setArtist(value); });
        } else if (name == u"--album") {
            changes.push_back([&record, value] { record.setAlbum(value); });
        } else if (name == u"--year") {
            changes.push_back([&record, value] { record.setYear(value); });
        } else if (name == u"--comment") {
            changes.push_back([&record, value] { record.setComment(value); });
        } else if (name == u"--track") {
            if (!wholeNumber(value, kTrackMin, kTrackMax)) return usage(io);
            changes.push_back([&record, value] { record.setTrack(value); });
        } else if (name == u"--genre") {
            const std::optional<int> genre = wholeNumber(value, -1, 255);
            if (!genre) return usage(io);
            changes.push_back([&record, g = *genre] { record.setGenreIndex(g); });
        } else {
            return usage(io);
        }
    }

    record.read(*files, *codePage);
    for (const auto& change : changes) change();
    if (record.write(*files, *codePage) == 0) {
        io.err << toUtf8(kTagWriteFailedMessage) << '\n';
        return kExitWriteFailed;
    }
    return 0;
}

}  // namespace

int runTagCommand(const Arguments& args, Streams& io) {
    // The command word, the file and the names of write's options are where help may be asked.
    for (std::size_t i = 0; i < args.size(); i = i < 2 ? i + 1 : i + 2) {
        if (isHelpOption(args[i])) {
            io.out << kUsage;
            return 0;
        }
    }
    if (args.size() < 2) return usage(io);
    if (args[0] == u"read" && args.size() == 2) return readTag(args[1], io);
    if (args[0] == u"write") return writeTag(args[1], Arguments(args.begin() + 2, args.end()), io);
    return usage(io);
}

}  // namespace tessary::cli
