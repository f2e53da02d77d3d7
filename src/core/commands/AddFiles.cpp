#include "commands/AddFiles.h"

#include <algorithm>

#include "disk/RowDetails.h"
#include "model/FileNameParts.h"
#include "model/NumberText.h"

namespace tessary {

int addQueuedFile(FileListModel& model, std::uint32_t index, std::u16string_view path,
                  const FileSystem& fs) {
    const FileNameParts parts = FileNameParts::fromFullPath(path);
    std::u16string name = parts.mainName();
    if (!parts.extension().empty()) name += u"." + parts.extension();
    // The path is kept once: the folder, the name and the extension share its units where it
    // holds them, which it does unless the split found nothing. The room is the path's and
    // that of the size, the status and the date.
    const int row = model.insertRow(static_cast<int>(index), {}, path.size() + kRowDetailUnits);
    model.setText(row, ColFullPath, path);
    const auto partOfPath = [&](std::u16string_view part, std::size_t at) {
        const std::u16string_view full = model.text(row, ColFullPath);
        const bool within = at <= full.size() && full.substr(at, part.size()) == part;
        return within ? full.substr(at, part.size()) : part;
    };
    const std::u16string_view extension = parts.extension();
    model.setText(row, ColFileName,
                  partOfPath(name, path.size() - std::min(path.size(), name.size())));
    model.setText(row, ColOriginalName, model.text(row, ColFileName));
    model.setText(row, ColPath, partOfPath(parts.folder(), 0));
    model.setText(row, ColExtension,
                  partOfPath(extension, path.size() - std::min(path.size(), extension.size())));
    writeRowDetails(model, row, fs, path);
    model.setItemValue(row, static_cast<std::int32_t>(index));
    return row;
}

PickedFiles splitPickedFiles(std::u16string_view buffer) {
    const std::vector<std::u16string_view> strings = zeroSeparatedStrings(buffer);
    PickedFiles picked;
    if (strings.empty()) return picked;
    picked.resultPath = std::u16string(strings.front());
    if (strings.size() == 1) {
        picked.files.push_back(picked.resultPath);
        return picked;
    }
    std::u16string folder = picked.resultPath;
    if (folder.back() != u'\\') folder += u'\\';
    for (std::size_t i = 1; i < strings.size(); ++i) {
        picked.files.push_back(folder + std::u16string(strings[i]));
    }
    return picked;
}

std::u16string progressPercentText(std::uint32_t index, std::uint32_t total) {
    if (total == 0) return {};
    const std::uint64_t percent = std::uint64_t{index} * 100 / total;
    return u"%" + decimalText(static_cast<long long>(percent));
}

}  // namespace tessary
