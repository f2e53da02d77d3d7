#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>
#include <utility>

namespace tessary {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The longest path the system accepts in any form.
constexpr std::size_t kMaxPathUnits = 32'767;

bool hasNul(std::u16string_view path) { return path.find(u'\0') != std::u16string_view::npos; }

bool isDriveAbsolute(std::u16string_view p) {
    return p.size() >= 3 && ((p[0] >= u'A' && p[0] <= u'Z') || (p[0] >= u'a' && p[0] <= u'z')) &&
           p[1] == u':' && (p[2] == u'\\' || p[2] == u'/');
}

bool isSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool isUnc(std::u16string_view p) {
    return p.size() >= 3 && isSeparator(p[0]) && isSeparator(p[1]) && p[2] != u'?' &&
           p[2] != u'.' && !isSeparator(p[2]);
}

class Handle {
  public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (valid()) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }
    // Closes now and says whether the system accepted it (a write can fail at close).
    bool close() { return CloseHandle(std::exchange(h_, INVALID_HANDLE_VALUE)) != FALSE; }

  private:
    HANDLE h_;
};

}  // namespace

RenameOutcome renameOutcomeOfError(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_FILENAME_EXCED_RANGE:
            return RenameOutcome::SourceMissing;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return RenameOutcome::TargetExists;
        case ERROR_ACCESS_DENIED:
        case ERROR_CURRENT_DIRECTORY:
        case ERROR_NETWORK_ACCESS_DENIED:
        case ERROR_DRIVE_LOCKED:
            return RenameOutcome::AccessDenied;
        default:
            break;
    }
    // Write-protected, not ready, read and write faults, sharing and lock violations: the
    // whole run of device errors from ERROR_WRITE_PROTECT to ERROR_SHARING_BUFFER_EXCEEDED.
    if (error >= ERROR_WRITE_PROTECT && error <= ERROR_SHARING_BUFFER_EXCEEDED) {
        return RenameOutcome::AccessDenied;
    }
    return RenameOutcome::OtherFailure;
}

std::u16string extendedLengthPath(std::u16string_view path) {
    const bool drive = isDriveAbsolute(path);
    if ((!drive && !isUnc(path)) || hasNul(path)) return std::u16string(path);
    const std::u16string given(path);
    std::u16string full(given.size() + 16, u'\0');
    DWORD length = GetFullPathNameW(wide(given), static_cast<DWORD>(full.size()),
                                    reinterpret_cast<wchar_t*>(full.data()), nullptr);
    if (length >= full.size()) {
        full.assign(length + 1, u'\0');
        length = GetFullPathNameW(wide(given), static_cast<DWORD>(full.size()),
                                  reinterpret_cast<wchar_t*>(full.data()), nullptr);
    }
    if (length == 0 || length >= full.size()) return given;
    full.resize(length);
    // A device name such as CON comes back as \\.\CON: leave such paths to the system.
    if (isDriveAbsolute(full)) return u"\\\\?\\" + full;
    if (isUnc(full)) return u"\\\\?\\UNC\\" + full.substr(2);
    return given;
}

namespace {

// Paths shorter than MAX_PATH go to the system as they are (it normalises them the same way);
// only longer ones need their \\?\ form, which saves a normalisation per call.
std::u16string systemPath(std::u16string_view path) {
    if (path.size() < MAX_PATH) return std::u16string(path);
    return extendedLengthPath(path);
}

}  // namespace

RenameOutcome Win32FileSystem::rename(std::u16string_view from, std::u16string_view to) {
    // A zero would end the path early and name another file than the one asked for.
    if (hasNul(from) || hasNul(to)) return RenameOutcome::OtherFailure;
    if (from.size() > kMaxPathUnits || to.size() > kMaxPathUnits) {
        return RenameOutcome::SourceMissing;
    }
    if (from == to) {
        // Nothing to change; only whether the file is there.
        const AttributeQuery query = queryAttributes(from);
        if (query.found()) return RenameOutcome::Renamed;
        return query.result == QueryResult::NotFound ? RenameOutcome::SourceMissing
                                                     : renameOutcomeOfError(GetLastError());
    }
    const std::u16string source = systemPath(from);
    const std::u16string target = systemPath(to);
    // Without MOVEFILE_REPLACE_EXISTING nothing is ever replaced, and without
    // MOVEFILE_COPY_ALLOWED a name on another drive fails instead of copying the file.
    if (MoveFileExW(wide(source), wide(target), 0)) return RenameOutcome::Renamed;
    return renameOutcomeOfError(GetLastError());
}

