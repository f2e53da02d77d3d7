// Prompter: how the program talks to the user in a modal dialog - its own message dialog, its
// own yes/no question and, where a command asks for it, the platform's message box. Logic takes
// a Prompter so that tests can script the answers; the window wires Win32Prompter.
#pragma once

#include <string>

namespace tessary {

// Flags and answers of the platform message box, with the platform's values.
namespace prompt {
constexpr unsigned kOk = 0x0;
constexpr unsigned kOkCancel = 0x1;
constexpr unsigned kYesNoCancel = 0x3;
constexpr unsigned kYesNo = 0x4;
constexpr unsigned kIconError = 0x10;
constexpr unsigned kIconQuestion = 0x20;
constexpr unsigned kIconWarning = 0x30;
constexpr unsigned kIconInformation = 0x40;

constexpr int kAnswerOk = 1;
constexpr int kAnswerCancel = 2;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;
}  // namespace prompt

class Prompter {
  public:
    virtual ~Prompter() = default;

    // Shows text in the program's message dialog until the user closes it.
    virtual void showMessage(const std::u16string& text) = 0;
    // Asks a yes/no question in the program's dialog: true for yes; no and closing give false.
    virtual bool ask(const std::u16string& text) = 0;
    // The platform's message box; returns the answer (prompt::kAnswer*).
    virtual int platformMessageBox(const std::u16string& text, const std::u16string& caption,
                                   unsigned flags) = 0;
};

}  // namespace tessary
