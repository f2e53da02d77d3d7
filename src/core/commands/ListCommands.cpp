#include "commands/ListCommands.h"

#include <algorithm>

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

// Converts text to the code page one character at a time, remembering each character's bytes:
// a list has few distinct characters, so the code page is asked only a few hundred times
// instead of once per character. The code page has no shift states, so the bytes are those of
// converting the whole text at once; surrogate pairs are converted as pairs.
class MemoEncoder {
  public:
    explicit MemoEncoder(const AnsiCodePage& codePage) : codePage_(codePage), memo_(0x10000) {
        std::u16string ascii(0x80, u'\0');
        std::string identity(0x80, '\0');
        for (int c = 0; c < 0x80; ++c) {
            ascii[c] = static_cast<char16_t>(c);
            identity[c] = static_cast<char>(c);
        }
        asciiIsItself_ = codePage_.encode(ascii) == identity;
    }

    void append(std::string& out, std::u16string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            if (c < 0x80 && asciiIsItself_) {
                out.push_back(static_cast<char>(c));
                continue;
            }
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                text[i + 1] < 0xE000) {
                out += codePage_.encode(text.substr(i, 2));
                ++i;
                continue;
            }
            Memo& m = memo_[c];
            if (m.length == kUnknown) {
                const std::string bytes = codePage_.encode(std::u16string_view(&c, 1));
                m.length = bytes.size() <= sizeof m.bytes ? static_cast<std::uint8_t>(bytes.size())
                                                          : kTooLong;
                if (m.length != kTooLong) bytes.copy(m.bytes, bytes.size());
            }
            if (m.length == kTooLong) {
                out += codePage_.encode(std::u16string_view(&c, 1));
            } else {
                out.append(m.bytes, m.length);
            }
        }
    }

  private:
    static constexpr std::uint8_t kUnknown = 0xFF;
    static constexpr std::uint8_t kTooLong = 0xFE;
    struct Memo {
        std::uint8_t length = kUnknown;
        char bytes[3] = {};
    };

    const AnsiCodePage& codePage_;
    std::vector<Memo> memo_;
    bool asciiIsItself_ = false;
};

}  // namespace

namespace {

void appendEncodedLine(MemoEncoder& encoder, std::string& out, const FileListModel& model,
                       int row) {
    bool first = true;
    for (int column : kExportColumns) {
        if (!first) encoder.append(out, u"?");
        encoder.append(out, model.text(row, column));
        first = false;
    }
    encoder.append(out, u"\r\n");
}

}  // namespace

std::string exportFileBytes(const FileListModel& model, const AnsiCodePage& codePage) {
    std::string bytes;
    MemoEncoder encoder(codePage);
    for (int row = 0; row < model.rowCount(); ++row) {
        appendEncodedLine(encoder, bytes, model, row);
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
    BufferedFileWriter file(fs, path);
    MemoEncoder encoder(codePage);
    for (int row = 0; row < model.rowCount() && file.opened(); ++row) {
        appendEncodedLine(encoder, file.buffer(), model, row);
        file.flushIfFull();
    }
    if (file.finish()) {
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
