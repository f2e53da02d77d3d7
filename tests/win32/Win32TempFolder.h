#pragma once
// A temporary folder of real files for the Win32 suites, removed with everything in it (read-only
// files and paths beyond MAX_PATH included) when the object goes.

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Win32FileSystem.h"

namespace tessary::win32test {

inline const wchar_t* wide(const std::u16string& s) {
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

inline std::u16string longForm(const std::u16string& path) { return extendedLengthPath(path); }

inline bool runningUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

inline std::vector<std::u16string> namesInFolder(const std::u16string& folder) {
    std::vector<std::u16string> names;
    std::u16string pattern = folder;
    if (!pattern.empty() && pattern.back() != u'\\') pattern += u'\\';
    pattern = longForm(pattern + u"*");
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(wide(pattern), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::u16string name(reinterpret_cast<const char16_t*>(data.cFileName));
        if (name != u"." && name != u"..") names.push_back(name);
    } while (FindNextFileW(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

inline void removeTree(const std::u16string& path) {
    const std::u16string full = longForm(path);
    const DWORD attributes = GetFileAttributesW(wide(full));
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(wide(full), FILE_ATTRIBUTE_NORMAL);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        std::u16string folder = path;
        if (folder.back() != u'\\') folder += u'\\';
        for (const auto& name : namesInFolder(folder)) removeTree(folder + name);
        RemoveDirectoryW(wide(full));
    } else {
        DeleteFileW(wide(full));
    }
}

inline bool writeBytes(const std::u16string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(wide(longForm(path)), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        bytes.empty() ||
        (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size());
    CloseHandle(file);
    return ok;
}

inline std::optional<std::string> readBytes(const std::u16string& path) {
    HANDLE file = CreateFileW(wide(longForm(path)), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

class TempFolder {
  public:
    explicit TempFolder(const char16_t* tag) {
        static int counter = 0;
        wchar_t temp[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = reinterpret_cast<const char16_t*>(temp);
        if (path_.empty() || path_.back() != u'\\') path_ += u'\\';
        const std::string unique =
            std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        path_ += tag;
        path_ += u"-" + std::u16string(unique.begin(), unique.end()) + u"\\";
        removeTree(path_);
        CreateDirectoryW(wide(path_), nullptr);
    }
    ~TempFolder() { removeTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Ends with a backslash.
    const std::u16string& path() const { return path_; }

  private:
    std::u16string path_;
};

}  // namespace tessary::win32test
