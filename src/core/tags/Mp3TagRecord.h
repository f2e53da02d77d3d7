#pragma once
// One file's ID3v1 tag in memory: read from the file's last 128 bytes, changed field by field,
// and written back over the old tag or appended; and, for naming, the values of the ID3v2 tags
// at the file's start, which are only read. One record per file and per use.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/AnsiCodePage.h"
#include "model/FileNameParts.h"
#include "tags/Id3v1.h"
#include "tags/Id3v2.h"
#include "tags/TagFile.h"

namespace tessary {

// What read() returns. Callers look at opened, isMp3 and hasTag rather than at the code.
enum TagReadCode : int {
    TagReadNotOpened = 0,  // the file cannot be opened
    TagReadFailed = 1,     // a read of the file came back short of what the file holds
    TagReadTooShort = 2,   // shorter than 4 or 132 bytes, or neither a frame nor an ID3v2 tag
    TagReadNoTag = 3,      // the last 128 bytes do not start with "TAG"
    TagReadDone = 4,
};

class Mp3TagRecord {
  public:
    explicit Mp3TagRecord(std::u16string_view fullPath);

    // The path the codec opens, exactly as given, and its parts.
    const std::u16string& fullPath() const { return fullPath_; }
    const FileNameParts& pathParts() const { return parts_; }

    // Fills the record from the file (every field starts again from its initial value). The tag
    // is read whatever the MP3 test said: a file can be no MP3 and still have a tag. With
    // `withId3v2`, the ID3v2 tags' values are read too.
    int read(TagFiles& files, const AnsiCodePage& codePage, bool withId3v2 = false);
    // Writes the record as the file's tag: over the old one when the last 128 bytes start with
    // "TAG", appended otherwise (so also for a file shorter than 128 bytes). 1 on success, 0
    // when the record is not marked MP3 or the file cannot be opened or written.
    int write(TagFiles& files, const AnsiCodePage& codePage) const;

    bool opened() const { return opened_; }
    bool isMp3() const { return isMp3_; }
    bool hasTag() const { return hasTag_; }
    // What the ID3v2 tags at the start hold, when read() was asked for them.
    const Id3v2Values& id3v2() const { return id3v2_; }

    const std::u16string& title() const { return title_; }
    const std::u16string& artist() const { return artist_; }
    const std::u16string& album() const { return album_; }
    const std::u16string& year() const { return year_; }
    const std::u16string& comment() const { return comment_; }
    const std::u16string& trackText() const { return trackText_; }
    std::int32_t trackNumber() const { return trackNumber_; }
    bool hasTrack() const { return hasTrack_; }
    // 0 to 79, or -1 for none.
    std::int32_t genreIndex() const;
    std::u16string genreText() const { return std::u16string(tessary::genreText(genreIndex())); }

    void setTitle(std::u16string_view text) { title_.assign(text); }
    void setArtist(std::u16string_view text) { artist_.assign(text); }
    void setAlbum(std::u16string_view text) { album_.assign(text); }
    void setYear(std::u16string_view text) { year_.assign(text); }
    void setComment(std::u16string_view text) { comment_.assign(text); }
    // The track as decimal text (leading blanks and a sign are accepted; anything that is not a
    // number is 0); the tag then carries a track. Its low byte is written.
    void setTrack(std::u16string_view text);
    // Its low byte is written, so -1 writes 255, "no genre".
    void setGenreIndex(std::int32_t index) { genreByte_ = static_cast<std::uint8_t>(index); }

  private:
    void clearFields();

    std::u16string fullPath_;
    FileNameParts parts_;
    bool opened_ = false;
    bool isMp3_ = false;
    bool hasTag_ = false;
    std::u16string title_, artist_, album_, year_, comment_, trackText_;
    std::int32_t trackNumber_ = 0;
    bool hasTrack_ = false;
    // The genre byte as the tag holds it: values beyond the table (other programs use up to
    // 191) show as no genre but are written back unchanged.
    std::uint8_t genreByte_ = 0xFF;
    Id3v2Values id3v2_;
};

}  // namespace tessary
