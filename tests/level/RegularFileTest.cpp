// Every read of a named path opens regular files only, and never waits on what it refuses.
#include <filesystem>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "image/ImageFile.h"
#include "image/PngFile.h"
#include "level/FileStamp.h"
#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "level/RegularFile.h"
#include "tests/support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

struct Kind {
    const char* name;
    std::function<std::string(const TempFolder&)> make; // the path to read
    bool regular;
    std::string error; // when not regular
};

std::string MakeRegular(const TempFolder& folder)
{
    std::ofstream(folder.File("level.xml")) << "<CSGGroup/>";
    return folder.File("level.xml");
}

std::string MakeFifo(const TempFolder& folder)
{
    const std::string path = folder.File("pipe");
    EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
    return path;
}

std::string MakeFolder(const TempFolder& folder)
{
    fs::create_directory(folder.File("folder"));
    return folder.File("folder");
}

// A symbolic link to what `make` makes.
std::function<std::string(const TempFolder&)> LinkTo(std::function<std::string(const TempFolder&)> make)
{
    return [make](const TempFolder& folder) {
        const std::string link = folder.File("link");
        fs::create_symlink(make(folder), link);
        return link;
    };
}

const std::vector<Kind>& Kinds()
{
    static const std::vector<Kind> kinds = {
        {"regular file", MakeRegular, true, ""},
        {"FIFO", MakeFifo, false, "not a regular file"},
        {"folder", MakeFolder, false, "Is a directory"},
        {"/dev/null", [](const TempFolder&) { return std::string("/dev/null"); }, false, "not a regular file"},
        {"missing", [](const TempFolder& folder) { return folder.File("none.xml"); }, false,
         "No such file or directory"},
        {"link to a regular file", LinkTo(MakeRegular), true, ""},
        {"link to a FIFO", LinkTo(MakeFifo), false, "not a regular file"},
        {"link to a folder", LinkTo(MakeFolder), false, "Is a directory"},
        {"link to /dev/null", LinkTo([](const TempFolder&) { return std::string("/dev/null"); }), false,
         "not a regular file"},
        {"link to nothing", LinkTo([](const TempFolder& folder) { return folder.File("none.xml"); }), false,
         "No such file or directory"},
    };
    return kinds;
}

// The readers of levels, images, thumbnails and file stamps refuse what the helper refuses, at
// once (a FIFO would hang the test here) and with its reason where they give one.
TEST(RegularFileTest, OnlyRegularFilesOpenAndEveryReaderRefusesTheRestSayingWhy)
{
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        TempFolder folder;
        const std::string path = kind.make(folder);
        EXPECT_EQ(RegularFile(path).IsOpen(), kind.regular);
        std::string bytes, error;
        EXPECT_EQ(ReadRegularFile(path, bytes, error), kind.regular);
        EXPECT_EQ(bytes, kind.regular ? "<CSGGroup/>" : "");
        EXPECT_EQ(error, kind.error);
        if (kind.regular)
            continue;
        EXPECT_EQ(ReadLevelFile(path, error), nullptr);
        EXPECT_EQ(error, "cannot open file: " + kind.error);
        EXPECT_EQ(CheckImageFile(path, 1024), kind.error);
        EXPECT_FALSE(FileStamp::Of(path).Known());
        RgbaPicture picture;
        PngTexts texts;
        EXPECT_FALSE(ReadPngFile(path, 128, picture, texts));
    }
}

} // namespace
