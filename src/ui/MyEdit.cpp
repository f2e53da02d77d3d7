#include "MyEdit.h"

namespace tessary {

std::wstring CMyEdit::text() const {
    if (!hwnd()) return {};
    const int length = GetWindowTextLengthW(hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd(), text.data(), length + 1)));
    return text;
}

void CMyEdit::setText(const std::wstring& text) {
    if (hwnd()) SetWindowTextW(hwnd(), text.c_str());
}

}  // namespace tessary
