#include "tags/MemoryTagFiles.h"

#include <algorithm>
#include <cstring>

namespace tessary {

namespace {

class MemoryTagFile final : public TagFile {
  public:
    MemoryTagFile(std::string& content, bool writable, bool failWrites)
        : content_(content), writable_(writable), failWrites_(failWrites) {}

    std::optional<std::uint64_t> size() override { return content_.size(); }

    std::size_t readAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        if (offset >= content_.size()) return 0;
        const std::size_t n = std::min<std::uint64_t>(count, content_.size() - offset);
        std::memcpy(buffer, content_.data() + offset, n);
        return n;
    }

    bool writeAt(std::uint64_t offset, std::string_view bytes) override {
        if (!writable_ || failWrites_) return false;
        // As a file system does, a write past the end fills the gap with zero bytes.
        if (offset + bytes.size() > content_.size()) content_.resize(offset + bytes.size());
        std::copy(bytes.begin(), bytes.end(),
                  content_.begin() + static_cast<std::ptrdiff_t>(offset));
        return true;
    }

    bool close() override { return true; }

  private:
    std::string& content_;
    bool writable_;
    bool failWrites_;
};

}  // namespace

void MemoryTagFiles::addFile(std::u16string_view path, std::string content) {
    files_[std::u16string(path)] = Entry{std::move(content)};
}

std::optional<std::string> MemoryTagFiles::content(std::u16string_view path) const {
    const auto found = files_.find(path);
    if (found == files_.end()) return std::nullopt;
    return found->second.content;
}

void MemoryTagFiles::refuseOpen(std::u16string_view path, bool refuse) {
    if (Entry* e = find(path)) e->refuseOpen = refuse;
}

void MemoryTagFiles::setReadOnly(std::u16string_view path, bool readOnly) {
    if (Entry* e = find(path)) e->readOnly = readOnly;
}

void MemoryTagFiles::failWrites(std::u16string_view path, bool fail) {
    if (Entry* e = find(path)) e->failWrites = fail;
}

MemoryTagFiles::Entry* MemoryTagFiles::find(std::u16string_view path) {
    const auto found = files_.find(path);
    return found == files_.end() ? nullptr : &found->second;
}

std::unique_ptr<TagFile> MemoryTagFiles::openForReading(std::u16string_view path) {
    Entry* e = find(path);
    if (e == nullptr || e->refuseOpen) return nullptr;
    return std::make_unique<MemoryTagFile>(e->content, false, false);
}

std::unique_ptr<TagFile> MemoryTagFiles::openForUpdate(std::u16string_view path) {
    Entry* e = find(path);
    if (e == nullptr || e->refuseOpen || e->readOnly) return nullptr;
    return std::make_unique<MemoryTagFile>(e->content, true, e->failWrites);
}

}  // namespace tessary
