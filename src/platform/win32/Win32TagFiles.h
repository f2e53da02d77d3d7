#pragma once
// Tag files of Windows, through CreateFileW: reading lets others read but not write meanwhile,
// and so does updating. Absolute paths go to the system in their \\?\ form, so long paths work.

#include "tags/TagFile.h"

namespace tessary {

class Win32TagFiles final : public TagFiles {
  public:
    std::unique_ptr<TagFile> openForReading(std::u16string_view path) override;
    std::unique_ptr<TagFile> openForUpdate(std::u16string_view path) override;
};

}  // namespace tessary
