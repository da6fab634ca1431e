// A file's stamp tells a change of its bytes from a touch, and does not read a file whose size
// and time are as stamped.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "level/FileStamp.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

void Write(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// Moves the file's time on by a second, as `touch` or a checkout of the same bytes does.
void Touch(const std::string& path)
{
    fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(1));
}

// Other bytes of the same size, with the file's time put back: only reading could tell.
void SwapBytesKeepingTime(const std::string& path)
{
    const fs::file_time_type time = fs::last_write_time(path);
    Write(path, "level B");
    fs::last_write_time(path, time);
}

struct Step {
    std::function<void(const std::string&)> edit;
    bool changed;
};

struct Case {
    const char* name;
    std::vector<Step> steps;
};

TEST(FileStampTest, OnlyOtherBytesAreAChange)
{
    const std::vector<Case> cases = {
        {"untouched", {{[](const std::string&) {}, false}}},
        {"touched", {{Touch, false}}},
        {"rewritten with the same bytes elsewhere and renamed over it",
         {{[](const std::string& p) { Write(p + ".new", "level A"); Touch(p + ".new"); fs::rename(p + ".new", p); },
           false}}},
        {"grown", {{[](const std::string& p) { Write(p, "level A!"); }, true}}},
        {"other bytes, same size, new time",
         {{[](const std::string& p) { Write(p, "level B"); Touch(p); }, true}}},
        {"other bytes with size and time as stamped are not read", {{SwapBytesKeepingTime, false}}},
        {"a touch's time is taken, so the file is not read again", {{Touch, false}, {SwapBytesKeepingTime, false}}},
        {"removed: nothing to lose", {{[](const std::string& p) { fs::remove(p); }, false}}},
    };
    for (const Case& test : cases) {
        TempFolder folder;
        const std::string path = folder.File("level.xml");
        Write(path, "level A");
        FileStamp stamp = FileStamp::Of(path);
        ASSERT_TRUE(stamp.Known());
        for (std::size_t i = 0; i < test.steps.size(); ++i) {
            test.steps[i].edit(path);
            EXPECT_EQ(stamp.Changed(path), test.steps[i].changed) << test.name << ", step " << i;
        }
    }
    TempFolder folder;
    EXPECT_FALSE(FileStamp().Changed(folder.File("x"))) << "an empty stamp knows of no file";
    EXPECT_FALSE(FileStamp::Of(folder.File("missing.xml")).Known());
}

} // namespace
