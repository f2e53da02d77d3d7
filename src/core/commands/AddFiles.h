#pragma once
// Files entering the list in batches: the queue a feed worker fills, the row the window builds
// for each path, and the texts the progress window shows.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "disk/FileSystem.h"
#include "model/FileListModel.h"

namespace tessary {

inline constexpr char16_t kTooManyPicked[] = u"待添加的文件数太多,请分成若干次添加!";
inline constexpr char16_t kLastOpenNotWritten[] = u"打开配置文件失败!";

// The paths of the batch under way. A batch larger than the slots is fed in rounds that reuse
// them: file i of the batch lives in slot i % slotCount() while its row is being built, so no
// batch ever writes beyond the table and every file is added, in order. A slot views the path
// where the batch keeps it (the drop handle, the picked list), which outlives the batch's rows
// being built: a second copy of 200,000 paths would cost as much memory as their rows.
class PathQueue {
  public:
    static constexpr std::size_t kSlots = 200'000;

    // The slots are made when the first path is stored: a window that never adds files does not
    // pay for them.
    explicit PathQueue(std::size_t slots = kSlots) : slotCount_(slots == 0 ? 1 : slots) {}

    std::size_t slotCount() const { return slotCount_; }
    void store(std::uint32_t index, std::u16string_view path) {
        if (slots_.empty()) slots_.resize(slotCount_);
        slots_[index % slotCount_] = path;
    }
    std::u16string_view at(std::uint32_t index) const {
        return slots_.empty() ? std::u16string_view() : slots_[index % slotCount_];
    }
    // Lets go of the views once a batch's rows are built, before what they view goes away.
    void release() { std::vector<std::u16string_view>().swap(slots_); }

  private:
    std::size_t slotCount_;
    std::vector<std::u16string_view> slots_;
};

// Walks a list in which each string ends with a zero and an empty one ends the list (as an
// open-file dialog and a drop hand them over); a last string without its zero still counts.
template <typename Char>
class ZeroSeparatedCursor {
  public:
    explicit ZeroSeparatedCursor(std::basic_string_view<Char> list) : list_(list) {}
    // The next string; nothing after the last.
    std::optional<std::basic_string_view<Char>> next() {
        if (at_ >= list_.size()) return std::nullopt;
        const std::size_t end = std::min(list_.find(Char{0}, at_), list_.size());
        if (end == at_) {
            at_ = list_.size();
            return std::nullopt;
        }
        const std::basic_string_view<Char> string = list_.substr(at_, end - at_);
        at_ = end + 1;
        return string;
    }

  private:
    std::basic_string_view<Char> list_;
    std::size_t at_ = 0;
};

// The strings of such a list.
template <typename Char>
std::vector<std::basic_string_view<Char>> zeroSeparatedStrings(std::basic_string_view<Char> list) {
    std::vector<std::basic_string_view<Char>> strings;
    ZeroSeparatedCursor<Char> cursor(list);
    while (const auto string = cursor.next()) strings.push_back(*string);
    return strings;
}

// What an open-file dialog with multiple selection returns: its first string (the folder when
// several files were chosen, the file itself when one was) and each file in full, in the
// dialog's order.
struct PickedFiles {
    std::u16string resultPath;
    std::vector<std::u16string> files;
};
// `buffer` holds the dialog's zero-separated strings, ending with an empty one.
PickedFiles splitPickedFiles(std::u16string_view buffer);

// Builds the row of file `index` of a batch from its path exactly as queued: inserted at row
// `index` (so a batch lands in rows 0 to n-1 above the old rows, in batch order), FileName and
// OriginalName from the path's name, Path its folder, FullPath the path itself, Extension, Size,
// Date Modified and Status "未修改"; Preview stays empty. The item value is `index`. Returns the
// row.
int addQueuedFile(FileListModel& model, std::uint32_t index, std::u16string_view path,
                  const FileSystem& fs);

// The percent label after file `index` of `total`: "%" and index × 100 / total, rounded down;
// empty for an empty batch.
std::u16string progressPercentText(std::uint32_t index, std::uint32_t total);

}  // namespace tessary
