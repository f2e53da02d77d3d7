#include "DialogBase.h"

#include <commctrl.h>

namespace tessary {
namespace {

// Messages whose result the dialog procedure returns directly instead of through DWLP_MSGRESULT.
bool returnsResultDirectly(UINT message) {
    switch (message) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
        case WM_INITDIALOG:
            return true;
        default:
            return false;
    }
}

// The control a reflected message came from.
HWND reflectedSource(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM:
            return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<HWND>(lParam);
        default:
            (void)wParam;
            return nullptr;
    }
}

}  // namespace

DialogBase::DialogBase(UINT templateId) : templateId_(templateId) {}

DialogBase::~DialogBase() {
    if (hwnd_ != nullptr && IsWindow(hwnd_)) {
        // A modeless dialog outlived by its object: take it down so no message reaches a dead
        // object through the user data.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        if (!modal_) DestroyWindow(hwnd_);
    }
}

INT_PTR DialogBase::doModal(HWND owner) {
    modal_ = true;
    result_.reset();
    const INT_PTR r =
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                        &DialogBase::dialogProc, reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;
    if (r == -1) return -1;
    result_ = r;
    return r;
}

HWND DialogBase::createModeless(HWND owner, bool show) {
    modal_ = false;
    result_.reset();
    HWND window =
        CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                           &DialogBase::dialogProc, reinterpret_cast<LPARAM>(this));
    if (window != nullptr && show) ShowWindow(window, SW_SHOW);
    return window;
}

HWND DialogBase::createModelessIndirect(HWND owner, const DLGTEMPLATE* dialogTemplate, bool show) {
    modal_ = false;
    result_.reset();
    HWND window =
        CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate, owner,
                                   &DialogBase::dialogProc, reinterpret_cast<LPARAM>(this));
    if (window != nullptr && show) ShowWindow(window, SW_SHOW);
    return window;
}

void DialogBase::endDialog(INT_PTR code) {
    if (hwnd_ == nullptr) return;
    result_ = code;
    if (modal_) {
        EndDialog(hwnd_, code);
    } else {
        DestroyWindow(hwnd_);
    }
}

std::u16string DialogBase::itemText(int id) const { return windowText(item(id)); }

std::u16string windowText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int got = GetWindowTextW(control, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    return text;
}

DialogBase* DialogBase::fromHandle(HWND window) {
    return reinterpret_cast<DialogBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void DialogBase::onCommand(UINT id, std::function<void()> handler) {
    commands_[id] = [h = std::move(handler)](UINT) { h(); };
}

void DialogBase::onCommandNotify(UINT id, std::function<void(UINT)> handler) {
    commands_[id] = std::move(handler);
}

std::optional<LRESULT> DialogBase::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        // A disabled button can still be "clicked" by BM_CLICK or a stray message; the
        // command it stands for is not available then (Apply before any preview).
        const HWND source = reinterpret_cast<HWND>(lParam);
        if (source && HIWORD(wParam) == BN_CLICKED && !IsWindowEnabled(source)) return 0;
        return dispatchCommand(wParam);
    }
    if (HWND source = reflectedSource(message, wParam, lParam)) {
        if (SubclassedControl* control = SubclassedControl::fromHandle(source)) {
            return control->onReflected(message, wParam, lParam);
        }
    }
    return std::nullopt;
}

std::optional<LRESULT> DialogBase::dispatchCommand(WPARAM wParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (auto found = commands_.find(id); found != commands_.end()) {
        // Copy first: a handler may replace its own entry or end the dialog.
        auto handler = found->second;
        handler(code);
        return 0;
    }
    if (id == IDOK && (code == BN_CLICKED || code == 0)) {
        onOK();
        return 0;
    }
    if (id == IDCANCEL && (code == BN_CLICKED || code == 0)) {
        onCancel();
        return 0;
    }
    return std::nullopt;
}

INT_PTR DialogBase::dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    const std::optional<LRESULT> r = onMessage(message, wParam, lParam);
    if (!r) return FALSE;
    if (returnsResultDirectly(message)) return static_cast<INT_PTR>(*r);
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, *r);
    return TRUE;
}

INT_PTR CALLBACK DialogBase::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogBase*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, lParam);
        self->hwnd_ = window;
        return self->onInitDialog();
    }
    DialogBase* self = fromHandle(window);
    if (self == nullptr) return FALSE;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        // A modeless dialog closed by the platform (for example with its owner) ended as a
        // cancel.
        if (!self->modal_ && !self->result_) self->result_ = IDCANCEL;
        self->onDestroyed();
        return FALSE;
    }
    return self->dispatch(message, wParam, lParam);
}

// --- SubclassedControl --------------------------------------------------------------------------

SubclassedControl::~SubclassedControl() { detach(); }

bool SubclassedControl::attach(HWND control) {
    if (control == nullptr || hwnd_ != nullptr || linkOf(control) != nullptr) return false;
    auto* link = new Link{this, nullptr};
    SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link));
    link->original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassedControl::controlProc)));
    if (link->original == nullptr) {
        SetWindowLongPtrW(control, GWLP_USERDATA, 0);
        delete link;
        return false;
    }
    hwnd_ = control;
    link_ = link;
    return true;
}

void SubclassedControl::detach() {
    if (hwnd_ == nullptr) return;
    const auto ours = reinterpret_cast<LONG_PTR>(&SubclassedControl::controlProc);
    if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == ours) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(link_->original));
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        delete link_;
    } else {
        // Another procedure came after ours and still calls it: ours stays in the chain and
        // passes everything on until the control is destroyed.
        link_->control = nullptr;
    }
    hwnd_ = nullptr;
    link_ = nullptr;
}

SubclassedControl::Link* SubclassedControl::linkOf(HWND control) {
    return reinterpret_cast<Link*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

SubclassedControl* SubclassedControl::fromHandle(HWND control) {
    if (control == nullptr) return nullptr;
    const Link* link = linkOf(control);
    return link != nullptr ? link->control : nullptr;
}

std::optional<LRESULT> SubclassedControl::onReflected(UINT, WPARAM, LPARAM) { return std::nullopt; }

std::optional<LRESULT> SubclassedControl::onMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

LRESULT SubclassedControl::callDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(link_->original, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::controlProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    Link* link = linkOf(window);
    if (link == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC original = link->original;
        if (link->control != nullptr) link->control->detach();
        if (linkOf(window) == link) {
            // Left in the chain by a later procedure: the link goes with the control.
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            delete link;
        }
        return CallWindowProcW(original, window, message, wParam, lParam);
    }
    if (link->control != nullptr) {
        if (std::optional<LRESULT> r = link->control->onMessage(message, wParam, lParam)) return *r;
    }
    return CallWindowProcW(link->original, window, message, wParam, lParam);
}

// --- window helpers -----------------------------------------------------------------------------

void setClientSize(HWND window, int width, int height) {
    RECT windowRect{};
    RECT client{};
    GetWindowRect(window, &windowRect);
    GetClientRect(window, &client);
    const int frameWidth = (windowRect.right - windowRect.left) - (client.right - client.left);
    const int frameHeight = (windowRect.bottom - windowRect.top) - (client.bottom - client.top);
    SetWindowPos(window, nullptr, 0, 0, width + frameWidth, height + frameHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centerOverOwner(HWND window) {
    RECT area{};
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &area);
    } else {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT self{};
    GetWindowRect(window, &self);
    const int w = self.right - self.left;
    const int h = self.bottom - self.top;
    SetWindowPos(window, nullptr, area.left + ((area.right - area.left) - w) / 2,
                 area.top + ((area.bottom - area.top) - h) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tessary
