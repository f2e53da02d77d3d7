#include "commands/RecordCommands.h"

namespace tessary {

std::optional<MessageBoxRequest> saveRecordRefusal(const FileListModel& model) {
    if (model.rowCount() > 0) return std::nullopt;
    MessageBoxRequest box;
    box.text = u"列表框中没有改名记录,不能保存";
    return box;
}

CommandEffects saveOperationRecord(const FileListModel& model, FileSystem& fs,
                                   std::u16string_view path, const SavingTime& now) {
    CommandEffects effects;
    if (auto refusal = saveRecordRefusal(model)) {
        effects.messageBox = std::move(refusal);
        return effects;
    }
    if (writeOprOfList(model, fs, path, now)) {
        effects.pane1 = u"提示：操作记录已成功保存到 " + std::u16string(path);
    } else {
        // A record that was not written must not be reported as saved: the user would rely
        // on it to get the names back.
        MessageBoxRequest box;
        box.text = u"提示：操作记录未能保存到 " + std::u16string(path);
        box.icon = MessageBoxRequest::Icon::Error;
        effects.messageBox = std::move(box);
    }
    return effects;
}

}  // namespace tessary
