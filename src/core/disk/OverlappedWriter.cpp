#include "disk/OverlappedWriter.h"

namespace tessary {

OverlappedWriter::OverlappedWriter(FileSink& file)
    : file_(file), thread_([this] { writeChunks(); }) {}

OverlappedWriter::~OverlappedWriter() {
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

bool OverlappedWriter::waitIdle(std::unique_lock<std::mutex>& lock) {
    changed_.wait(lock, [this] { return !busy_; });
    return !failed_;
}

bool OverlappedWriter::hand(std::string_view chunk) {
    {
        std::unique_lock lock(mutex_);
        if (!waitIdle(lock)) return false;
        pending_ = chunk;
        busy_ = true;
    }
    changed_.notify_all();
    return true;
}

bool OverlappedWriter::finish() {
    std::unique_lock lock(mutex_);
    const bool written = waitIdle(lock);
    return file_.finish() && written;
}

void OverlappedWriter::writeChunks() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return busy_ || closing_; });
        if (!busy_) return;
        const std::string_view chunk = pending_;
        lock.unlock();
        const bool written = file_.write(chunk);
        lock.lock();
        failed_ = failed_ || !written;
        busy_ = false;
        changed_.notify_all();
    }
}

}  // namespace tessary
