#include "commands/AddFiles.h"

#include "disk/RowDetails.h"
#include "model/FileNameParts.h"
#include "model/NumberText.h"

namespace tessary {

int addQueuedFile(FileListModel& model, std::uint32_t index, std::u16string_view path,
                  const FileSystem& fs) {
    const FileNameParts parts = FileNameParts::fromFullPath(path);
    std::u16string name = parts.mainName();
    if (!parts.extension().empty()) name += u"." + parts.extension();
    const int row = model.insertRow(static_cast<int>(index), name);
    model.setText(row, ColPath, parts.folder());
    model.setText(row, ColOriginalName, name);
    model.setText(row, ColFullPath, path);
    model.setText(row, ColExtension, parts.extension());
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
