// CDlgMsgYesNo: the program's yes/no question - a skinned frame, the question and the picture
// buttons "是(&Y)" (IDOK) and "否(&N)" (IDCANCEL). Closing it by its frame answers no.
//
//   CDlgMsgYesNo dialog;
//   dialog.setText(L"您要退出本系统吗？");
//   if (dialog.doModal(owner) == IDOK) ...   // or use Win32Prompter::ask
#pragma once

#include <string>

#include "ColorButton.h"
#include "ColorDlg.h"

namespace tessary {

class CDlgMsgYesNo : public CColorDlg {
  public:
    CDlgMsgYesNo();
    void setText(std::wstring text) { text_ = std::move(text); }
    const std::wstring& text() const { return text_; }

  protected:
    BOOL onInitDialog() override;

  private:
    std::wstring text_;
    CColorButton yes_;
    CColorButton no_;
};

}  // namespace tessary
