#pragma once
// Small helpers shared by the Windows benchmark programs.

#include <windows.h>

#include <string>

#include "Timing.h"

namespace tessary::bench {

inline const wchar_t* wide(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

// Creates (or replaces) a file with these bytes; false when it could not be written whole.
inline bool writeFile(const std::u16string& path, const std::string& bytes) {
    HANDLE f = CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return CloseHandle(f) && ok && written == bytes.size();
}

// `size` bytes of MPEG-1 layer III audio, 128 kbit/s at 44.1 kHz: a frame every 417 bytes.
inline std::string mpegAudio(std::size_t size) {
    std::string audio(size, '\x55');
    for (std::size_t at = 0; at + 4 <= size; at += 417) audio.replace(at, 4, "\xFF\xFB\x90\x64");
    return audio;
}

}  // namespace tessary::bench
