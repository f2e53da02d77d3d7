// The ANSI code page of the running system (CP_ACP), as the export file and MP3 tags use it.

#include <windows.h>

#include "platform/SystemServices.h"

namespace tessary {

namespace {

class Win32AnsiCodePage final : public AnsiCodePage {
  public:
    std::string encode(std::u16string_view text) const override {
        static_assert(sizeof(wchar_t) == sizeof(char16_t));
        if (text.empty()) return {};
        const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
        const int length = static_cast<int>(text.size());
        const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
        std::string bytes(static_cast<std::size_t>(size > 0 ? size : 0), '\0');
        if (size > 0) {
            WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data(), size, nullptr, nullptr);
        }
        return bytes;
    }

    std::u16string decode(std::string_view bytes) const override {
        if (bytes.empty()) return {};
        const int length = static_cast<int>(bytes.size());
        const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
        std::u16string text(static_cast<std::size_t>(size > 0 ? size : 0), u'\0');
        if (size > 0) {
            MultiByteToWideChar(CP_ACP, 0, bytes.data(), length,
                                reinterpret_cast<wchar_t*>(text.data()), size);
        }
        return text;
    }

    unsigned number() const override { return GetACP(); }

    std::size_t wholeCharacterLength(std::string_view bytes) const override {
        std::size_t i = 0;
        while (i < bytes.size()) {
            if (!IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(bytes[i]))) {
                ++i;
            } else if (i + 1 == bytes.size()) {
                return i;
            } else {
                i += 2;
            }
        }
        return bytes.size();
    }
};

}  // namespace

std::unique_ptr<AnsiCodePage> makeSystemAnsiCodePage() {
    return std::make_unique<Win32AnsiCodePage>();
}

}  // namespace tessary
