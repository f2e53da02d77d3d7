#include "commands/ListCommands.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "commands/MemoEncoder.h"
#include "disk/OverlappedWriter.h"
#include "disk/RenameOutcome.h"
#include "model/NumberText.h"

namespace tessary {

namespace {

// The selection as one flag per row; indexes of rows that do not exist are dropped.
std::vector<bool> selectionMask(const FileListModel& model, const RowSelection& selected,
                                int& count) {
    std::vector<bool> mask(static_cast<std::size_t>(model.rowCount()), false);
    count = 0;
    for (int row : selected) {
        if (model.hasRow(row) && !mask[row]) {
            mask[row] = true;
            ++count;
        }
    }
    return mask;
}

// Deletes row `from` and inserts it again at `to` with every column text it had, tag columns
// included.
void moveRow(FileListModel& model, int from, int to) {
    const int columns = std::max(model.columnCount(), kColumnCountWithTags);
    std::vector<std::u16string> texts;
    texts.reserve(columns);
    for (int c = 0; c < columns; ++c) texts.emplace_back(model.text(from, c));
    model.deleteRow(from);
    const int row = model.insertRow(to, std::move(texts[0]));
    for (int c = 1; c < columns; ++c) model.setText(row, c, texts[c]);
}

}  // namespace

std::u16string fileCountText(int rows) { return u"列表中的文件数:" + decimalText(rows) + u"个"; }

CommandEffects clearListShort(FileListModel& model, int& fileCounter, RecordedHistory& history) {
    model.deleteAllRows();
    fileCounter = 0;
    history.clear();
    CommandEffects effects;
    effects.newExtensionText = u"";
    return effects;
}

CommandEffects clearList(FileListModel& model, int& fileCounter, RecordedHistory& history) {
    CommandEffects effects = clearListShort(model, fileCounter, history);
    effects.pane0 = fileCountText(0);
    effects.enableApply = false;
    return effects;
}

CommandEffects removeSelectedRows(FileListModel& model, int& fileCounter,
                                  const RowSelection& selected) {
    CommandEffects effects;
    if (model.rowCount() == 0) return effects;
    int count = 0;
    const std::vector<bool> mask = selectionMask(model, selected, count);
    if (count == 0) {
        effects.pane0 = u"提示：请您先在列表框中选择需要删除的项目，然后再利用'删除选中项目功能'";
        return effects;
    }
    fileCounter -= count;
    model.deleteRows(mask);
    effects.pane0 = fileCountText(model.rowCount());
    effects.pane1 = u"";
    if (fileCounter <= 0) effects.newExtensionText = u"";
    return effects;
}

CommandEffects removeUnselectedRows(FileListModel& model, int& fileCounter,
                                    const RowSelection& selected) {
    CommandEffects effects;
    if (model.rowCount() == 0) return effects;
    int count = 0;
    std::vector<bool> mask = selectionMask(model, selected, count);
    if (count == 0) {
        effects.pane1 = u"提示：请您先在列表框中选择需要删除的项目，然后在利用'删除选中项目功能'";
        return effects;
    }
    const int unselected = model.rowCount() - count;
    if (unselected == 0) return effects;
    mask.flip();
    fileCounter -= unselected;
    model.deleteRows(mask);
    effects.pane0 = fileCountText(model.rowCount());
    return effects;
}

MoveResult moveRowUp(FileListModel& model, int currentRow) {
    MoveResult result;
    if (!model.hasRow(currentRow)) return result;
    if (currentRow == 0) {
        result.effects.message = u"已经到达列表的第一行!";
        return result;
    }
    moveRow(model, currentRow, currentRow - 1);
    result.moved = true;
    result.currentRow = currentRow - 1;
    result.displacedRow = currentRow;
    return result;
}

MoveResult moveRowDown(FileListModel& model, int currentRow) {
    MoveResult result;
    if (!model.hasRow(currentRow)) return result;
    if (currentRow + 1 == model.rowCount()) {
        result.effects.message = u"已经到达列表的最后一行!";
        return result;
    }
    moveRow(model, currentRow, currentRow + 1);
    result.moved = true;
    result.currentRow = currentRow + 1;
    result.displacedRow = currentRow;
    return result;
}

std::u16string openFolderParameters(const FileListModel& model, int currentRow) {
    const std::u16string_view name = model.text(currentRow, ColFileName);
    if (name.empty()) return {};
    return joined({u" /e,/select,", model.text(currentRow, ColPath), name});
}

std::u16string openFilePath(const FileListModel& model, int currentRow) {
    return joined({model.text(currentRow, ColPath), model.text(currentRow, ColFileName)});
}

std::u16string openWithParameters(std::u16string_view path) {
    return u" shell32.dll,OpenAs_RunDLL " + std::u16string(path);
}

std::optional<std::u16string> exportRefusal(const FileListModel& model) {
    if (model.rowCount() <= 0) return std::u16string(u"列表中没有记录！");
    return std::nullopt;
}

namespace {

constexpr int kExportColumns[] = {ColFileName, ColPreview,      ColSize,     ColPath,
                                  ColStatus,   ColDateModified, ColExtension};

void appendLine(std::u16string& out, const FileListModel& model, int row) {
    bool first = true;
    for (int column : kExportColumns) {
        if (!first) out += u'?';
        out += model.text(row, column);
        first = false;
    }
}

}  // namespace

std::u16string exportLine(const FileListModel& model, int row) {
    std::u16string line;
    appendLine(line, model, row);
    return line;
}

namespace {

// Compared eight bytes at a time in place: the C library's memcmp is a call per cell, and a
// slow one under some runtimes, for texts of a few dozen bytes.
bool sameUnits(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    if (a.data() == b.data()) return true;
    const char* x = reinterpret_cast<const char*>(a.data());
    const char* y = reinterpret_cast<const char*>(b.data());
    const std::size_t bytes = a.size() * 2;
    std::size_t i = 0;
    for (; i + 8 <= bytes; i += 8) {
        std::uint64_t u, v;
        std::memcpy(&u, x + i, 8);
        std::memcpy(&v, y + i, 8);
        if (u != v) return false;
    }
    for (; i < bytes; i += 2) {
        if (a[i / 2] != b[i / 2]) return false;
    }
    return true;
}

// The same for copying: the cells, separators and line ends are short.
void copyBytes(char* to, const char* from, std::size_t bytes) {
    std::size_t i = 0;
    for (; i + 8 <= bytes; i += 8) std::memcpy(to + i, from + i, 8);
    for (; i < bytes; ++i) to[i] = from[i];
}

// Encodes the exported columns of one row after another. A cell that reads as the one above it
// (the folder, the status, the date and the extension of most rows) takes the bytes written for
// that one rather than being encoded again. Before the first row of a chunk the cell above is
// empty, with no bytes, which is what an empty text encodes to.
class ExportLineEncoder {
  public:
    explicit ExportLineEncoder(const AnsiCodePage& codePage)
        : encoder_(codePage),
          separator_(codePage.encode(u"?")),
          lineEnd_(codePage.encode(u"\r\n")) {}

