#include "disk/RenameOutcome.h"

namespace tessary {

namespace {

constexpr std::u16string_view kMissing = u"失败:原文件不存在";
constexpr std::u16string_view kTaken = u"失败:文件名重名";
constexpr std::u16string_view kDenied = u"失败:文件不允许访问";
constexpr std::u16string_view kFailed = u"失败";

std::u16string_view successText(RenameCommand command) {
    switch (command) {
        case RenameCommand::Apply:
        case RenameCommand::MenuRename:
            return u"改名成功";
        case RenameCommand::RecordedApply:
        case RenameCommand::DoubleClickRename:
        case RenameCommand::RecordedUndo:
            return u"成功";
        case RenameCommand::Undo:
            return u"撤销改名成功";
        case RenameCommand::Restore:
            return u"还原成功";
    }
    return u"成功";
}

}  // namespace

std::u16string_view statusText(RenameCommand command, RenameOutcome outcome) {
    if (outcome == RenameOutcome::Renamed) return successText(command);
    // The recorded undo tells no reason.
    if (command == RenameCommand::RecordedUndo) return kFailed;
    switch (outcome) {
        case RenameOutcome::SourceMissing:
            return command == RenameCommand::Restore ? u"失败:被还原文件不存在" : kMissing;
        case RenameOutcome::TargetExists:
            return kTaken;
        case RenameOutcome::AccessDenied:
            return kDenied;
        case RenameOutcome::Renamed:
        case RenameOutcome::OtherFailure:
            break;
    }
    return kFailed;
}

}  // namespace tessary
