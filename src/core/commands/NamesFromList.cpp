#include "commands/NamesFromList.h"

#include <utility>

#include "disk/PreviewCheck.h"
#include "model/NumberText.h"
#include "model/Utf8.h"

namespace tessary {
namespace {

std::u16string decodeText(std::string_view bytes, const AnsiCodePage& codePage) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return fromUtf8(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE")) {
        std::u16string text;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 static_cast<unsigned char>(bytes[i + 1]) << 8));
        }
        return text;
    }
    if (auto text = fromValidUtf8(bytes)) return std::move(*text);
    return codePage.decode(bytes);
}

}  // namespace

std::vector<std::u16string> decodeNameLines(std::string_view bytes, const AnsiCodePage& codePage) {
    const std::u16string text = decodeText(bytes, codePage);
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\n' && text[i] != u'\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

NamesImport importNames(FileListModel& model, const std::vector<std::u16string>& lines) {
    NamesImport result;
    const int rows = model.rowCount();
    for (int row = 0; row < rows; ++row) {
        const bool named = static_cast<std::size_t>(row) < lines.size();
        model.setText(row, ColPreview,
                      named ? lines[static_cast<std::size_t>(row)] : model.text(row, ColFileName));
        model.setText(row, ColStatus, kStatusUnchanged);
        if (named) ++result.named;
    }
    if (lines.size() > static_cast<std::size_t>(rows)) {
        result.extraLines = static_cast<int>(lines.size() - static_cast<std::size_t>(rows));
    }
    return result;
}

std::u16string importPaneText(int renamed, int refused, int extraLines) {
    std::u16string text = previewPaneText(renamed, refused);
    if (extraLines > 0) text += u"，多出" + decimalText(extraLines) + u"行";
    return text;
}

}  // namespace tessary
