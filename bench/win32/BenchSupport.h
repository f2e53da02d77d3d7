#pragma once
// Small helpers shared by the Windows benchmark programs.

#include <chrono>
#include <functional>
#include <string>

namespace tessary::bench {

inline const wchar_t* wide(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

inline std::u16string ascii(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// Wall-clock seconds one run takes.
inline double seconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace tessary::bench
