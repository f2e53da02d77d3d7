#pragma once
// Runs the preview over a list built from file names, as the window does after adding files.

#include <string>
#include <vector>

#include "model/FileListModel.h"
#include "rules/Preview.h"

namespace tessary::testing {

inline FileListModel listOf(const std::vector<std::u16string>& names) {
    FileListModel model = FileListModel::withStandardColumns();
    for (const auto& name : names) model.insertRow(model.rowCount(), name);
    return model;
}

inline std::vector<std::u16string> column(const FileListModel& model, int col) {
    std::vector<std::u16string> texts;
    for (int row = 0; row < model.rowCount(); ++row) texts.emplace_back(model.text(row, col));
    return texts;
}

inline std::vector<std::u16string> previews(int page, const PageOptions& options,
                                            const std::vector<std::u16string>& names) {
    FileListModel model = listOf(names);
    runPreview(model, page, options);
    return column(model, ColPreview);
}

inline std::u16string previewOne(int page, const PageOptions& options, const std::u16string& name) {
    return previews(page, options, {name}).front();
}

}  // namespace tessary::testing
