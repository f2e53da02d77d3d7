#include "tags/Mp3TagRecord.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "model/NumberText.h"
#include "tags/MpegAudio.h"

namespace tessary {

namespace {

// An audio frame and the tag at the end: the least a file needs to be read as an MP3 with a
// tag.
constexpr std::uint64_t kShortestTaggedMp3 = 4 + kTagBlockSize;
constexpr std::size_t kId3v2HeaderSize = 10;
// Most files show their first frame in the first bytes after the tags; the whole search span is
// read only when these do not.
constexpr std::size_t kFirstAudioRead = 4096;

// A file made of nothing but tags is not followed further than this.
constexpr int kMostId3v2Tags = 8;
// The frames naming reads usually stand in a tag's first bytes; a larger tag is read whole only
// when they do not, and never beyond this much (pictures fill the rest of such tags).
constexpr std::size_t kFirstTagRead = 4096;
constexpr std::size_t kLargestTagRead = 16u << 20;

void readTagFrames(TagFile& file, std::uint64_t at, std::uint64_t tagBytes,
                   const AnsiCodePage& codePage, Id3v2Values& values) {
    std::vector<unsigned char> tag(
        static_cast<std::size_t>(std::min<std::uint64_t>(tagBytes, kFirstTagRead)));
    tag.resize(file.readAt(at, tag.data(), tag.size()));
    if (readId3v2Frames(tag, codePage, values) || values.complete()) return;
    if (tag.size() < kFirstTagRead) return;  // the file ends within the tag
    tag.resize(static_cast<std::size_t>(std::min<std::uint64_t>(tagBytes, kLargestTagRead)));
    tag.resize(file.readAt(at, tag.data(), tag.size()));
    readId3v2Frames(tag, codePage, values);
}

// Where the audio starts: after every ID3v2 tag the file starts with, one after another (a
// tagger that did not find the first one wrote a second in front of the audio). The frames of
// each are read into `values` when asked for.
std::uint64_t endOfId3v2Tags(TagFile& file, std::span<const unsigned char> head, std::uint64_t size,
                             const AnsiCodePage& codePage, Id3v2Values* values) {
    std::uint64_t at = 0;
    unsigned char header[kId3v2HeaderSize] = {};
    std::span<const unsigned char> bytes = head;
    for (int tags = 0; tags < kMostId3v2Tags; ++tags) {
        // The tag's length, header and footer included, as its header claims it.
        const auto length = id3v2AudioStart(bytes);
        if (!length) break;
        // Never more than the file holds, whatever the header claims.
        if (values) readTagFrames(file, at, std::min(*length, size - at), codePage, *values);
        at += *length;  // beyond the file when the tag claims more than there is
        if (at + kId3v2HeaderSize > size ||
            file.readAt(at, header, sizeof header) != sizeof header) {
            break;
        }
        bytes = header;
    }
    return at;
}

bool hasMpegAudio(TagFile& file, std::uint64_t start, std::uint64_t end) {
    if (start >= end) return false;
    const std::uint64_t audioBytes = end - start;
    std::vector<unsigned char> window(
        static_cast<std::size_t>(std::min<std::uint64_t>(audioBytes, kFirstAudioRead)));
    window.resize(file.readAt(start, window.data(), window.size()));
    if (findMpegAudio(window, audioBytes)) return true;
    if (window.size() < kFirstAudioRead || audioBytes <= kFirstAudioRead) return false;
    window.resize(static_cast<std::size_t>(std::min<std::uint64_t>(audioBytes, kMpegSearchBytes)));
    window.resize(file.readAt(start, window.data(), window.size()));
    return findMpegAudio(window, audioBytes).has_value();
}

bool startsLikeWave(std::span<const unsigned char> head) {
    return head.size() >= 4 && head[0] == 'R' && head[1] == 'I' && head[2] == 'F' && head[3] == 'F';
}

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
    id3v2_ = {};
}

int Mp3TagRecord::read(TagFiles& files, const AnsiCodePage& codePage, bool withId3v2) {
    clearFields();
    const std::unique_ptr<TagFile> file = files.openForReading(fullPath_);
    if (!file) return TagReadNotOpened;
    opened_ = true;

    const std::optional<std::uint64_t> size = file->size();
    if (!size) return TagReadFailed;
    if (*size < 4) return TagReadTooShort;

    // The first bytes: a frame, an ID3v2 header, or something else.
    unsigned char head[kId3v2HeaderSize] = {};
    const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(*size, sizeof head));
    if (file->readAt(0, head, want) != want) return TagReadFailed;
    const std::span<const unsigned char> first(head, want);

    // The last 128 bytes of a file long enough for a frame and a tag: an ID3v1 tag there is no
    // part of the audio.
    TagBlock block{};
    const bool longEnough = *size >= kShortestTaggedMp3;
    if (longEnough &&
        file->readAt(*size - kTagBlockSize, block.data(), block.size()) != block.size()) {
        return TagReadFailed;
    }
    const bool tagAtEnd = longEnough && isTagBlock(block);
    const std::uint64_t audioEnd = tagAtEnd ? *size - kTagBlockSize : *size;

    // An MP3 file holds MPEG audio frames after its ID3v2 tags, sometimes after a few bytes
    // of something else. A WAVE file may hold MPEG audio, but it is a WAVE file.
    const std::uint64_t audioStart =
        endOfId3v2Tags(*file, first, *size, codePage, withId3v2 ? &id3v2_ : nullptr);
    if (!startsLikeWave(first)) isMp3_ = hasMpegAudio(*file, audioStart, audioEnd);
    // Neither a frame nor a tag in front and no audio found: not read any further.
    if (audioStart == 0 && !startsWithFrameSync(first) && !isMp3_) return TagReadTooShort;

    if (!longEnough) return TagReadTooShort;
    if (!tagAtEnd) return TagReadNoTag;
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
