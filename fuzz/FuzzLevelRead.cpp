#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "tests/level/LevelTestSupport.h"

// Arbitrary bytes as a level map file, through the reader and the loader: the load must succeed
// or fail cleanly, never crash, leak or run into undefined behaviour. A level that loads must
// also survive a save: its written file loads again and is written to the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string error;
    auto scene = ReadLevelBuffer(reinterpret_cast<const char*>(data), size, error);
    if (!scene)
        return 0;
    std::string written = WrittenText(scene->Root());
    auto reloaded = ReadLevelBuffer(written.data(), written.size(), error);
    if (!reloaded || WrittenText(reloaded->Root()) != written)
        std::abort();
    return 0;
}
