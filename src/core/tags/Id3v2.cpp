#include "tags/Id3v2.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/Utf8.h"
#include "tags/Id3v1.h"

namespace tessary {
namespace {

constexpr std::size_t kHeaderSize = 10;
// Tag flags.
constexpr unsigned char kTagUnsynchronised = 0x80;
constexpr unsigned char kTagExtendedHeader = 0x40;  // in version 2.2: the tag is compressed

std::uint32_t bigEndian(std::span<const unsigned char> b) {
    std::uint32_t v = 0;
    for (const unsigned char c : b) v = (v << 8) | c;
    return v;
}

std::uint32_t syncsafe(std::span<const unsigned char> b) {
    std::uint32_t v = 0;
    for (const unsigned char c : b) v = (v << 7) | (c & 0x7F);
    return v;
}

// Undoes unsynchronisation: every 0xFF 0x00 was 0xFF alone.
std::vector<unsigned char> resynchronised(std::span<const unsigned char> bytes) {
    std::vector<unsigned char> out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out.push_back(bytes[i]);
        if (bytes[i] == 0xFF && i + 1 < bytes.size() && bytes[i + 1] == 0x00) ++i;
    }
    return out;
}

enum class Field { None, Title, Artist, Album, Year, Track, Genre };

Field fieldOf(std::string_view id) {
    struct Name {
        std::string_view id;
        Field field;
    };
    // Version 2.2's three-letter names, then those of 2.3 and 2.4; TDRC is 2.4's recording time.
    static constexpr Name names[] = {
        {"TT2", Field::Title},  {"TP1", Field::Artist},  {"TAL", Field::Album},
        {"TYE", Field::Year},   {"TRK", Field::Track},   {"TCO", Field::Genre},
        {"TIT2", Field::Title}, {"TPE1", Field::Artist}, {"TALB", Field::Album},
        {"TYER", Field::Year},  {"TDRC", Field::Year},   {"TRCK", Field::Track},
        {"TCON", Field::Genre},
    };
    for (const Name& n : names) {
        if (n.id == id) return n.field;
    }
    return Field::None;
}

// An empty frame says nothing: the field is left to a later tag or to the ID3v1 tag.
void keep(std::optional<std::u16string>& slot, std::u16string text) {
    if (!slot && !text.empty()) slot = std::move(text);
}

void store(Field field, const std::u16string& text, Id3v2Values& values) {
    switch (field) {
        case Field::Title:
            keep(values.title, text);
            break;
        case Field::Artist:
            keep(values.artist, text);
            break;
        case Field::Album:
            keep(values.album, text);
            break;
        case Field::Year:
            keep(values.year, text.substr(0, 4));
            break;
        case Field::Genre:
            keep(values.genre, genreName(text));
            break;
        case Field::Track:
            if (!values.track) values.track = trackNumber(text);
            break;
        case Field::None:
            break;
    }
}

// One frame's content made plain: nothing for a frame compressed or encrypted.
std::optional<std::vector<unsigned char>> frameContent(std::span<const unsigned char> data,
                                                       int major, unsigned char format,
                                                       bool tagUnsynchronised) {
    bool unsynchronised = false;
    if (major == 3) {
        if ((format & 0xC0) != 0) return std::nullopt;  // compressed, encrypted
        if ((format & 0x20) != 0) data = data.subspan(std::min<std::size_t>(1, data.size()));
    } else if (major == 4) {
        if ((format & 0x0C) != 0) return std::nullopt;  // compressed, encrypted
        if ((format & 0x40) != 0) data = data.subspan(std::min<std::size_t>(1, data.size()));
        if ((format & 0x01) != 0) data = data.subspan(std::min<std::size_t>(4, data.size()));
        unsynchronised = (format & 0x02) != 0 || tagUnsynchronised;
    }
    if (unsynchronised) return resynchronised(data);
    return std::vector<unsigned char>(data.begin(), data.end());
}

std::u16string utf16(std::span<const unsigned char> bytes, bool bigEndianUnits) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = bigEndianUnits ? static_cast<char16_t>(bytes[i] << 8 | bytes[i + 1])
                                             : static_cast<char16_t>(bytes[i + 1] << 8 | bytes[i]);
        if (unit == 0) break;
        text.push_back(unit);
    }
    return text;
}

}  // namespace

