#include "engine/FileNameParts.h"

#include <string>

namespace tessary {

FileNameParts FileNameParts::fromFileName(std::u16string_view fileName) {
    FileNameParts parts;
    parts.fileName_ = std::u16string(fileName);
    parts.splitFileName();
    return parts;
}

FileNameParts FileNameParts::fromFullPath(std::u16string_view fullPath, bool split) {
    FileNameParts parts;
    if (!split || fullPath.size() <= 3) return parts;
    parts.fullPath_ = std::u16string(fullPath);
    const std::size_t b = fullPath.rfind(u'\\');
    if (b == std::u16string_view::npos) return parts;
    parts.folder_ = std::u16string(fullPath.substr(0, b + 1));
    parts.fileName_ = std::u16string(fullPath.substr(b + 1));
    parts.drive_ = parts.folder_.substr(0, parts.folder_.find(u'\\'));
    // A doubled backslash before the name leaves the folder with a single final one.
    if (b > 0 && fullPath[b - 1] == u'\\') parts.folder_.pop_back();
    parts.splitFileName();
    return parts;
}

void FileNameParts::splitFileName() {
    const std::size_t d = fileName_.rfind(u'.');
    if (d == std::u16string::npos) {
        mainName_ = fileName_;
        return;
    }
    mainName_ = fileName_.substr(0, d);
    extension_ = fileName_.substr(d + 1);
}

void FileNameParts::appendCounter(long long n) {
    mainName_ += u'(';
    for (char c : std::to_string(n)) mainName_ += static_cast<char16_t>(c);
    mainName_ += u')';
}

void FileNameParts::selectExtension() {
    mainName_.swap(extension_);
    extensionSelected_ = true;
}

std::u16string FileNameParts::join() {
    if (extensionSelected_) {
        mainName_.swap(extension_);
        extensionSelected_ = false;
    }
    joinedName_.clear();
    joinedName_.reserve(mainName_.size() + 1 + extension_.size());
    joinedName_ += mainName_;
    if (!extension_.empty()) {
        joinedName_ += u'.';
        joinedName_ += extension_;
    }
    return joinedName_;
}

std::u16string FileNameParts::joinSwapped() {
    joinedName_ = extension_;
    if (!mainName_.empty()) {
        joinedName_ += u'.';
        joinedName_ += mainName_;
    }
    return joinedName_;
}

}  // namespace tessary
