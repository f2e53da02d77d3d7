// CMyEdit: the edit fields of the rule pages, a class of their own so that they can be told
// apart from the other edits; besides reading and writing the text they behave as the
// platform's edit control.
#pragma once

#include <windows.h>

#include <string>

#include "DialogBase.h"

namespace tessary {

class CMyEdit : public SubclassedControl {
  public:
    std::wstring text() const;
    void setText(const std::wstring& text);
};

}  // namespace tessary
