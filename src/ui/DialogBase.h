// DialogBase: the one wrapper of the dialog procedure, and SubclassedControl: the one wrapper of a
// control's window procedure.
//
// Usage for a dialog:
//
//   class CDlgSomething : public DialogBase {
//   public:
//       CDlgSomething() : DialogBase(IDD_SOMETHING) {
//           onCommand(IDC_GO, &CDlgSomething::onGo);        // the message map: id -> member
//       }
//   protected:
//       BOOL onInitDialog() override { ...; return TRUE; }  // TRUE: let the platform set focus
//       std::optional<LRESULT> onMessage(UINT msg, WPARAM wp, LPARAM lp) override {
//           if (msg == WM_SIZE) { ...; return 0; }             // handled, result 0
//           return DialogBase::onMessage(msg, wp, lp);         // not handled: the platform's
//       }
//   private:
//       void onGo() { endDialog(IDOK); }
//   };
//
//   CDlgSomething dlg;  INT_PTR r = dlg.doModal(owner);      // modal
//   dlg.createModeless(owner);  ...  dlg.result();           // modeless (tests keep control)
//
// IDOK and IDCANCEL go to the virtual onOK()/onCancel() unless the table maps them; both end the
// dialog with their id by default. A dialog ended while modeless is destroyed, and result()
// reports how it ended. WM_DRAWITEM, WM_MEASUREITEM and WM_CTLCOLOR* of a control that is a
// SubclassedControl are first offered to that control (reflection), so owner-drawn controls draw
// themselves wherever they are placed.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

namespace tessary {

// The text of any window or control.
std::u16string windowText(HWND window);

class DialogBase {
  public:
    explicit DialogBase(UINT templateId);
    virtual ~DialogBase();
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    // Runs the dialog modally over the owner; returns the code given to endDialog (-1 when the
    // template could not be created).
    INT_PTR doModal(HWND owner);
    // Creates the dialog without a modal loop and shows it; nullptr when the template is missing.
    HWND createModeless(HWND owner, bool show = true);
    // The same from a template in memory instead of the resource (windows built at run time).
    HWND createModelessIndirect(HWND owner, const DLGTEMPLATE* dialogTemplate, bool show = true);

    HWND hwnd() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }
    // The whole text of a control.
    std::u16string itemText(int id) const;
    UINT templateId() const { return templateId_; }
    // How the dialog ended (nullopt while it is open or has not run).
    std::optional<INT_PTR> result() const { return result_; }
    bool isModal() const { return modal_; }

    void endDialog(INT_PTR code);

    // The dialog object attached to a window, or nullptr.
    static DialogBase* fromHandle(HWND window);

  protected:
    // Maps a command id (the control id of a button, menu item, ...) to a handler.
    void onCommand(UINT id, std::function<void()> handler);
    template <class Derived>
    void onCommand(UINT id, void (Derived::*handler)()) {
        onCommand(id, [this, handler] { (static_cast<Derived*>(this)->*handler)(); });
    }
    // A handler that also wants the notification code (EN_CHANGE, BN_CLICKED, ...).
    void onCommandNotify(UINT id, std::function<void(UINT code)> handler);

    virtual BOOL onInitDialog() { return TRUE; }
    virtual void onOK() { endDialog(IDOK); }
    virtual void onCancel() { endDialog(IDCANCEL); }
    // Called for every message after WM_INITDIALOG. A value means "handled, this is the result";
    // nullopt passes the message to the platform's dialog handling.
    virtual std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone.
    virtual void onDestroyed() {}

  private:
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> dispatchCommand(WPARAM wParam);
    INT_PTR dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
    std::optional<INT_PTR> result_;
    std::unordered_map<UINT, std::function<void(UINT)>> commands_;
};

// Attaches to an existing control (usually one from a dialog template) by replacing its window
// procedure, and sees its messages first. Detaches when the control is destroyed or the object
// goes away. The control's user data is the link to the object: the common controls' subclass
// call would look its data up in the window's properties on every message, which under Wine is a
// round trip to the server each time.
class SubclassedControl {
  public:
    SubclassedControl() = default;
    virtual ~SubclassedControl();
    SubclassedControl(const SubclassedControl&) = delete;
    SubclassedControl& operator=(const SubclassedControl&) = delete;

    // Attaches to the control; false if it is already attached elsewhere or the handle is bad.
    bool attach(HWND control);
    bool attach(HWND dialog, int id) { return attach(GetDlgItem(dialog, id)); }
    void detach();
    HWND hwnd() const { return hwnd_; }

    static SubclassedControl* fromHandle(HWND control);

    // Messages a parent reflects to the control that sent them (WM_DRAWITEM, WM_CTLCOLOR*, ...).
    virtual std::optional<LRESULT> onReflected(UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    // A value means handled; nullopt runs the control's own procedure.
    virtual std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs the control's own procedure now (before doing something after it).
    LRESULT callDefault(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    // Lives as long as the replaced procedure is in the control's chain: a procedure put in
    // after ours keeps calling ours, which then only passes messages on.
    struct Link {
        SubclassedControl* control;
        WNDPROC original;
    };
    static Link* linkOf(HWND control);
    static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    Link* link_ = nullptr;
};

// A UTF-16 text as the platform's wide characters, valid as long as the text.
inline const wchar_t* wideChars(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// Sets the window's client area to width x height pixels whatever its frame is, keeping the
// top-left corner where it is.
void setClientSize(HWND window, int width, int height);
// Centres a window over its owner (over the work area when it has none or the owner is hidden).
void centerOverOwner(HWND window);

}  // namespace tessary
