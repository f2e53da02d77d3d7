#pragma once

#include <vector>

namespace tessary {

// The selected rows, by index in display order; order and repeats do not matter and indexes
// of rows that do not exist are ignored.
using RowSelection = std::vector<int>;

}  // namespace tessary
