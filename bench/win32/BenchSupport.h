#pragma once
// Small helpers shared by the Windows benchmark programs.

#include <string>

#include "Timing.h"

namespace tessary::bench {

inline const wchar_t* wide(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

}  // namespace tessary::bench
