#include "platform/win32/Win32Collator.h"

#include <windows.h>

namespace tessary {

std::string Win32Collator::sortKey(std::u16string_view text) const {
    if (text.empty()) return {};
    const auto* units = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int bytes = LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY, units, length, nullptr,
                                    0, nullptr, nullptr, 0);
    if (bytes <= 0) return {};
    std::string key(static_cast<std::size_t>(bytes), '\0');
    const int got =
        LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_SORTKEY, units, length,
                      reinterpret_cast<wchar_t*>(key.data()), bytes, nullptr, nullptr, 0);
    key.resize(static_cast<std::size_t>(got > 0 ? got : 0));
    // The key ends with a zero byte, which must not take part in the comparison.
    while (!key.empty() && key.back() == '\0') key.pop_back();
    return key;
}

}  // namespace tessary
