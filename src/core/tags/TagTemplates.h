#pragma once
// Naming templates for MP3 files, composed in the "Name Style" field out of tag tokens: the
// four ready-made templates of the "Template" list, one button per token, and "Clear Style".
// The template is plain text and an editing aid only; nothing builds names from it.

#include <array>
#include <string>
#include <string_view>

namespace tessary {

enum class TagToken : int { Artist, Title, Album, Year, Genre, Sequence, Track };

// "/A", "/T", "/B", "/Y", "/G", "/D" and "/R".
std::u16string_view tagTokenText(TagToken token);

struct TemplateEntry {
    std::u16string_view shown;  // the entry of the drop-down list
    std::u16string_view style;  // the template it puts into "Name Style"
};

// In the order the list is filled: "艺术家-标题", "标题-艺术家", "艺术家-标题-专辑", "序号-标题".
const std::array<TemplateEntry, 4>& readyMadeTemplates();

// Choosing entry `index` of the list replaces the whole template; with no entry selected (or
// an index the list lacks) the template stays as it is.
std::u16string chooseTemplate(std::u16string_view current, int index);
// A token button appends its token, with no separator.
std::u16string appendToken(std::u16string_view current, TagToken token);
// "Clear Style".
inline std::u16string clearStyle() { return {}; }

}  // namespace tessary
