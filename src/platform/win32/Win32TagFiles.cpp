#include "platform/win32/Win32TagFiles.h"

#include <windows.h>

#include <algorithm>
#include <limits>
#include <string>

#include "platform/SystemServices.h"
#include "platform/win32/Win32FileSystem.h"

namespace tessary {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

// Reads and writes move the file pointer and then read or write from it, and the size comes from
// moving it to the end. Under Wine a GetFileSizeEx or an offset given in an OVERLAPPED each cost
// a round trip to the server, while moving the pointer does not; showing the tags of a long list
// is mostly these calls.
bool moveTo(HANDLE handle, std::uint64_t offset) {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(offset);
    return offset <= static_cast<std::uint64_t>(std::numeric_limits<LONGLONG>::max()) &&
           SetFilePointerEx(handle, to, nullptr, FILE_BEGIN);
}

class Win32TagFile final : public TagFile {
  public:
    explicit Win32TagFile(HANDLE handle) : handle_(handle) {}
    ~Win32TagFile() override { close(); }
    Win32TagFile(const Win32TagFile&) = delete;
    Win32TagFile& operator=(const Win32TagFile&) = delete;

    std::optional<std::uint64_t> size() override {
        LARGE_INTEGER size{};
        if (!SetFilePointerEx(handle_, LARGE_INTEGER{}, &size, FILE_END) || size.QuadPart < 0) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(size.QuadPart);
    }

    std::size_t readAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        auto* bytes = static_cast<char*>(buffer);
        if (!moveTo(handle_, offset)) return 0;
        std::size_t done = 0;
        while (done < count) {
            const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 30));
            DWORD got = 0;
            if (!ReadFile(handle_, bytes + done, ask, &got, nullptr) || got == 0) break;
            done += got;
        }
        return done;
    }

    bool writeAt(std::uint64_t offset, std::string_view bytes) override {
        if (!moveTo(handle_, offset)) return false;
        std::size_t done = 0;
        while (done < bytes.size()) {
            const DWORD ask =
                static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
            DWORD put = 0;
            if (!WriteFile(handle_, bytes.data() + done, ask, &put, nullptr) || put == 0) {
                return false;
            }
            done += put;
        }
        return true;
    }

    bool close() override {
        if (handle_ == INVALID_HANDLE_VALUE) return true;
        const HANDLE h = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(h) != FALSE;
    }

  private:
    HANDLE handle_;
};

std::unique_ptr<TagFile> open(std::u16string_view path, DWORD access) {
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) return nullptr;
    // Only a path too long for the plain form needs the \\?\ one; the plain form spares the
    // system a full-path query per file, which counts when a whole list is read.
    const std::u16string systemPath =
        path.size() < MAX_PATH ? std::u16string(path) : extendedLengthPath(path);
    // Others may go on reading the file, but nobody may change it under our hands. Without
    // FILE_FLAG_BACKUP_SEMANTICS a folder does not open, which is what we want.
    const HANDLE h =
        CreateFileW(reinterpret_cast<const wchar_t*>(systemPath.c_str()), access, FILE_SHARE_READ,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return nullptr;
    return std::make_unique<Win32TagFile>(h);
}

}  // namespace

std::unique_ptr<TagFile> Win32TagFiles::openForReading(std::u16string_view path) {
    return open(path, GENERIC_READ);
}

std::unique_ptr<TagFile> Win32TagFiles::openForUpdate(std::u16string_view path) {
    return open(path, GENERIC_READ | GENERIC_WRITE);
}

std::unique_ptr<TagFiles> makeSystemTagFiles() { return std::make_unique<Win32TagFiles>(); }

}  // namespace tessary
