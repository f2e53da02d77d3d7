#pragma once

#include <condition_variable>
#include <mutex>
#include <string_view>
#include <thread>

#include "disk/FileSystem.h"

namespace tessary {

// Writes chunks to a file on a thread of its own, one at a time and in order, so that the
// caller can make the next chunk while the disk takes the last one. A chunk handed over must
// stay as it is until the next hand() or finish() returns.
class OverlappedWriter {
  public:
    explicit OverlappedWriter(FileSink& file);
    ~OverlappedWriter();
    OverlappedWriter(const OverlappedWriter&) = delete;
    OverlappedWriter& operator=(const OverlappedWriter&) = delete;

    // Waits for the chunk before, then starts writing this one. False, and nothing more is
    // written, once the file has refused a chunk.
    bool hand(std::string_view chunk);
    // Waits for the last chunk and completes the file; false when anything did not reach it.
    bool finish();

  private:
    void writeChunks();
    bool waitIdle(std::unique_lock<std::mutex>& lock);

    FileSink& file_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::string_view pending_;
    bool busy_ = false;
    bool failed_ = false;
    bool closing_ = false;
    std::thread thread_;
};

}  // namespace tessary
