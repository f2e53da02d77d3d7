// CMyStatic: the tip panel - a pale yellow rounded panel with a two-line text, hidden and
// emptied again by its timer.
//
//   CMyStatic tip;
//   tip.attach(dialog, IDC_TIP);
//   tip.showTip(L"提示:文件名不能包含下列任一字符\n\\ / : ? * < > | \"", 3000);
#pragma once

#include <windows.h>

#include <string>

#include "DialogBase.h"

namespace tessary {

class CMyStatic : public SubclassedControl {
  public:
    static constexpr UINT_PTR kHideTimer = 2100;
    static constexpr COLORREF kFill = RGB(255, 255, 172);

    // Shows the panel with text; after milliseconds (if not 0) the timer hides it.
    void showTip(const std::wstring& text, UINT milliseconds);
    // What the timer does: hide the panel and empty its text.
    void hideTip();
    void draw(HDC dc) const;

  protected:
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace tessary
