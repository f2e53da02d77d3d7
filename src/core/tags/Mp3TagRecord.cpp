#include "tags/Mp3TagRecord.h"

#include <algorithm>
#include <string>

#include "model/NumberText.h"

namespace tessary {

namespace {

// An audio frame and the tag at the end: the least a file needs to be read as an MP3 with a
// tag.
constexpr std::uint64_t kShortestTaggedMp3 = 4 + kTagBlockSize;
constexpr std::size_t kId3v2HeaderSize = 10;

}  // namespace

Mp3TagRecord::Mp3TagRecord(std::u16string_view fullPath)
    : fullPath_(fullPath), parts_(FileNameParts::fromFullPath(fullPath)) {}

std::int32_t Mp3TagRecord::genreIndex() const { return genreByte_ < kGenreCount ? genreByte_ : -1; }

void Mp3TagRecord::setTrack(std::u16string_view text) {
    trackText_.assign(text);
    hasTrack_ = true;
}

void Mp3TagRecord::clearFields() {
    opened_ = isMp3_ = hasTag_ = hasTrack_ = false;
    title_.clear();
    artist_.clear();
    album_.clear();
    year_.clear();
    comment_.clear();
    trackText_.clear();
    trackNumber_ = 0;
    genreByte_ = 0xFF;
}

int Mp3TagRecord::read(TagFiles& files, const AnsiCodePage& codePage) {
    clearFields();
    const std::unique_ptr<TagFile> file = files.openForReading(fullPath_);
    if (!file) return TagReadNotOpened;
    opened_ = true;

    const std::optional<std::uint64_t> size = file->size();
    if (!size) return TagReadFailed;
    if (*size < 4) return TagReadTooShort;

    // The four bytes of the MP3 test and, for an ID3v2 tag, the rest of its header, in one read.
    unsigned char head[kId3v2HeaderSize] = {};
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(*size, sizeof head));
    if (file->readAt(0, head, want) != want) return TagReadFailed;

    if (startsWithFrameSync(std::span(head, want))) {
        isMp3_ = passesMp3Test(std::span(head, want));
    } else if (startsWithId3v2(std::span(head, want))) {
        // An ID3v2 tag in front: the test applies to the first bytes of the audio after it. A
        // header cut short, or audio beyond the end, leaves the file no MP3.
        if (const auto start = id3v2AudioStart(std::span(head, want))) {
            unsigned char audio[4] = {};
            if (*start < *size && file->readAt(*start, audio, sizeof audio) == sizeof audio) {
                isMp3_ = passesMp3Test(audio);
            }
        }
    } else {
        return TagReadTooShort;
    }

    if (*size < kShortestTaggedMp3) return TagReadTooShort;

    TagBlock block{};
    if (file->readAt(*size - kTagBlockSize, block.data(), block.size()) != block.size()) {
        return TagReadFailed;
    }
    if (!isTagBlock(block)) return TagReadNoTag;
    hasTag_ = true;

    Id3v1Fields fields = decodeTagBlock(block, codePage);
    title_ = std::move(fields.title);
    artist_ = std::move(fields.artist);
    album_ = std::move(fields.album);
    year_ = std::move(fields.year);
    comment_ = std::move(fields.comment);
    if (fields.hasTrack) {
        hasTrack_ = true;
        trackNumber_ = fields.track;
        trackText_ = decimalText(trackNumber_);
    }
    genreByte_ = fields.genre;
    file->close();
    return TagReadDone;
}

int Mp3TagRecord::write(TagFiles& files, const AnsiCodePage& codePage) const {
    if (!isMp3_) return 0;

    Id3v1Fields fields;
    fields.title = title_;
    fields.artist = artist_;
    fields.album = album_;
    fields.year = year_;
    fields.comment = comment_;
    fields.hasTrack = hasTrack_;
    fields.track = static_cast<std::uint8_t>(readNumber(trackText_));
    fields.genre = genreByte_;
    const TagBlock block = encodeTagBlock(fields, codePage);

    const std::unique_ptr<TagFile> file = files.openForUpdate(fullPath_);
    if (!file) return 0;
    const std::optional<std::uint64_t> size = file->size();
    if (!size) return 0;
    // Over the old tag, or else at the end; a file shorter than a tag has none to replace.
    std::uint64_t at = *size;
    if (*size >= kTagBlockSize) {
        unsigned char start[3] = {};
        const std::uint64_t last = *size - kTagBlockSize;
        if (file->readAt(last, start, sizeof start) != sizeof start) return 0;
        if (isTagBlock(start)) at = last;
    }
    const std::string_view bytes(reinterpret_cast<const char*>(block.data()), block.size());
    if (!file->writeAt(at, bytes)) return 0;
    return file->close() ? 1 : 0;
}

}  // namespace tessary
