// Thumbnail files as the desktop shares them: named by the MD5 of the file's URI, and carrying the
// URI, the image's time and size as text chunks through a write and a read.
#include <string>

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"
#include "textures/ThumbnailName.h"
#include "textures/ThumbnailPng.h"

namespace {

struct NameCase {
    const char* path;
    const char* uri;
    const char* file;
};

// The first is the desktop's own documented example.
const NameCase NAMES[] = {
    {"/home/jens/photos/me.png", "file:///home/jens/photos/me.png", "c6ee772d9e49320e97ec29a7eb5b1697.png"},
    {"/a b/100%#?.jpg", "file:///a%20b/100%25%23%3F.jpg", nullptr},
    {"/ü", "file:///%C3%BC", nullptr},
};

TEST(ThumbnailPngTest, NamesTheFileByTheMd5OfItsEscapedUri)
{
    for (const NameCase& c : NAMES) {
        EXPECT_EQ(FileUri(c.path), c.uri);
        if (c.file) {
            EXPECT_EQ(ThumbnailPathOf("/cache", c.uri), std::string("/cache/") + c.file);
        }
    }
}

TEST(ThumbnailPngTest, KeepsPixelsAndKeysThroughAWriteAndARead)
{
    TempFolder folder;
    RgbaPicture picture{3, 2, {}};
    for (unsigned i = 0; i < 3 * 2 * 4; ++i)
        picture.pixels.push_back(static_cast<unsigned char>(i * 10));
    const ThumbnailKeys keys{"file:///a/b.jpg", 1700000000, 640, 480};
    std::string error;
    ASSERT_TRUE(WriteThumbnailPng(folder.File("t.png"), picture, keys, error)) << error;
    EXPECT_EQ(folder.Entries(), std::set<std::string>{"t.png"});

    RgbaPicture read;
    ThumbnailKeys readKeys;
    ASSERT_TRUE(ReadThumbnailPng(folder.File("t.png"), read, readKeys));
    EXPECT_EQ(read.pixels, picture.pixels);
    EXPECT_EQ(readKeys.uri, keys.uri);
    EXPECT_EQ(readKeys.mtime, keys.mtime);
    EXPECT_EQ(readKeys.imageWidth, 640u);
    EXPECT_EQ(readKeys.imageHeight, 480u);
    EXPECT_FALSE(ReadThumbnailPng(folder.File("missing.png"), read, readKeys));
    EXPECT_FALSE(WriteThumbnailPng(folder.File("no/such/folder/t.png"), picture, keys, error));
}

} // namespace
