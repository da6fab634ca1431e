// The texture browser's thumbnails go to the desktop's shared cache under the name and with the
// keys file managers use, are taken from it while the image stays as it was, and are made again
// once it changes; images the texture checks refuse get the reason instead of a picture.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/image.h>

#include "panels/ThumbnailCache.h"
#include "tests/support/TempFolder.h"
#include "textures/ThumbnailName.h"

namespace {

void SaveImage(const std::string& path, int width, int height, unsigned char red)
{
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    wxImage image(width, height);
    image.SetRGB(wxRect(0, 0, width, height), red, 10, 20);
    ASSERT_TRUE(image.SaveFile(path, wxBITMAP_TYPE_PNG));
}

void SetModified(const std::string& path, long long seconds)
{
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST(ThumbnailCacheTest, WritesTheSharedThumbnailReusesItWhileTheImageStaysAndRedoesItAfterAChange)
{
    TempFolder folder;
    const ThumbnailCache cache(folder.File("thumbnails/normal"));
    const std::string image = folder.File("wall picture.png");
    SaveImage(image, 512, 256, 200);
    SetModified(image, 1600000000);

    ThumbnailCache::Thumbnail made = cache.Fetch(image);
    ASSERT_TRUE(made.failure.empty()) << made.failure;
    EXPECT_FALSE(made.fromCache);
    const std::string uri = FileUri(image);
    const std::string stored = folder.File("thumbnails/normal/" + Md5Hex(uri) + ".png");
    EXPECT_EQ(cache.ThumbnailPathOfImage(image), stored);
    RgbaPicture picture;
    ThumbnailKeys keys;
    ASSERT_TRUE(ReadThumbnailPng(stored, picture, keys));
    EXPECT_EQ(keys.uri, uri);
    EXPECT_EQ(keys.mtime, 1600000000);
    EXPECT_EQ(picture.width, ThumbnailCache::SIZE);
    EXPECT_EQ(picture.height, ThumbnailCache::SIZE / 2);
    EXPECT_EQ(std::filesystem::status(stored).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);

    const ThumbnailCache::Thumbnail reused = cache.Fetch(image);
    EXPECT_TRUE(reused.fromCache);
    EXPECT_EQ(reused.picture.pixels, made.picture.pixels);
    EXPECT_EQ(reused.imageWidth, 512u);

    SaveImage(image, 64, 64, 30);
    SetModified(image, 1600000100);
    const ThumbnailCache::Thumbnail redone = cache.Fetch(image);
    EXPECT_FALSE(redone.fromCache);
    EXPECT_EQ(redone.picture.width, 64u);
    EXPECT_EQ(redone.picture.pixels[0], 30);
    ASSERT_TRUE(ReadThumbnailPng(stored, picture, keys));
    EXPECT_EQ(keys.mtime, 1600000100);
}

TEST(ThumbnailCacheTest, ARefusedImageGetsItsReasonAndNoThumbnail)
{
    TempFolder folder;
    const ThumbnailCache cache(folder.File("thumbnails"));
    std::ofstream(folder.File("text.png")) << "no picture here";
    for (const char* name : {"missing.jpg", "text.png"}) {
        const ThumbnailCache::Thumbnail refused = cache.Fetch(folder.File(name));
        EXPECT_FALSE(refused.failure.empty()) << name;
        EXPECT_TRUE(refused.picture.pixels.empty()) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("thumbnails")));
}

} // namespace
