#include "tags/TagTemplates.h"

namespace tessary {

std::u16string_view tagTokenText(TagToken token) {
    switch (token) {
        case TagToken::Artist:
            return u"/A";
        case TagToken::Title:
            return u"/T";
        case TagToken::Album:
            return u"/B";
        case TagToken::Year:
            return u"/Y";
        case TagToken::Genre:
            return u"/G";
        case TagToken::Sequence:
            return u"/D";
        case TagToken::Track:
            return u"/R";
    }
    return {};
}

const std::array<TemplateEntry, 4>& readyMadeTemplates() {
    static constexpr std::array<TemplateEntry, 4> kTemplates = {{
        {u"艺术家-标题", u"/A-/T"},
        {u"标题-艺术家", u"/T-/A"},
        {u"艺术家-标题-专辑", u"/A-/T-/B"},
        {u"序号-标题", u"/D-/T"},
    }};
    return kTemplates;
}

std::u16string chooseTemplate(std::u16string_view current, int index) {
    const auto& templates = readyMadeTemplates();
    if (index < 0 || index >= static_cast<int>(templates.size())) return std::u16string(current);
    return std::u16string(templates[static_cast<std::size_t>(index)].style);
}

std::u16string appendToken(std::u16string_view current, TagToken token) {
    return std::u16string(current) + std::u16string(tagTokenText(token));
}

}  // namespace tessary
