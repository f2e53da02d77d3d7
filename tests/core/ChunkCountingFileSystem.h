#pragma once
// A file system that counts the writes to the files it makes and refuses one of them, as a disk
// that fills up in the middle of a file.

#include "core/ForwardingFileSystem.h"

namespace tessary::testing {

// Counts the writes to the files it makes; refuses the one numbered `refuseWrite`.
class ChunkCountingFileSystem final : public ForwardingFileSystem {
  public:
    using ForwardingFileSystem::ForwardingFileSystem;
    int writes = 0;
    int refuseWrite = -1;

    std::unique_ptr<FileSink> createFile(std::u16string_view path) override {
        class Sink final : public FileSink {
          public:
            Sink(std::unique_ptr<FileSink> sink, ChunkCountingFileSystem& fs)
                : sink_(std::move(sink)), fs_(fs) {}
            bool write(std::string_view bytes) override {
                return fs_.writes++ != fs_.refuseWrite && sink_->write(bytes);
            }
            bool flushToDisk() override { return sink_->flushToDisk(); }
            bool finish() override { return sink_->finish(); }

          private:
            std::unique_ptr<FileSink> sink_;
            ChunkCountingFileSystem& fs_;
        };
        std::unique_ptr<FileSink> sink = ForwardingFileSystem::createFile(path);
        return sink ? std::make_unique<Sink>(std::move(sink), *this) : nullptr;
    }
};

}  // namespace tessary::testing
