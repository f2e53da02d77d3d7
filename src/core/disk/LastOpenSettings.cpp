#include "disk/LastOpenSettings.h"

#include <fstream>
#include <system_error>

namespace tessary {

std::u16string decodeLastOpen(std::string_view bytes) {
    if (bytes.size() > kLastOpenReadBytes) bytes = bytes.substr(0, kLastOpenReadBytes);
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const unsigned low = static_cast<unsigned char>(bytes[i]);
        const unsigned high = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        const auto unit = static_cast<char16_t>(low | (high << 8));
        if (unit == 0) break;
        text.push_back(unit);
    }
    return text;
}

std::string encodeLastOpen(std::u16string_view folder) {
    std::string bytes;
    bytes.reserve(folder.size() * 2);
    for (const char16_t unit : folder) {
        if (unit == 0) break;
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

std::optional<std::string> SettingsFile::read(std::size_t maxBytes) {
    // A folder of that name cannot be opened as a file on Windows; treat it alike everywhere.
    std::error_code error;
    if (std::filesystem::is_directory(path_, error)) return std::nullopt;
    std::ifstream in(path_, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(maxBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool SettingsFile::replace(std::string_view bytes) {
    std::error_code error;
    if (std::filesystem::is_directory(path_, error)) return false;
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

LastOpenLoad LastOpenSettings::load(SettingsStorage& storage) {
    if (const auto bytes = storage.read(kLastOpenReadBytes)) {
        const std::lock_guard lock(mutex_);
        folder_ = decodeLastOpen(*bytes);
        return LastOpenLoad::Read;
    }
    const std::u16string defaultFolder = kLastOpenDefault;
    if (!storage.replace(encodeLastOpen(defaultFolder))) {
        const std::lock_guard lock(mutex_);
        folder_.clear();
        return LastOpenLoad::CreateFailed;
    }
    const std::lock_guard lock(mutex_);
    folder_ = defaultFolder;
    return LastOpenLoad::Created;
}

bool LastOpenSettings::store(SettingsStorage& storage, std::u16string_view folder) {
    // The buffer holds the text up to its terminator, as the file does.
    const std::size_t end = folder.find(u'\0');
    const std::u16string_view text = folder.substr(0, end);
    {
        const std::lock_guard lock(mutex_);
        folder_.assign(text);
    }
    return storage.replace(encodeLastOpen(text));
}

std::u16string LastOpenSettings::folder() const {
    const std::lock_guard lock(mutex_);
    return folder_;
}

}  // namespace tessary
