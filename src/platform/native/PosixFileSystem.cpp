#ifndef _GNU_SOURCE
#define _GNU_SOURCE  // renameat2
#endif
#include "platform/native/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

#include "model/Utf8.h"

namespace tessary {

namespace {

// A zero would end the path early and name another file than the one asked for.
bool hasNul(std::u16string_view path) { return path.find(u'\0') != std::u16string_view::npos; }

std::string native(std::u16string_view path) { return toUtf8(path); }

// The folder of a path, for flushing the entry of a file created in it.
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

class PosixFileSink final : public FileSink {
  public:
    PosixFileSink(int fd, std::string path) : file_(fd), path_(std::move(path)) {}

    bool write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t written = ::write(file_.get(), bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return false;
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return true;
    }

    // The file's data, and its entry in the folder, so that a new file survives a power cut.
    bool flushToDisk() override {
        if (::fsync(file_.get()) != 0) return false;
        Descriptor folder(::open(folderOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        return folder.valid() && ::fsync(folder.get()) == 0;
    }

    bool finish() override { return file_.valid() && file_.close(); }

  private:
    Descriptor file_;
    std::string path_;
};

}  // namespace

RenameOutcome renameOutcomeOfErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
            return RenameOutcome::SourceMissing;
        case EEXIST:
        case ENOTEMPTY:
            return RenameOutcome::TargetExists;
        case EACCES:
        case EPERM:
        case EROFS:
        case EBUSY:
        case ETXTBSY:
        case EIO:
            return RenameOutcome::AccessDenied;
        default:
            return RenameOutcome::OtherFailure;
    }
}

RenameOutcome PosixFileSystem::rename(std::u16string_view from, std::u16string_view to) {
    if (hasNul(from) || hasNul(to)) return RenameOutcome::OtherFailure;
    const std::string source = native(from);
    const std::string target = native(to);
    struct stat info {};
    if (source == target) {
        if (::lstat(source.c_str(), &info) == 0) return RenameOutcome::Renamed;
        return renameOutcomeOfErrno(errno);
    }
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return RenameOutcome::Renamed;
    }
    const int error = errno;
    if (error != EINVAL && error != ENOSYS) return renameOutcomeOfErrno(error);
    // The file system cannot rename without replacing: a second name and the first one gone
    // does the same, and the link fails on a taken name. A folder cannot be linked; it is
    // renamed only when its new name is free, which leaves a moment for another program.
    if (::lstat(source.c_str(), &info) != 0) return renameOutcomeOfErrno(errno);
    if (S_ISDIR(info.st_mode)) {
        if (::lstat(target.c_str(), &info) == 0) return RenameOutcome::TargetExists;
        if (::rename(source.c_str(), target.c_str()) == 0) return RenameOutcome::Renamed;
        return renameOutcomeOfErrno(errno);
    }
    if (::link(source.c_str(), target.c_str()) != 0) return renameOutcomeOfErrno(errno);
    if (::unlink(source.c_str()) != 0) {
        const int unlinkError = errno;
        ::unlink(target.c_str());
        return renameOutcomeOfErrno(unlinkError);
    }
    return RenameOutcome::Renamed;
}

AttributeQuery PosixFileSystem::queryAttributes(std::u16string_view path) const {
    AttributeQuery query;
    if (hasNul(path)) return query;
    struct stat info {};
    if (::stat(native(path).c_str(), &info) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) query.result = QueryResult::NotFound;
        return query;
    }
    query.result = QueryResult::Found;
    query.attributes.isFolder = S_ISDIR(info.st_mode);
    query.attributes.size =
        query.attributes.isFolder ? 0 : static_cast<std::uint64_t>(info.st_size);
    // 100-nanosecond ticks since 1601, as Windows counts them.
    constexpr std::uint64_t kTicksFrom1601To1970 = 116'444'736'000'000'000ull;
    query.attributes.lastWriteTime =
        kTicksFrom1601To1970 + static_cast<std::uint64_t>(info.st_mtim.tv_sec) * 10'000'000ull +
        static_cast<std::uint64_t>(info.st_mtim.tv_nsec) / 100;
    return query;
}

bool PosixFileSystem::listFolder(std::u16string_view folder,
                                 const std::function<void(std::u16string_view)>& onName) const {
    if (hasNul(folder) || folder.empty()) return false;
    DIR* dir = ::opendir(native(folder).c_str());
    if (dir == nullptr) return false;
    errno = 0;
    std::u16string name;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view bytes(entry->d_name);
        if (bytes == "." || bytes == "..") continue;
        name = fromUtf8(bytes);
        onName(name);
        errno = 0;
    }
    const bool complete = errno == 0;
    ::closedir(dir);
    return complete;
}

std::optional<FileIdentity> PosixFileSystem::identify(std::u16string_view path) const {
    if (hasNul(path)) return std::nullopt;
    struct stat info {};
    if (::lstat(native(path).c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
}

bool PosixFileSystem::pathTooLong(std::u16string_view folder, std::u16string_view name) const {
    return native(name).size() > NAME_MAX ||
           native(folder).size() + native(name).size() >= PATH_MAX;
}

bool PosixFileSystem::removeFile(std::u16string_view path) {
    if (hasNul(path)) return false;
    return ::unlink(native(path).c_str()) == 0;
}

std::unique_ptr<FileSink> PosixFileSystem::createFile(std::u16string_view path) {
    if (hasNul(path)) return nullptr;
    std::string file = native(path);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    return std::make_unique<PosixFileSink>(fd, std::move(file));
}

bool PosixFileSystem::readFileInto(std::u16string_view path, std::size_t maxBytes,
                                   ReadTarget& target) const {
    if (hasNul(path)) return false;
    Descriptor file(::open(native(path).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        return false;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    char* bytes = target.room(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(file.get(), bytes + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) break;  // the file got shorter while we read it
        done += static_cast<std::size_t>(got);
    }
    target.read(done);
    return true;
}

}  // namespace tessary
