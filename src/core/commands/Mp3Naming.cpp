#include "commands/Mp3Naming.h"

#include "model/FileNameParts.h"
#include "model/NumberText.h"
#include "rules/SequenceCounter.h"
#include "tags/TagColumns.h"

namespace tessary {
namespace {

std::u16string safeForNames(std::u16string text) {
    for (char16_t& c : text) {
        if (c < 32 || std::u16string_view(u"<>:\"/\\|?*").find(c) != std::u16string_view::npos) {
            c = u'_';
        }
    }
    return text;
}

std::u16string twoDigits(int number) {
    std::u16string text = decimalText(number);
    if (text.size() < 2) text.insert(0, 2 - text.size(), u'0');
    return text;
}

}  // namespace

std::optional<TagNameValues> tagNameValues(const Mp3TagRecord& record) {
    if (!record.isMp3()) return std::nullopt;
    const Id3v2Values& v2 = record.id3v2();
    const bool v1 = record.hasTag();
    if (!v1 && !v2.title && !v2.artist && !v2.album && !v2.year && !v2.genre && !v2.track) {
        return std::nullopt;
    }
    auto pick = [v1](const std::optional<std::u16string>& fromV2, const std::u16string& fromV1) {
        return fromV2 ? *fromV2 : v1 ? fromV1 : std::u16string();
    };
    TagNameValues values;
    values.artist = pick(v2.artist, record.artist());
    values.title = pick(v2.title, record.title());
    values.album = pick(v2.album, record.album());
    values.year = pick(v2.year, record.year());
    // ID3v1's genre reads "17.Rock"; a name wants "Rock".
    const std::u16string v1Genre = record.genreText();
    values.genre = pick(v2.genre, v1Genre.substr(v1Genre.find(u'.') + 1));
    if (v2.track) {
        values.track = twoDigits(*v2.track);
    } else if (v1 && record.hasTrack()) {
        values.track = twoDigits(record.trackNumber());
    }
    return values;
}

std::u16string buildTagName(std::u16string_view templateText, const TagNameValues& values,
                            std::u16string_view sequence) {
    std::u16string name;
    for (std::size_t i = 0; i < templateText.size(); ++i) {
        const char16_t c = templateText[i];
        const std::u16string* field = nullptr;
        if (c == u'/' && i + 1 < templateText.size()) {
            switch (templateText[i + 1]) {
                case u'A':
                    field = &values.artist;
                    break;
                case u'T':
                    field = &values.title;
                    break;
                case u'B':
                    field = &values.album;
                    break;
                case u'Y':
                    field = &values.year;
                    break;
                case u'G':
                    field = &values.genre;
                    break;
                case u'R':
                    field = &values.track;
                    break;
                case u'D':
                    name += sequence;
                    ++i;
                    continue;
                default:
                    break;
            }
        }
        if (field == nullptr) {
            name += c;
            continue;
        }
        name += safeForNames(*field);
        ++i;
    }
    while (!name.empty() && (name.back() == u' ' || name.back() == u'.')) name.pop_back();
    return name;
}

PreviewOutcome runMp3Preview(FileListModel& model, const Mp3Options& options, TagFiles& files,
                             const AnsiCodePage& codePage, int* unnamed) {
    if (model.rowCount() == 0) return {};
    if (options.templateText.empty()) {
        return {PreviewOutcome::StoppedWithMessage, kEmptyTemplate, false, false};
    }
    SequenceCounter counter(readNumber(options.start), readNumber(options.step),
                            readNumber(options.digits));
    int withoutTag = 0;
    FileNameParts parts;
    for (int row = 0; row < model.rowCount(); ++row) {
        Mp3TagRecord record(rowFilePath(model, row));
        record.read(files, codePage, true);
        const std::optional<TagNameValues> values = tagNameValues(record);
        if (!values) {
            ++withoutTag;
            model.setText(row, ColPreview, model.text(row, ColFileName));
            model.setText(row, ColStatus, kStatusNoNamingTag);
            continue;
        }
        parts.assignFileName(model.text(row, ColFileName));
        parts.setMainName(buildTagName(options.templateText, *values, counter.next()));
        model.setText(row, ColPreview, parts.join());
        model.setText(row, ColStatus, kStatusUnchanged);
    }
    if (unnamed) *unnamed = withoutTag;
    return {PreviewOutcome::Completed, {}, true, true};
}

PreviewOutcome runPagePreview(FileListModel& model, int pageIndex, const PageOptions& options,
                              TagFiles& files, const AnsiCodePage& codePage, int* unnamed) {
    if (unnamed) *unnamed = 0;
    if (pageIndex == PageMp3) return runMp3Preview(model, options.mp3, files, codePage, unnamed);
    return runPreview(model, pageIndex, options);
}

}  // namespace tessary
