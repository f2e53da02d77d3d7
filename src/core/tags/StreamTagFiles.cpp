#include "tags/StreamTagFiles.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace tessary {

namespace {

class StreamTagFile final : public TagFile {
  public:
    explicit StreamTagFile(std::fstream stream) : stream_(std::move(stream)) {}

    std::optional<std::uint64_t> size() override {
        stream_.clear();
        stream_.seekg(0, std::ios::end);
        const std::streamoff end = stream_.tellg();
        if (!stream_ || end < 0) return std::nullopt;
        return static_cast<std::uint64_t>(end);
    }

    std::size_t readAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        stream_.clear();
        stream_.seekg(static_cast<std::streamoff>(offset));
        if (!stream_) return 0;
        stream_.read(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
        const std::streamsize got = stream_.gcount();
        return got > 0 ? static_cast<std::size_t>(got) : 0;
    }

    bool writeAt(std::uint64_t offset, std::string_view bytes) override {
        stream_.clear();
        stream_.seekp(static_cast<std::streamoff>(offset));
        if (!stream_) return false;
        stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        stream_.flush();
        return static_cast<bool>(stream_);
    }

    bool close() override {
        if (!stream_.is_open()) return true;
        stream_.clear();
        stream_.close();
        return static_cast<bool>(stream_);
    }

  private:
    std::fstream stream_;
};

std::unique_ptr<TagFile> open(std::u16string_view path, std::ios::openmode mode) {
    const std::filesystem::path p(path);
    // A stream opens a folder for reading on some systems; a folder is not a file to tag.
    std::error_code error;
    if (!std::filesystem::is_regular_file(p, error)) return nullptr;
    std::fstream stream(p, mode | std::ios::binary);
    if (!stream.is_open()) return nullptr;
    return std::make_unique<StreamTagFile>(std::move(stream));
}

}  // namespace

std::unique_ptr<TagFile> StreamTagFiles::openForReading(std::u16string_view path) {
    return open(path, std::ios::in);
}

std::unique_ptr<TagFile> StreamTagFiles::openForUpdate(std::u16string_view path) {
    // in | out opens an existing file without truncating it and never creates one.
    return open(path, std::ios::in | std::ios::out);
}

}  // namespace tessary
