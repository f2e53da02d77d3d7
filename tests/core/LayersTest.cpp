// The sources are layered: a file may include its own layer and the layers below it, never one
// above it or one beside it. The build links the layers in the same order; this reads every
// #include of src/ so that a wrong-way include is named with its file and line.

#include <gtest/gtest.h>

#include <array>

#include "core/SourceIncludes.h"

namespace {

using namespace tessary::test;
namespace fs = std::filesystem;

struct Layer {
    const char* folder;  // under src/
    int height;          // layers of one height stand beside each other
};

// From the bottom.
constexpr std::array<Layer, 9> kLayers = {{
    {"core/model", 0},
    {"core/rules", 1},
    {"core/disk", 2},
    {"core/tags", 2},
    {"core/commands", 3},
    {"platform", 4},
    {"ui", 5},
    {"app", 6},
    {"cli", 6},
}};

const Layer* layerOf(const std::string& pathUnderSrc) {
    for (const Layer& layer : kLayers) {
        const std::string folder = std::string(layer.folder) + "/";
        if (pathUnderSrc.starts_with(folder)) return &layer;
    }
    return nullptr;
}

// Why `file` may not include `included` (both paths under src/), or empty when it may.
std::string wrongWay(const std::string& file, const std::string& included) {
    const Layer* from = layerOf(file);
    const Layer* to = layerOf(included);
    if (!from) return "is in no layer";
    if (!to) return "includes " + included + ", which is in no layer";
    if (from == to || to->height < from->height) return {};
    return std::string(to->height == from->height ? "includes a layer beside its own, "
                                                  : "includes a layer above its own, ") +
           to->folder + " from " + from->folder;
}

TEST(Layers, ALayerIncludesOnlyItselfAndTheLayersBelow) {
    EXPECT_EQ(wrongWay("core/disk/RenamePlan.h", "core/disk/FileSystem.h"), "");
    EXPECT_EQ(wrongWay("core/commands/ApplyUndo.h", "core/model/FileListModel.h"), "");
    EXPECT_EQ(wrongWay("ui/VarnelDlg.h", "platform/win32/Win32Collator.h"), "");
    EXPECT_EQ(wrongWay("platform/win32/Win32TagFiles.cpp", "platform/win32/Win32FileSystem.h"), "");
    EXPECT_EQ(wrongWay("core/model/FileListModel.h", "core/commands/CommandEffects.h"),
              "includes a layer above its own, core/commands from core/model");
    EXPECT_EQ(wrongWay("core/tags/TagBulkEdit.h", "core/disk/FileSystem.h"),
              "includes a layer beside its own, core/disk from core/tags");
    EXPECT_EQ(wrongWay("ui/VarnelDlg.cpp", "app/VarnelApp.h"),
              "includes a layer above its own, app from ui");
    EXPECT_EQ(wrongWay("cli/main.cpp", "app/VarnelApp.h"),
              "includes a layer beside its own, app from cli");
    // A folder under src/ that no layer claims is a fault of its own.
    EXPECT_EQ(wrongWay("engine/Preview.h", "core/model/FileListModel.h"), "is in no layer");
}

// The file of src/ that a quoted include names, relative to src/: includes are looked up
// beside the including file, then in src/core, src/ and the including layer's own folder
// (the window's resources). Empty when no file matches.
std::string resolve(const fs::path& src, const fs::path& file, const std::string& header) {
    const Layer* layer = layerOf(file.lexically_relative(src).generic_string());
    std::vector<fs::path> roots = {file.parent_path(), src / "core", src};
    if (layer) roots.push_back(src / layer->folder);
    for (const fs::path& root : roots) {
        const fs::path candidate = (root / header).lexically_normal();
        if (fs::is_regular_file(candidate))
            return candidate.lexically_relative(src).generic_string();
    }
    return {};
}

TEST(Layers, NoSourceIncludesTheWrongWay) {
    const fs::path src = fs::path(TESSARY_SOURCE_DIR) / "src";
    if (!fs::exists(src)) GTEST_SKIP() << "sources not reachable from here";
    int checked = 0;
    for (const IncludeLine& include : includesUnder(src)) {
        if (!include.quoted) continue;
        const std::string file = include.file.lexically_relative(src).generic_string();
        const std::string where =
            file + ":" + std::to_string(include.number) + ": \"" + include.header + "\" ";
        const std::string included = resolve(src, include.file, include.header);
        if (included.empty()) {
            ADD_FAILURE() << where << "names no file of src/";
            continue;
        }
        const std::string fault = wrongWay(file, included);
        EXPECT_EQ(fault, "") << where << fault;
        ++checked;
    }
    EXPECT_GT(checked, 300);
}

}  // namespace
