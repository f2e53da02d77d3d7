#pragma once
// Small helpers shared by the Windows benchmark programs.

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

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

// A new folder in the temporary folder, named for the benchmark and the process.
inline std::u16string makeBenchFolder(const std::u16string& name) {
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    const std::u16string root = std::u16string(reinterpret_cast<const char16_t*>(temp)) + name +
                                u"-" + ascii(std::to_string(GetCurrentProcessId())) + u"\\";
    CreateDirectoryW(wide(root), nullptr);
    return root;
}

// Times a floor and the measured work on each of `groups` groups (folders), `repeats` times,
// alternating which runs first so that a busy machine slows both alike, and keeps each group's
// best time of each. Returns the two sums: floor first.
inline std::pair<double, double> bestOfAlternating(int repeats, int groups,
                                                   const std::function<void(int)>& floor,
                                                   const std::function<void(int)>& measured) {
    std::vector<double> bestFloor(static_cast<std::size_t>(groups), 1e9);
    std::vector<double> bestMeasured(static_cast<std::size_t>(groups), 1e9);
    for (int r = 0; r < repeats; ++r) {
        for (int g = 0; g < groups; ++g) {
            double& f = bestFloor[static_cast<std::size_t>(g)];
            double& m = bestMeasured[static_cast<std::size_t>(g)];
            const auto runFloor = [&] { f = std::min(f, seconds([&] { floor(g); })); };
            const auto runMeasured = [&] { m = std::min(m, seconds([&] { measured(g); })); };
            if ((r + g) % 2 == 0) {
                runFloor();
                runMeasured();
            } else {
                runMeasured();
                runFloor();
            }
        }
    }
    double floorTotal = 0, measuredTotal = 0;
    for (int g = 0; g < groups; ++g) {
        floorTotal += bestFloor[static_cast<std::size_t>(g)];
        measuredTotal += bestMeasured[static_cast<std::size_t>(g)];
    }
    return {floorTotal, measuredTotal};
}

}  // namespace tessary::bench
