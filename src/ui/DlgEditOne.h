#pragma once
// CDlgEditOne (223): renaming one file by hand. It shows the file's name read-only and in an
// edit for the new name; "改名" accepts a new name that is not empty, "返回" changes nothing.
// A forbidden character typed into the new name puts the current name back.

#include <string>

#include "ui/ColorButton.h"
#include "ui/ColorDlg.h"
#include "ui/Prompter.h"

namespace tessary {

inline constexpr char16_t kEditOneCaption[] = u"单个文件改名";
inline constexpr char16_t kEmptyNewName[] = u"请输入正确的文件名!";

class CDlgEditOne : public CColorDlg {
  public:
    CDlgEditOne(Prompter& prompter, std::u16string name);

    // The new name once the dialog ended with "改名"; the name it opened with before.
    const std::u16string& name() const { return name_; }

  protected:
    BOOL onInitDialog() override;
    void onOK() override;

  private:
    void checkNewName();

    Prompter& prompter_;
    std::u16string name_;
    CColorButton rename_;
    CColorButton back_;
};

}  // namespace tessary
