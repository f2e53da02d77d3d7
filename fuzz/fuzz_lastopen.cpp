// LastOpen.ini is whatever the user's working directory holds: any bytes must decode to a folder
// of at most 256 units without a zero unit, and that folder must store back to a prefix of them.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "disk/LastOpenSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string folder = tessary::decodeLastOpen(bytes);
    if (folder.size() > tessary::kLastOpenReadUnits) std::abort();
    if (folder.find(u'\0') != std::u16string::npos) std::abort();
    const std::string stored = tessary::encodeLastOpen(folder);
    // An odd last byte reads as a unit with a zero high half, so compare whole units only.
    const std::size_t whole = stored.size() - (stored.size() > size ? 2 : 0);
    if (stored.compare(0, whole, bytes.substr(0, whole)) != 0) std::abort();
    if (tessary::decodeLastOpen(stored) != folder) std::abort();
    return 0;
}
