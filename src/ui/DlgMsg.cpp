#include "DlgMsg.h"

#include <algorithm>

#include "res/resource.h"
#include "ui/GdiHandles.h"

namespace tessary {
namespace detail {
namespace {

constexpr int kClientWidth = 320;
constexpr int kTextLeft = 20;
constexpr int kTextTop = 18;
constexpr int kTextMinHeight = 36;
constexpr int kTextMaxHeight = 420;
constexpr int kButtonWidth = 70;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 20;

// Height the static control needs to show text wrapped at width pixels.
int textHeight(HWND control, int width) {
    const int length = GetWindowTextLengthW(control);
    if (length == 0) return 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), length + 1)));
    ClientDC dc(control);
    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    SelectScope keepFont(dc, font);
    RECT r{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    return r.bottom - r.top;
}

}  // namespace

SIZE layoutMessageDialog(HWND dialog, int textId, const std::vector<int>& buttonIds,
                         std::vector<CColorButton*> buttons) {
    HWND text = GetDlgItem(dialog, textId);
    const int textWidth = kClientWidth - 2 * kTextLeft;
    // A long message makes the dialog taller rather than being cut off by it.
    const int height = std::clamp(textHeight(text, textWidth) + 4, kTextMinHeight, kTextMaxHeight);
    MoveWindow(text, kTextLeft, kTextTop, textWidth, height, FALSE);

    const int count = static_cast<int>(buttonIds.size());
    const int rowWidth = count * kButtonWidth + (count - 1) * kButtonGap;
    const int buttonTop = kTextTop + height + 14;
    for (int i = 0; i < count; ++i) {
        HWND button = GetDlgItem(dialog, buttonIds[static_cast<size_t>(i)]);
        MoveWindow(button, (kClientWidth - rowWidth) / 2 + i * (kButtonWidth + kButtonGap),
                   buttonTop, kButtonWidth, kButtonHeight, FALSE);
        buttons[static_cast<size_t>(i)]->attachDialogButton(button);
    }
    return SIZE{kClientWidth, buttonTop + kButtonHeight + 16};
}

}  // namespace detail

CDlgMsg::CDlgMsg() : CColorDlg(IDD_DLG_MSG) {}

BOOL CDlgMsg::onInitDialog() {
    CColorDlg::onInitDialog();
    SetDlgItemTextW(hwnd(), IDC_MSG_TEXT, text_.c_str());
    const SIZE client = detail::layoutMessageDialog(hwnd(), IDC_MSG_TEXT, {IDOK}, {&ok_});
    setClientSizeCentered(client.cx, client.cy);
    SetFocus(item(IDOK));
    return FALSE;  // the focus is set
}

}  // namespace tessary
