#pragma once
// Lists of files on the in-memory file system, built as adding files builds rows.

#include <string>
#include <vector>

#include "commands/AddFiles.h"
#include "disk/MemoryFileSystem.h"
#include "disk/RowDetails.h"
#include "model/FileListModel.h"

namespace tessary::testing {

inline constexpr char16_t kFolder[] = u"C:\\照片\\";

// Adds a row at the end for the file at folder + name, as adding files builds it.
inline int addListedRow(FileListModel& model, const FileSystem& fs, const std::u16string& folder,
                        const std::u16string& name) {
    return addQueuedFile(model, static_cast<std::uint32_t>(model.rowCount()), folder + name, fs);
}

// A folder holding files whose content is their own name, and a list of them in that order.
struct ListedFiles {
    MemoryFileSystem fs;
    FileListModel model = FileListModel::withStandardColumns();

    explicit ListedFiles(const std::vector<std::u16string>& names,
                         const std::u16string& folder = kFolder) {
        fs.addFolder(folder);
        for (const auto& name : names) {
            fs.addFile(folder + name, contentOf(name));
            addListedRow(model, fs, folder, name);
        }
    }

    static std::string contentOf(const std::u16string& name) {
        std::string s;
        for (char16_t c : name) s += c < 0x80 ? static_cast<char>(c) : '#';
        return "content of " + s;
    }

    void preview(const std::vector<std::u16string>& previews) {
        for (int row = 0; row < model.rowCount() && row < static_cast<int>(previews.size());
             ++row) {
            model.setText(row, ColPreview, previews[row]);
            model.setText(row, ColStatus, kStatusUnchanged);
        }
    }

    std::vector<std::u16string> column(int column) const {
        std::vector<std::u16string> texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts.emplace_back(model.text(row, column));
        return texts;
    }

    std::vector<std::u16string> names(const std::u16string& folder = kFolder) const {
        return fs.namesIn(folder);
    }
};

}  // namespace tessary::testing