AttributeQuery Win32FileSystem::queryAttributes(std::u16string_view path) const {
    AttributeQuery query;
    if (hasNul(path)) {
        SetLastError(ERROR_INVALID_NAME);
        return query;
    }
    const std::u16string full = systemPath(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(wide(full), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
            error == ERROR_INVALID_DRIVE) {
            query.result = QueryResult::NotFound;
        }
        SetLastError(error);
        return query;
    }
    query.result = QueryResult::Found;
    query.attributes.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    query.attributes.size =
        query.attributes.isFolder
            ? 0
            : (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    query.attributes.lastWriteTime =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime;
    return query;
}

namespace {

class Win32FileSink final : public FileSink {
  public:
    explicit Win32FileSink(HANDLE file) : file_(file) {}

    bool write(std::string_view bytes) override {
        std::size_t done = 0;
        while (done < bytes.size()) {
            const DWORD chunk =
                static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
            DWORD written = 0;
            if (!WriteFile(file_.get(), bytes.data() + done, chunk, &written, nullptr) ||
                written == 0) {
                return false;
            }
            done += written;
        }
        return true;
    }

    bool flushToDisk() override { return FlushFileBuffers(file_.get()) != FALSE; }

    // A write can still fail when the handle is closed (a full network drive, say).
    bool finish() override { return file_.valid() && file_.close(); }

  private:
    Handle file_;
};

}  // namespace

bool Win32FileSystem::listFolder(std::u16string_view folder,
                                 const std::function<void(std::u16string_view)>& onName) const {
    if (hasNul(folder) || folder.empty()) return false;
    std::u16string pattern(folder);
    if (!isSeparator(pattern.back())) pattern += u'\\';
    pattern += u'*';
    pattern = systemPath(pattern);
    WIN32_FIND_DATAW found{};
    // The basic information level skips the short names, and a large fetch asks for the
    // folder in few round trips.
    HANDLE search = FindFirstFileExW(wide(pattern), FindExInfoBasic, &found, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        const std::u16string_view name(reinterpret_cast<const char16_t*>(found.cFileName));
        if (name != u"." && name != u"..") onName(name);
    } while (FindNextFileW(search, &found));
    const bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(search);
    return complete;
}

std::optional<FileIdentity> Win32FileSystem::identify(std::u16string_view path) const {
    if (hasNul(path)) return std::nullopt;
    // Attributes only, shared every way, so that a file in use by others can still be named;
    // backup semantics opens folders too.
    Handle file(CreateFileW(wide(systemPath(path)), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid()) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.get(), &info)) return std::nullopt;
    return FileIdentity{
        info.dwVolumeSerialNumber,
        (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

bool Win32FileSystem::removeFile(std::u16string_view path) {
    if (hasNul(path)) return false;
    return DeleteFileW(wide(systemPath(path))) != FALSE;
}

std::unique_ptr<FileSink> Win32FileSystem::createFile(std::u16string_view path) {
    if (hasNul(path)) return nullptr;
    const std::u16string full = systemPath(path);
    HANDLE file = CreateFileW(wide(full), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32FileSink>(file);
}

bool Win32FileSystem::readFileInto(std::u16string_view path, std::size_t maxBytes,
                                   ReadTarget& target) const {
    if (hasNul(path)) return false;
    const std::u16string full = systemPath(path);
    Handle file(CreateFileW(wide(full), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    LARGE_INTEGER fileSize{};
    if (!GetFileSizeEx(file.get(), &fileSize) || fileSize.QuadPart < 0 ||
        static_cast<std::uint64_t>(fileSize.QuadPart) > maxBytes) {
        return false;
    }
    const auto size = static_cast<std::size_t>(fileSize.QuadPart);
    char* bytes = target.room(size);
    std::size_t done = 0;
    while (done < size) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - done, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes + done, chunk, &read, nullptr)) return false;
        if (read == 0) break;  // the file got shorter while we read it
        done += read;
    }
    target.read(done);
    return true;
}

}  // namespace tessary
