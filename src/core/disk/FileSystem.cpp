#include "disk/FileSystem.h"

#include "disk/WindowsNames.h"

namespace tessary {

bool FileSystem::pathTooLong(std::u16string_view folder, std::u16string_view name) const {
    return folder.size() + name.size() > kWindowsMaxPathUnits;
}

bool FileSystem::writeFile(std::u16string_view path, std::string_view bytes) {
    const std::unique_ptr<FileSink> sink = createFile(path);
    if (!sink) return false;
    const bool written = sink->write(bytes);
    return sink->finish() && written;
}

std::optional<std::string> FileSystem::readFile(std::u16string_view path,
                                                std::size_t maxBytes) const {
    struct StringTarget final : ReadTarget {
        std::string bytes;
        char* room(std::size_t size) override {
            bytes.resize(size);
            return bytes.data();
        }
        void read(std::size_t size) override { bytes.resize(size); }
    } target;
    if (!readFileInto(path, maxBytes, target)) return std::nullopt;
    return std::move(target.bytes);
}

BufferedFileWriter::BufferedFileWriter(FileSystem& fs, std::u16string_view path)
    : sink_(fs.createFile(path)) {
    if (sink_) buffer_.reserve(kChunkBytes + kChunkBytes / 4);
}

void BufferedFileWriter::flush() {
    // After a failed write nothing more is sent: the file is bad either way.
    if (sink_ && !failed_ && !buffer_.empty()) failed_ = !sink_->write(buffer_);
    buffer_.clear();
}

bool BufferedFileWriter::finish() {
    if (!sink_) return false;
    flush();
    const bool finished = sink_->finish();
    sink_.reset();
    return finished && !failed_;
}

}  // namespace tessary
