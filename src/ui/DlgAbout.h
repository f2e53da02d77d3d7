// The about boxes: CDlgAbout, the skinned one the system menu opens (icon, product, rights and
// contact lines, "确定"), and CAboutDlg, the plain one of dialog resource 100 (icon, product
// line, year line, "确定") with the platform's frame.
//
//   CDlgAbout about;  about.doModal(owner);
#pragma once

#include <string>

#include "ColorButton.h"
#include "ColorDlg.h"
#include "DialogBase.h"

namespace tessary {

class CDlgAbout : public CColorDlg {
  public:
    CDlgAbout();

  protected:
    BOOL onInitDialog() override;

  private:
    CColorButton ok_;
};

class CAboutDlg : public DialogBase {
  public:
    CAboutDlg();

  protected:
    BOOL onInitDialog() override;
};

// "Tessary批量改名器 <version> 版", the product line of both about boxes.
std::wstring productLineText();

}  // namespace tessary
