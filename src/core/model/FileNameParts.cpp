#include "model/FileNameParts.h"

#include <iterator>
#include <string>

namespace tessary {

FileNameParts FileNameParts::fromFileName(std::u16string_view fileName) {
    FileNameParts parts;
    parts.assignFileName(fileName);
    return parts;
}

void FileNameParts::assignFileName(std::u16string_view fileName) {
    fileName_.assign(fileName);
    joinedName_.clear();
    fullPath_.clear();
    folder_.clear();
    drive_.clear();
    extensionSelected_ = false;
    const std::size_t d = fileName.rfind(u'.');
    if (d == std::u16string_view::npos) {
        mainName_.assign(fileName);
        extension_.clear();
    } else {
        mainName_.assign(fileName.substr(0, d));
        extension_.assign(fileName.substr(d + 1));
    }
}

FileNameParts FileNameParts::fromFullPath(std::u16string_view fullPath, bool split) {
    FileNameParts parts;
    if (!split || fullPath.size() <= 3) return parts;
    parts.fullPath_ = std::u16string(fullPath);
    const std::size_t b = fullPath.rfind(u'\\');
    if (b == std::u16string_view::npos) return parts;
    std::u16string folder(fullPath.substr(0, b + 1));
    parts.assignFileName(fullPath.substr(b + 1));
    parts.fullPath_ = std::u16string(fullPath);
    parts.drive_ = folder.substr(0, folder.find(u'\\'));
    // A doubled backslash before the name leaves the folder with a single final one.
    if (b > 0 && fullPath[b - 1] == u'\\') folder.pop_back();
    parts.folder_ = std::move(folder);
    return parts;
}

void FileNameParts::appendCounter(long long n) {
    mainName_ += u'(';
    char16_t digits[24];
    char16_t* first = std::end(digits);
    unsigned long long magnitude = n < 0 ? 0 - static_cast<unsigned long long>(n) : n;
    do {
        *--first = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (n < 0) *--first = u'-';
    mainName_.append(first, std::end(digits));
    mainName_ += u')';
}

void FileNameParts::selectExtension() {
    mainName_.swap(extension_);
    extensionSelected_ = true;
}

const std::u16string& FileNameParts::join() {
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

const std::u16string& FileNameParts::joinSwapped() {
    joinedName_ = extension_;
    if (!mainName_.empty()) {
        joinedName_ += u'.';
        joinedName_ += mainName_;
    }
    return joinedName_;
}

}  // namespace tessary
