#pragma once
// Small helpers shared by every benchmark program.

#include <chrono>
#include <functional>
#include <string>

namespace tessary::bench {

inline std::u16string ascii(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// Wall-clock seconds one run takes.
inline double seconds(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace tessary::bench
