// An MP3 file is whatever the user added to the list: any content must read without a fault,
// its ID3v2 tags included, give a consistent record, and, when it counts as MP3, take a rewrite of
// its own tag that changes only the last 128 bytes (or appends them) and reads back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/AnsiCodePage.h"
#include "platform/SystemServices.h"
#include "tags/MemoryTagFiles.h"
#include "tags/Mp3TagRecord.h"

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

bool sameTexts(const tessary::Mp3TagRecord& a, const tessary::Mp3TagRecord& b) {
    return a.title() == b.title() && a.artist() == b.artist() && a.album() == b.album() &&
           a.year() == b.year() && a.comment() == b.comment() && a.trackText() == b.trackText() &&
           a.genreIndex() == b.genreIndex();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessary;
    static const std::unique_ptr<AnsiCodePage> codePage = makeSystemAnsiCodePage();
    constexpr char16_t path[] = u"C:\\Music\\fuzz.mp3";
    const std::string content(reinterpret_cast<const char*>(data), size);
    MemoryTagFiles files;
    files.addFile(path, content);

    Mp3TagRecord record(path);
    const int code = record.read(files, *codePage);
    check(code >= TagReadFailed && code <= TagReadDone && record.opened());
    check(record.hasTag() == (code == TagReadDone));
    check(files.content(path) == content);
    check(record.year().size() <= 4);
    check(record.trackNumber() >= 0 && record.trackNumber() <= 255);
    check(record.hasTrack() == !record.trackText().empty());
    check(record.genreIndex() >= -1 && record.genreIndex() < 80);
    check(record.genreText().empty() == (record.genreIndex() < 0));
    for (const std::u16string* text :
         {&record.title(), &record.artist(), &record.album(), &record.comment()}) {
        check(text->size() <= 30 && text->find(u'\0') == std::u16string::npos);
    }

    // The ID3v2 tags, read for naming, change nothing of the rest and keep their values whole.
    Mp3TagRecord named(path);
    check(named.read(files, *codePage, true) == code);
    check(named.isMp3() == record.isMp3() && named.hasTag() == record.hasTag());
    check(sameTexts(named, record));
    const Id3v2Values& v2 = named.id3v2();
    if (v2.year) check(v2.year->size() <= 4);
    if (v2.track) check(*v2.track >= 0 && *v2.track <= 1'000'000);
    for (const auto* text : {&v2.title, &v2.artist, &v2.album, &v2.year, &v2.genre}) {
        if (*text) check(!(*text)->empty() && (*text)->size() <= content.size());
    }
    check(files.content(path) == content);

    const int written = record.write(files, *codePage);
    check(written == (record.isMp3() ? 1 : 0));
    const std::string after = *files.content(path);
    if (!written) {
        check(after == content);
        return 0;
    }
    const bool replaced = size >= 128 && content.compare(size - 128, 3, "TAG") == 0;
    check(after.size() == (replaced ? size : size + 128));
    check(after.compare(0, replaced ? size - 128 : size, content, 0,
                        replaced ? size - 128 : size) == 0);
    check(after.compare(after.size() - 128, 3, "TAG") == 0);

    // The rewritten tag reads back as the one read, and writing it again changes no byte.
    // (A file that stays shorter than a frame and a tag is not read for its tag.)
    Mp3TagRecord again(path);
    const int reread = again.read(files, *codePage);
    check(reread == (after.size() >= 132 ? TagReadDone : TagReadTooShort));
    if (record.hasTag()) check(sameTexts(record, again));
    // The MP3 test is not asked again: a tag may cover the audio an ID3v2 header points at.
    check(record.write(files, *codePage) == 1);
    check(*files.content(path) == after);
    return 0;
}