    void appendLine(EncodedBytes& out, const FileListModel& model, int row) {
        for (std::size_t i = 0; i < std::size(kExportColumns); ++i) {
            if (i > 0) appendBytes(out, separator_);
            const std::u16string_view text = model.text(row, kExportColumns[i]);
            Cell& above = above_[i];
            const std::size_t at = out.view().size();
            if (sameUnits(text, above.text)) {
                // Made room first: the block may move.
                char* to = out.room(above.bytes);
                copyBytes(to, out.view().data() + above.at, above.bytes);
                out.wrote(to + above.bytes);
            } else {
                encoder_.append(out, text);
                above = {text, 0, out.view().size() - at};
            }
            above.at = at;
        }
        appendBytes(out, lineEnd_);
    }

    // The next row goes into another block: it encodes every cell.
    void forgetAbove() { above_ = {}; }

  private:
    static void appendBytes(EncodedBytes& out, std::string_view bytes) {
        char* to = out.room(bytes.size());
        copyBytes(to, bytes.data(), bytes.size());
        out.wrote(to + bytes.size());
    }

    struct Cell {
        std::u16string_view text;
        std::size_t at = 0;  // where its bytes start in the output
        std::size_t bytes = 0;
    };
    MemoEncoder encoder_;
    const std::string separator_;
    const std::string lineEnd_;
    std::array<Cell, std::size(kExportColumns)> above_{};
};

}  // namespace

struct ExportChunks::Encoder : ExportLineEncoder {
    using ExportLineEncoder::ExportLineEncoder;
};

ExportChunks::ExportChunks(const FileListModel& model, const AnsiCodePage& codePage)
    : model_(model), encoder_(std::make_unique<Encoder>(codePage)) {}

ExportChunks::~ExportChunks() = default;

std::string_view ExportChunks::next() {
    filling_ = 1 - filling_;
    EncodedBytes& chunk = chunks_[filling_];
    chunk.clear();
    encoder_->forgetAbove();
    while (row_ < model_.rowCount() && chunk.view().size() < BufferedFileWriter::kChunkBytes) {
        encoder_->appendLine(chunk, model_, row_++);
    }
    return chunk.view();
}

std::string exportFileBytes(const FileListModel& model, const AnsiCodePage& codePage) {
    std::string bytes;
    ExportChunks chunks(model, codePage);
    for (std::string_view chunk = chunks.next(); !chunk.empty(); chunk = chunks.next()) {
        bytes.append(chunk);
    }
    return bytes;
}

std::u16string exportDoneMessage(std::u16string_view path, int rows) {
    return u"      导出成功:导出到" + std::u16string(path) + u".    共导出" + decimalText(rows) +
           u"条记录";
}

CommandEffects exportList(const FileListModel& model, FileSystem& fs, const AnsiCodePage& codePage,
                          std::u16string_view path) {
    CommandEffects effects;
    if (auto refusal = exportRefusal(model)) {
        effects.message = std::move(refusal);
        return effects;
    }
    // Written a chunk at a time: a list of 200,000 rows never has its whole file in memory.
    const std::unique_ptr<FileSink> file = fs.createFile(path);
    bool written = file != nullptr;
    if (written) {
        // The chunks outlive the writer, which may still be writing the last of them.
        ExportChunks chunks(model, codePage);
        OverlappedWriter writer(*file);
        for (std::string_view chunk = chunks.next(); written && !chunk.empty();
             chunk = chunks.next()) {
            written = writer.hand(chunk);
        }
        written = writer.finish() && written;
    }
    if (written) {
        effects.message = exportDoneMessage(path, model.rowCount());
    } else {
        // Saying "exported" for a file that was never written would lose the user's list.
        effects.message = u"      导出失败:无法写入文件" + std::u16string(path);
    }
    return effects;
}

CommandEffects refreshList(FileListModel& model, const FileSystem& fs) {
    CommandEffects effects;
    if (model.rowCount() == 0) return effects;
    std::u16string path;
    for (int row = 0; row < model.rowCount(); ++row) {
        model.setText(row, ColPreview, u"");
        path.assign(model.text(row, ColPath));
        path.append(model.text(row, ColFileName));
        switch (fs.queryAttributes(path).result) {
            case QueryResult::Found:
                model.setText(row, ColStatus, kStatusUnchanged);
                break;
            case QueryResult::NotFound:
                model.setText(row, ColStatus, kStatusFileMissing);
                break;
            case QueryResult::Failed:
                break;  // access refused, not ready: keep what it said
        }
    }
    effects.enableApply = false;
    return effects;
}

}  // namespace tessary
