#pragma once
// A file name split at its last dot into main name and extension (or a full path into folder,
// drive and file name as well), and joined back. Rules edit "the name", which is the main name,
// or the extension after selectExtension().

#include <string>
#include <string_view>

namespace tessary {

class FileNameParts {
  public:
    FileNameParts() = default;

    // A bare file name such as the FileName column holds.
    static FileNameParts fromFileName(std::u16string_view fileName);
    // The same as fromFileName, reusing this object's buffers: the preview keeps one object
    // for all its rows so that long lists cost no allocation per row.
    void assignFileName(std::u16string_view fileName);
    // A full path with backslashes; without `split`, or for a path of 3 units or fewer (a drive
    // root), every field stays empty.
    static FileNameParts fromFullPath(std::u16string_view fullPath, bool split = true);

    const std::u16string& mainName() const { return mainName_; }
    const std::u16string& extension() const { return extension_; }
    const std::u16string& joinedName() const { return joinedName_; }
    const std::u16string& fileName() const { return fileName_; }
    const std::u16string& fullPath() const { return fullPath_; }
    const std::u16string& folder() const { return folder_; }
    const std::u16string& drive() const { return drive_; }
    bool extensionSelected() const { return extensionSelected_; }

    void setMainName(std::u16string_view text) { mainName_.assign(text); }
    void setExtension(std::u16string_view text) { extension_.assign(text); }
    // The main name a rule edits; after selectExtension() this is the extension.
    std::u16string& name() { return mainName_; }

    // main name := main name + "(" + n + ")"
    void appendCounter(long long n);
    // Exchanges main name and extension so that rules edit the extension; join() undoes it.
    void selectExtension();

    // Main name, then "." and the extension unless it is empty. The result is the joined name,
    // valid until the parts are joined again.
    const std::u16string& join();
    // Extension, then "." and the main name unless it is empty.
    const std::u16string& joinSwapped();

  private:
    std::u16string mainName_;
    std::u16string extension_;
    std::u16string joinedName_;
    std::u16string fileName_;
    std::u16string fullPath_;
    std::u16string folder_;
    std::u16string drive_;
    bool extensionSelected_ = false;
};

}  // namespace tessary
