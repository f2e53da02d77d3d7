#pragma once
// Tag files through the standard library's streams: the command-line tool's natively. The
// standard library has no sharing modes, so others are not kept from writing meanwhile.

#include "tags/TagFile.h"

namespace tessary {

class StreamTagFiles final : public TagFiles {
  public:
    std::unique_ptr<TagFile> openForReading(std::u16string_view path) override;
    std::unique_ptr<TagFile> openForUpdate(std::u16string_view path) override;
};

}  // namespace tessary
