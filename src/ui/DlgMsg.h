// CDlgMsg: the program's message dialog - a skinned frame, the message and one picture button
// "确定".
//
//   CDlgMsg dialog;
//   dialog.setText(L"帮助文件不存在!");
//   dialog.doModal(owner);                 // or use Win32Prompter::showMessage
#pragma once

#include <string>
#include <vector>

#include "ColorButton.h"
#include "ColorDlg.h"

namespace tessary {

namespace detail {
// Lays a message dialog out in pixels: the text at the top (the dialog grows for a long text),
// the 70 x 25 buttons centred in a row below it, and attaches the picture buttons. Returns the
// client size the dialog needs.
SIZE layoutMessageDialog(HWND dialog, int textId, const std::vector<int>& buttonIds,
                         std::vector<CColorButton*> buttons);
}  // namespace detail

class CDlgMsg : public CColorDlg {
  public:
    CDlgMsg();
    void setText(std::wstring text) { text_ = std::move(text); }
    const std::wstring& text() const { return text_; }

  protected:
    BOOL onInitDialog() override;

  private:
    std::wstring text_;
    CColorButton ok_;
};

}  // namespace tessary
