#pragma once
// Files entering the list in batches: the queue a feed worker fills one path at a time, the row
// the window builds for each path, and the texts the progress window shows.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "filelist/FileListModel.h"
#include "records/FileSystem.h"

namespace tessary {

inline constexpr char16_t kTooManyPicked[] = u"待添加的文件数太多,请分成若干次添加!";
inline constexpr char16_t kLastOpenNotWritten[] = u"打开配置文件失败!";
inline constexpr char16_t kAddingFiles[] = u"正在把文件添加到列表中...请稍候!";

// The paths of the batch under way. A batch larger than the slots is fed in rounds that reuse
// them: file i of the batch lives in slot i % slotCount() while its row is being built, so no
// batch ever writes beyond the table and every file is added, in order.
class PathQueue {
  public:
    static constexpr std::size_t kSlots = 200'000;

    explicit PathQueue(std::size_t slots = kSlots) : slots_(slots == 0 ? 1 : slots) {}

    std::size_t slotCount() const { return slots_.size(); }
    void store(std::uint32_t index, std::u16string path) {
        slots_[index % slots_.size()] = std::move(path);
    }
    const std::u16string& at(std::uint32_t index) const { return slots_[index % slots_.size()]; }

  private:
    std::vector<std::u16string> slots_;
};

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
