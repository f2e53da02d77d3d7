#pragma once
// What a command asks the window to do once it has changed the file list: which buttons to
// enable or disable, which texts to put into the new-extension field and the status-bar panes,
// and which message to show. Commands never touch a control; the window applies these.

#include <optional>
#include <string>

namespace tessary {

inline constexpr char16_t kMessageBoxCaption[] = u"Tessary1.0";

// A message in the platform's own message box (not the program's message dialog).
struct MessageBoxRequest {
    enum class Icon { None, Information, Error };
    std::u16string text;
    Icon icon = Icon::None;
    std::u16string caption = kMessageBoxCaption;

    bool operator==(const MessageBoxRequest&) const = default;
};

struct CommandEffects {
    std::optional<bool> enableApply;                 // button 1048 "应用"
    std::optional<bool> enableUndo;                  // button 1052 "撤销"
    std::optional<std::u16string> newExtensionText;  // edit 1009 beside "修改新扩展名为:"
    std::optional<std::u16string> pane0;             // status bar: the file count label
    std::optional<std::u16string> pane1;             // status bar: hints
    std::optional<std::u16string> planPane;          // status bar: the last preview or batch
    std::optional<std::u16string> message;           // the program's message dialog (CDlgMsg)
    std::optional<MessageBoxRequest> messageBox;     // the platform's message box, OK button

    bool operator==(const CommandEffects&) const = default;
};

}  // namespace tessary
