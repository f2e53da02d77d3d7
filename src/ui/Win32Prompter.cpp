#include "Win32Prompter.h"

#include "DlgMsg.h"
#include "DlgMsgYesNo.h"

namespace tessary {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 text is passed by pointer cast");
static_assert(prompt::kYesNo == MB_YESNO && prompt::kOkCancel == MB_OKCANCEL &&
              prompt::kYesNoCancel == MB_YESNOCANCEL && prompt::kIconError == MB_ICONERROR &&
              prompt::kIconQuestion == MB_ICONQUESTION && prompt::kIconWarning == MB_ICONWARNING &&
              prompt::kIconInformation == MB_ICONINFORMATION);
static_assert(prompt::kAnswerOk == IDOK && prompt::kAnswerCancel == IDCANCEL &&
              prompt::kAnswerYes == IDYES && prompt::kAnswerNo == IDNO);

std::wstring wide(const std::u16string& text) {
    return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

}  // namespace

void Win32Prompter::showMessage(const std::u16string& text) {
    CDlgMsg dialog;
    dialog.setText(wide(text));
    dialog.doModal(owner_);
}

bool Win32Prompter::ask(const std::u16string& text) {
    CDlgMsgYesNo dialog;
    dialog.setText(wide(text));
    return dialog.doModal(owner_) == IDOK;
}

int Win32Prompter::platformMessageBox(const std::u16string& text, const std::u16string& caption,
                                      unsigned flags) {
    return MessageBoxW(owner_, wide(text).c_str(), wide(caption).c_str(), flags);
}

}  // namespace tessary