std::optional<std::u16string> decodeTextFrame(std::span<const unsigned char> content,
                                              const AnsiCodePage& codePage) {
    if (content.empty()) return std::nullopt;
    const std::span<const unsigned char> bytes = content.subspan(1);
    auto upToZero = [&bytes] {
        const auto end = std::find(bytes.begin(), bytes.end(), 0);
        return std::string_view(reinterpret_cast<const char*>(bytes.data()),
                                static_cast<std::size_t>(end - bytes.begin()));
    };
    switch (content[0]) {
        case 0: {
            const std::string_view text = upToZero();
            if (std::all_of(text.begin(), text.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
                return std::u16string(text.begin(), text.end());
            }
            return codePage.decode(text);
        }
        case 1: {
            if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
                return utf16(bytes.subspan(2), true);
            }
            if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
                return utf16(bytes.subspan(2), false);
            }
            return utf16(bytes, false);  // no mark: the order most taggers wrote
        }
        case 2:
            return utf16(bytes, true);
        case 3:
            return fromUtf8(upToZero());
        default:
            return std::nullopt;
    }
}

std::u16string genreName(std::u16string_view text) {
    auto tableName = [](int index) -> std::u16string {
        const std::u16string_view entry = genreText(index);
        const std::size_t dot = entry.find(u'.');
        return std::u16string(dot == std::u16string_view::npos ? entry : entry.substr(dot + 1));
    };
    auto number = [](std::u16string_view digits) -> std::optional<int> {
        if (digits.empty() || digits.size() > 3) return std::nullopt;
        int n = 0;
        for (const char16_t c : digits) {
            if (c < u'0' || c > u'9') return std::nullopt;
            n = n * 10 + (c - u'0');
        }
        return n;
    };
    if (!text.empty() && text[0] == u'(') {
        const std::size_t close = text.find(u')');
        if (close != std::u16string_view::npos) {
            const std::u16string_view inside = text.substr(1, close - 1);
            const std::u16string_view after = text.substr(close + 1);
            // A refinement after the number is the tagger's own name for it.
            if (!after.empty()) return std::u16string(after);
            if (inside == u"RX") return u"Remix";
            if (inside == u"CR") return u"Cover";
            if (const auto n = number(inside)) return tableName(*n);
        }
    }
    if (const auto n = number(text)) return tableName(*n);
    return std::u16string(text);
}

std::optional<int> trackNumber(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == u' ') ++i;
    if (i == text.size() || text[i] < u'0' || text[i] > u'9') return std::nullopt;
    int n = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        n = std::min(n * 10 + (text[i] - u'0'), 1'000'000);
    }
    return n;
}

bool readId3v2Frames(std::span<const unsigned char> tag, const AnsiCodePage& codePage,
                     Id3v2Values& values) {
    if (tag.size() < kHeaderSize || !startsWithId3v2(tag)) return true;
    const int major = tag[3];
    const unsigned char flags = tag[5];
    if (major == 2 && (flags & kTagExtendedHeader) != 0) return true;  // compressed whole
    const std::uint32_t bodySize = syncsafe(tag.subspan(6, 4));
    const std::size_t have = tag.size() - kHeaderSize;
    const bool cutShort = have < bodySize;
    std::span<const unsigned char> body =
        tag.subspan(kHeaderSize, std::min<std::size_t>(have, bodySize));

    // Before 2.4 unsynchronisation covers the whole tag; 2.4 applies it frame by frame.
    std::vector<unsigned char> plain;
    const bool tagUnsynchronised = (flags & kTagUnsynchronised) != 0;
    if (tagUnsynchronised && major < 4) {
        plain = resynchronised(body);
        body = plain;
    }

    std::size_t at = 0;
    if ((flags & kTagExtendedHeader) != 0 && body.size() >= 4) {
        // 2.3 counts the extended header's size without its four size bytes, 2.4 with them.
        const std::uint64_t size =
            major == 3 ? std::uint64_t{bigEndian(body.first(4))} + 4 : syncsafe(body.first(4));
        if (size > body.size()) return !cutShort;
        at = static_cast<std::size_t>(size);
    }

    const std::size_t headerSize = major == 2 ? 6 : 10;
    const std::size_t idSize = major == 2 ? 3 : 4;
    while (at + headerSize <= body.size()) {
        const std::span<const unsigned char> header = body.subspan(at, headerSize);
        if (header[0] == 0) return true;  // padding: no frame follows
        const std::uint32_t size = major == 2   ? bigEndian(header.subspan(3, 3))
                                   : major == 3 ? bigEndian(header.subspan(4, 4))
                                                : syncsafe(header.subspan(4, 4));
        const std::size_t start = at + headerSize;
        if (size > body.size() - start) return !cutShort;  // a frame cut short ends the tag
        at = start + size;
        const std::string_view id(reinterpret_cast<const char*>(header.data()), idSize);
        const Field field = fieldOf(id);
        if (field == Field::None) continue;
        const auto content = frameContent(body.subspan(start, size), major,
                                          major == 2 ? 0 : header[9], tagUnsynchronised);
        if (!content) continue;
        if (const auto text = decodeTextFrame(*content, codePage)) store(field, *text, values);
    }
    return !cutShort;
}

}  // namespace tessary
