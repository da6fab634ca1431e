#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "scenegraph/NumberText.h"

namespace {

// The level file that the tree below `root` makes, in memory.
std::string Written(CSGGroup& root)
{
    char* data = nullptr;
    std::size_t size = 0;
    std::FILE* file = open_memstream(&data, &size);
    if (!file)
        std::abort();
    {
        ScopedCLocale cLocale;
        root.WriteXml(file);
    }
    std::fclose(file);
    std::string text(data, size);
    std::free(data);
    return text;
}

} // namespace

// Arbitrary bytes as a level map file, through the reader and the loader: the load must succeed
// or fail cleanly, never crash, leak or run into undefined behaviour. A level that loads must
// also survive a save: its written file loads again and is written to the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string error;
    auto scene = ReadLevelBuffer(reinterpret_cast<const char*>(data), size, error);
    if (!scene)
        return 0;
    std::string first = Written(scene->Root());
    auto reloaded = ReadLevelBuffer(first.data(), first.size(), error);
    if (!reloaded || Written(reloaded->Root()) != first)
        std::abort();
    return 0;
}
