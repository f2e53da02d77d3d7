// The Prompter of the window: CDlgMsg, CDlgMsgYesNo and MessageBoxW over an owner window.
#pragma once

#include <windows.h>

#include "Prompter.h"

namespace tessary {

class Win32Prompter : public Prompter {
  public:
    explicit Win32Prompter(HWND owner = nullptr) : owner_(owner) {}
    void setOwner(HWND owner) { owner_ = owner; }
    HWND owner() const { return owner_; }

    void showMessage(const std::u16string& text) override;
    bool ask(const std::u16string& text) override;
    int platformMessageBox(const std::u16string& text, const std::u16string& caption,
                           unsigned flags) override;

  private:
    HWND owner_;
};

}  // namespace tessary
