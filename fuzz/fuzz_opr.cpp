// Record files come from anywhere the user opens them: any bytes must either be refused or
// read into records that write back to the same bytes, minus a dropped last record; loading
// and restoring them on a small disk must neither crash nor make any file disappear.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "commands/RestoreRows.h"
#include "disk/MemoryFileSystem.h"
#include "disk/OprFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto content = tessary::decodeOpr(bytes);
    if (!content) return 0;
    for (const auto r : content->records) {
        for (const auto field : {r.folder, r.earlierName, r.currentName}) {
            if (field.size() > tessary::kOprMaxFieldUnits) std::abort();
            if (field.find(u'\0') != std::u16string_view::npos) std::abort();
        }
    }
    // What was read writes back as a prefix of the input (the header's row count aside).
    const auto again = tessary::encodeOpr(content->time, content->records.owned());
    if (!again || again->size() > size) std::abort();
    if (again->compare(0, 18, bytes.substr(0, 18)) != 0) std::abort();
    if (again->compare(22, std::string::npos, bytes.substr(22, again->size() - 22)) != 0) {
        std::abort();
    }
    const auto reread = tessary::decodeOpr(*again);
    if (!reread || reread->records.owned() != content->records.owned() ||
        !(reread->time == content->time)) {
        std::abort();
    }
    // Loading and restoring on a small disk: whatever the names say, no file leaves C:\d.
    tessary::MemoryFileSystem fs;
    fs.addFolder(u"C:\\d\\sub");
    fs.addFile(u"C:\\d\\a.txt", "a");
    fs.addFile(u"C:\\d\\sub\\b.txt", "b");
    auto load = tessary::restoreRowsFromContent(fs, *content);
    tessary::restoreCheckedRows(load.rows, fs);
    if (fs.entryCount() != 5) std::abort();
    return 0;
}
