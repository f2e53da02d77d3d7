// A journal is read back after a crash, from a disk that may have lost part of it, or from a
// file the user hands the command-line tool: any bytes must be refused or read into steps that
// stay in their folders, and putting those steps back on a small disk must neither crash nor
// make any file disappear. The checksum is mended first in a second pass, so that the fuzzer
// reaches what lies behind it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "disk/MemoryFileSystem.h"
#include "disk/RenameJournal.h"

namespace {

void check(std::string_view bytes) {
    const auto steps = tessary::decodeJournal(bytes);
    if (!steps) return;
    for (const auto& step : *steps) {
        for (const auto* name : {&step.from, &step.to}) {
            if (name->empty() || name->find_first_of(u"\\/") != std::u16string::npos) std::abort();
            if (*name == u"." || *name == u"..") std::abort();
        }
        if (step.folder.empty() || step.row < 0) std::abort();
    }
    tessary::MemoryFileSystem fs;
    fs.addFolder(u"C:\\d\\sub");
    fs.addFile(u"C:\\d\\a.txt", "a");
    fs.addFile(u"C:\\d\\b.txt", "b");
    fs.addFile(u"C:\\d\\~tessary-1.tmp", "t");
    fs.addFile(u"C:\\d\\sub\\c.txt", "c");
    const tessary::Recovery recovery = tessary::recoverJournal(*steps, fs);
    if (fs.entryCount() != 7) std::abort();  // C:, C:\d, C:\d\sub and the four files
    if (recovery.putBack + recovery.notPutBack > static_cast<int>(recovery.rows.size())) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(bytes);
    if (size >= 4) {
        std::string mended(bytes.substr(0, size - 4));
        const std::uint32_t crc = tessary::journalChecksum(mended);
        for (int i = 0; i < 4; ++i) mended += static_cast<char>((crc >> (8 * i)) & 0xFF);
        check(mended);
    }
    return 0;
}
