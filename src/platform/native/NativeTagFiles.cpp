// Natively the system's files are the standard library's.

#include "platform/SystemServices.h"
#include "tags/StreamTagFiles.h"

namespace tessary {

std::unique_ptr<TagFiles> makeSystemTagFiles() { return std::make_unique<StreamTagFiles>(); }

}  // namespace tessary
