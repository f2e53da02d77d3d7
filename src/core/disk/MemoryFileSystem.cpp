#include "disk/MemoryFileSystem.h"

#include <algorithm>

#include "disk/WindowsNames.h"

namespace tessary {

namespace {

constexpr std::size_t kMaxPathUnits = 32'767;

bool isSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

bool isForbiddenInName(char16_t c) {
    return c < 0x20 || c == u'<' || c == u'>' || c == u':' || c == u'"' || c == u'|' || c == u'?' ||
           c == u'*';
}

bool isDriveLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// Whether `key` lies inside the folder `folderKey`.
bool isInside(const std::u16string& key, const std::u16string& folderKey) {
    return key.size() > folderKey.size() && key.compare(0, folderKey.size(), folderKey) == 0 &&
           key[folderKey.size()] == u'\\';
}

}  // namespace

MemoryFileSystem::Parsed MemoryFileSystem::parse(std::u16string_view path) {
    Parsed p;
    if (path.size() > kMaxPathUnits) {
        p.error = Parsed::Error::TooLong;
        return p;
    }
    if (path.find(u'\0') != std::u16string_view::npos) {
        p.error = Parsed::Error::InvalidName;
        return p;
    }
    if (path.size() < 3 || !isDriveLetter(path[0]) || path[1] != u':' || !isSeparator(path[2])) {
        p.error = Parsed::Error::Malformed;
        return p;
    }
    std::vector<std::u16string_view> names;
    std::size_t i = 3;
    while (i <= path.size()) {
        std::size_t end = i;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        std::u16string_view name = path.substr(i, end - i);
        const bool last = end >= path.size();
        if (last) {
            // Windows drops trailing dots and blanks from the last name.
            while (!name.empty() && (name.back() == u'.' || name.back() == u' ')) {
                name.remove_suffix(1);
            }
        }
        if (name == u"..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != u".") {
            if (name.size() > kMaxNameUnits) {
                p.error = Parsed::Error::TooLong;
                return p;
            }
            if (std::any_of(name.begin(), name.end(), isForbiddenInName)) {
                p.error = Parsed::Error::InvalidName;
                return p;
            }
            names.push_back(name);
        }
        i = end + 1;
    }
    const char16_t drive = foldedChar(path[0]);
    p.key = {drive, u':'};
    p.path = {path[0], u':'};
    for (std::size_t n = 0; n < names.size(); ++n) {
        if (n + 1 == names.size()) p.parentKey = p.key;
        p.key += u'\\';
        p.path += u'\\';
        appendFolded(p.key, names[n]);
        p.path += names[n];
    }
    p.isRoot = names.empty();
    return p;
}

MemoryFileSystem::Entry* MemoryFileSystem::find(const std::u16string& key) {
    auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : &it->second;
}

const MemoryFileSystem::Entry* MemoryFileSystem::find(const std::u16string& key) const {
    auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : &it->second;
}

bool MemoryFileSystem::folderExists(const Parsed& p) const {
    if (p.isRoot) return find(p.key) != nullptr;
    const Entry* parent = find(p.parentKey);
    return parent && parent->isFolder;
}

bool MemoryFileSystem::addFolder(std::u16string_view path) {
    const Parsed p = parse(path);
    if (p.error != Parsed::Error::None) return false;
    // Create every folder on the way, drive root ("C:") first.
    std::size_t at = 1;
    while (true) {
        const std::size_t end = p.key.find(u'\\', at + 1);
        const std::u16string key = p.key.substr(0, end);
        const Entry* existing = find(key);
        if (existing && !existing->isFolder) return false;
        if (!existing) {
            Entry folder;
            folder.path = p.path.substr(0, end == std::u16string::npos ? p.path.size() : end);
            folder.isFolder = true;
            folder.id = newId();
            entries_.emplace(key, std::move(folder));
        }
        if (end == std::u16string::npos) return true;
        at = end;
    }
}

bool MemoryFileSystem::addFile(std::u16string_view path, std::string content,
                               std::uint64_t lastWriteTime) {
    const Parsed p = parse(path);
    if (p.error != Parsed::Error::None || p.isRoot || !folderExists(p)) return false;
    if (find(p.key)) return false;
    Entry file;
    file.path = p.path;
    file.content = std::move(content);
    file.lastWriteTime = lastWriteTime;
    file.id = newId();
    entries_.emplace(p.key, std::move(file));
    return true;
}

bool MemoryFileSystem::remove(std::u16string_view path) {
    const Parsed p = parse(path);
    if (p.error != Parsed::Error::None || !find(p.key)) return false;
    entries_.erase(p.key);
    auto it = entries_.lower_bound(p.key + u'\\');
    while (it != entries_.end() && isInside(it->first, p.key)) it = entries_.erase(it);
    return true;
}

bool MemoryFileSystem::holdOpen(std::u16string_view path, bool held) {
    const Parsed p = parse(path);
    Entry* e = p.error == Parsed::Error::None ? find(p.key) : nullptr;
    if (!e) return false;
    e->heldOpen = held;
    return true;
}

bool MemoryFileSystem::setReadOnly(std::u16string_view path, bool readOnly) {
    const Parsed p = parse(path);
    Entry* e = p.error == Parsed::Error::None ? find(p.key) : nullptr;
    if (!e) return false;
    e->readOnly = readOnly;
    return true;
}

bool MemoryFileSystem::failQueries(std::u16string_view path, bool fail) {
    const Parsed p = parse(path);
    Entry* e = p.error == Parsed::Error::None ? find(p.key) : nullptr;
    if (!e) return false;
    e->failQueries = fail;
    return true;
}

bool MemoryFileSystem::failListing(std::u16string_view path, bool fail) {
    const Parsed p = parse(path);
    Entry* e = p.error == Parsed::Error::None ? find(p.key) : nullptr;
    if (!e || !e->isFolder) return false;
    e->failListing = fail;
    return true;
}

bool MemoryFileSystem::exists(std::u16string_view path) const {
    const Parsed p = parse(path);
    return p.error == Parsed::Error::None && find(p.key);
}

std::optional<std::string> MemoryFileSystem::content(std::u16string_view path) const {
    const Parsed p = parse(path);
    const Entry* e = p.error == Parsed::Error::None ? find(p.key) : nullptr;
    if (!e || e->isFolder) return std::nullopt;
    return e->content;
}

std::optional<std::u16string> MemoryFileSystem::actualPath(std::u16string_view path) const {
    const Parsed p = parse(path);
    const Entry* e = p.error == Parsed::Error::None ? find(p.key) : nullptr;
    if (!e) return std::nullopt;
    return e->path;
}

std::vector<std::u16string> MemoryFileSystem::namesIn(std::u16string_view folder) const {
    std::vector<std::u16string> names;
    const Parsed p = parse(folder);
    if (p.error != Parsed::Error::None) return names;
    for (auto it = entries_.lower_bound(p.key + u'\\'); it != entries_.end(); ++it) {
        if (!isInside(it->first, p.key)) break;
        if (it->first.find(u'\\', p.key.size() + 1) != std::u16string::npos) continue;
        names.push_back(it->second.path.substr(it->second.path.rfind(u'\\') + 1));
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool MemoryFileSystem::listFolder(std::u16string_view folder,
                                  const std::function<void(std::u16string_view)>& onName) const {
    const Parsed p = parse(folder);
    const Entry* e = p.error == Parsed::Error::None ? find(p.key) : nullptr;
    if (!e || !e->isFolder || e->failListing) return false;
    // Everything inside lies between key + "\\" and key + the character after it; folding
    // keeps lengths, so each name starts at the same place in its path.
    const auto end = entries_.lower_bound(p.key + static_cast<char16_t>(u'\\' + 1));
    const std::size_t nameAt = p.key.size() + 1;
    for (auto it = entries_.lower_bound(p.key + u'\\'); it != end; ++it) {
        const std::u16string_view name = std::u16string_view(it->second.path).substr(nameAt);
        if (name.find(u'\\') == std::u16string_view::npos) onName(name);
    }
    return true;
}

bool MemoryFileSystem::removeFile(std::u16string_view path) {
    const Parsed p = parse(path);
    const Entry* e = p.error == Parsed::Error::None ? find(p.key) : nullptr;
    if (!e || e->isFolder || e->heldOpen || e->readOnly) return false;
    entries_.erase(p.key);
    return true;
}

std::optional<FileIdentity> MemoryFileSystem::identify(std::u16string_view path) const {
    const Parsed p = parse(path);
    const Entry* e = p.error == Parsed::Error::None ? find(p.key) : nullptr;
    if (!e || e->failQueries) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(p.key[0]), e->id};
}

RenameOutcome MemoryFileSystem::rename(std::u16string_view from, std::u16string_view to) {
    const auto parseFailure = [](Parsed::Error error) {
        return error == Parsed::Error::InvalidName ? RenameOutcome::OtherFailure
                                                   : RenameOutcome::SourceMissing;
    };
    const Parsed source = parse(from);
    if (source.error != Parsed::Error::None) return parseFailure(source.error);
    if (!folderExists(source)) return RenameOutcome::SourceMissing;
    Entry* entry = find(source.key);
    if (!entry) return RenameOutcome::SourceMissing;
    // The exact same path: nothing to do, whoever has the file open.
    if (from == to) return RenameOutcome::Renamed;
    if (source.isRoot) return RenameOutcome::AccessDenied;
    if (entry->heldOpen) return RenameOutcome::AccessDenied;

    const Parsed target = parse(to);
    if (target.error != Parsed::Error::None) return parseFailure(target.error);
    if (target.key[0] != source.key[0]) return RenameOutcome::OtherFailure;  // another drive
    if (!folderExists(target)) return RenameOutcome::SourceMissing;
    if (target.key == source.key) {
        // The same file under another spelling, perhaps in another case: the name on disk
        // takes the new spelling.
        entry->path = target.path;
        return RenameOutcome::Renamed;
    }
    if (find(target.key)) return RenameOutcome::TargetExists;
    if (isInside(target.key, source.key)) return RenameOutcome::OtherFailure;

    if (entry->isFolder) {
        // A folder moves with everything in it; none of it may be held open.
        // Everything inside has the folder's key and a backslash in front: one run of keys.
        auto first = entries_.lower_bound(source.key + u'\\');
        for (auto it = first; it != entries_.end() && isInside(it->first, source.key); ++it) {
            if (it->second.heldOpen) return RenameOutcome::AccessDenied;
        }
        std::vector<std::pair<std::u16string, Entry>> moved;
        auto it = first;
        while (it != entries_.end() && isInside(it->first, source.key)) {
            Entry inner = std::move(it->second);
            inner.path = target.path + inner.path.substr(entry->path.size());
            moved.emplace_back(target.key + it->first.substr(source.key.size()), std::move(inner));
            it = entries_.erase(it);
        }
        for (auto& [key, inner] : moved) entries_.emplace(std::move(key), std::move(inner));
    }
    auto node = entries_.extract(source.key);
    node.key() = target.key;
    node.mapped().path = target.path;
    entries_.insert(std::move(node));
    return RenameOutcome::Renamed;
}

AttributeQuery MemoryFileSystem::queryAttributes(std::u16string_view path) const {
    AttributeQuery q;
    const Parsed p = parse(path);
    if (p.error != Parsed::Error::None) return q;
    const Entry* e = find(p.key);
    if (!e) {
        q.result = QueryResult::NotFound;
        return q;
    }
    if (e->failQueries) return q;
    q.result = QueryResult::Found;
    q.attributes.isFolder = e->isFolder;
    q.attributes.size = e->isFolder ? 0 : e->content.size();
    q.attributes.lastWriteTime = e->lastWriteTime;
    return q;
}

// Appends to the file's content as it is written, as a real file grows. The file is looked up
// for every write, so a sink outliving its file fails instead of writing into freed memory.
class MemoryFileSystem::Sink final : public FileSink {
  public:
    Sink(MemoryFileSystem& fs, std::u16string key) : fs_(fs), key_(std::move(key)) {}
    bool write(std::string_view bytes) override {
        Entry* e = fs_.find(key_);
        if (!e || e->isFolder) return false;
        e->content.append(bytes);
        return true;
    }
    bool flushToDisk() override { return fs_.find(key_) != nullptr; }
    bool finish() override { return fs_.find(key_) != nullptr; }

  private:
    MemoryFileSystem& fs_;
    std::u16string key_;
};

std::unique_ptr<FileSink> MemoryFileSystem::createFile(std::u16string_view path) {
    const Parsed p = parse(path);
    if (p.error != Parsed::Error::None || p.isRoot || !folderExists(p)) return nullptr;
    Entry* e = find(p.key);
    if (e) {
        if (e->isFolder || e->heldOpen || e->readOnly) return nullptr;
    } else {
        Entry file;
        file.path = p.path;
        file.id = newId();
        e = &entries_.emplace(p.key, std::move(file)).first->second;
    }
    e->content.clear();  // created anew, as a real file is
    return std::make_unique<Sink>(*this, p.key);
}

bool MemoryFileSystem::readFileInto(std::u16string_view path, std::size_t maxBytes,
                                    ReadTarget& target) const {
    const Parsed p = parse(path);
    const Entry* e = p.error == Parsed::Error::None ? find(p.key) : nullptr;
    if (!e || e->isFolder || e->heldOpen || e->content.size() > maxBytes) return false;
    e->content.copy(target.room(e->content.size()), e->content.size());
    target.read(e->content.size());
    return true;
}

}  // namespace tessary
