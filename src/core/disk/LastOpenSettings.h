#pragma once
// LastOpen.ini: the folder in which the add-files dialog opens. Despite its name the file has no
// sections or keys; its whole content is one folder path as UTF-16LE code units, without a
// byte-order mark and without a terminator. It is read once at start and rewritten after every
// confirmed add-files selection.

#include <cstddef>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

inline constexpr char16_t kLastOpenFileName[] = u"LastOpen.ini";
inline constexpr std::size_t kLastOpenReadBytes = 512;
inline constexpr std::size_t kLastOpenReadUnits = kLastOpenReadBytes / 2;
// Written when the file does not exist yet: "C:\", six bytes.
inline constexpr char16_t kLastOpenDefault[] = u"C:\\";

inline constexpr char16_t kLastOpenCreateFailed[] = u"创建配置文件失败";
inline constexpr char16_t kLastOpenStoreFailed[] = u"打开配置文件失败!";

// The folder that the first kLastOpenReadBytes bytes of the file name: little-endian units up to
// the first zero unit; an odd last byte is the low half of a unit whose high half is zero.
std::u16string decodeLastOpen(std::string_view bytes);

// The bytes stored for a folder: its units up to the first zero unit, two bytes each, no
// terminator.
std::string encodeLastOpen(std::u16string_view folder);

// Where the settings live; a real file in the working directory for the program, anything in
// tests.
class SettingsStorage {
  public:
    virtual ~SettingsStorage() = default;
    // At most maxBytes from the start of the content, or nothing when it cannot be opened.
    virtual std::optional<std::string> read(std::size_t maxBytes) = 0;
    // Creates the content anew (truncating what was there); false when that is not possible.
    virtual bool replace(std::string_view bytes) = 0;
};

// The settings file at a path; the program passes the bare relative name so that the file lives
// in the current working directory.
class SettingsFile : public SettingsStorage {
  public:
    explicit SettingsFile(std::filesystem::path path = kLastOpenFileName);
    std::optional<std::string> read(std::size_t maxBytes) override;
    bool replace(std::string_view bytes) override;

  private:
    std::filesystem::path path_;
};

enum class LastOpenLoad {
    Read,          // the file was there; the folder is its text
    Created,       // it was missing and now holds the default
    CreateFailed,  // it was missing and could not be created; the folder is empty
};

// The last-folder buffer. The add-files worker replaces it while the window runs, so reads and
// writes are serialised.
class LastOpenSettings {
  public:
    LastOpenLoad load(SettingsStorage& storage);
    // Keeps the new folder even when the file cannot be written (the result is then false).
    bool store(SettingsStorage& storage, std::u16string_view folder);
    std::u16string folder() const;

  private:
    mutable std::mutex mutex_;
    std::u16string folder_;
};

// The settings the program reads at start and hands to its main window: the file in the
// working folder, the folder it holds, and how reading it went.
struct StartSettings {
    SettingsFile file;
    LastOpenSettings lastOpen;
    LastOpenLoad loaded = LastOpenLoad::Read;

    void read() { loaded = lastOpen.load(file); }
};

}  // namespace tessary
