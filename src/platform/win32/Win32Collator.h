#pragma once
// The user's own text order, as the system's locale-aware comparison sorts: sort keys of the
// user's default locale.

#include "model/SortRows.h"

namespace tessary {

class Win32Collator final : public Collator {
  public:
    std::string sortKey(std::u16string_view text) const override;
};

}  // namespace tessary
