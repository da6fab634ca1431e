#include "panels/ThumbnailCache.h"

#include <filesystem>

#include <sys/stat.h>
#include <wx/image.h>
#include <wx/log.h>

#include "image/ImageFile.h"
#include "textures/ThumbnailName.h"

namespace {

std::string AbsolutePath(const std::string& path)
{
    std::error_code error;
    return std::filesystem::absolute(path, error).lexically_normal().generic_string();
}

wxImage Fitted(const wxImage& image, unsigned side)
{
    const int longer = std::max(image.GetWidth(), image.GetHeight());
    if (longer <= int(side))
        return image;
    const int width = std::max(1, image.GetWidth() * int(side) / longer);
    const int height = std::max(1, image.GetHeight() * int(side) / longer);
    return image.Scale(width, height, wxIMAGE_QUALITY_BOX_AVERAGE);
}

} // namespace

RgbaPicture PictureOf(const wxImage& image)
{
    RgbaPicture picture{unsigned(image.GetWidth()), unsigned(image.GetHeight()), {}};
    const unsigned char* rgb = image.GetData();
    const unsigned char* alpha = image.HasAlpha() ? image.GetAlpha() : nullptr;
    const std::size_t count = std::size_t(picture.width) * picture.height;
    picture.pixels.resize(count * 4);
    for (std::size_t i = 0; i < count; ++i) {
        std::copy(rgb + 3 * i, rgb + 3 * i + 3, picture.pixels.begin() + std::ptrdiff_t(4 * i));
        picture.pixels[4 * i + 3] = alpha ? alpha[i] : 0xff;
    }
    return picture;
}

wxImage ImageOf(const RgbaPicture& picture)
{
    wxImage image(int(picture.width), int(picture.height), false);
    image.SetAlpha();
    const std::size_t count = std::size_t(picture.width) * picture.height;
    for (std::size_t i = 0; i < count; ++i) {
        std::copy(&picture.pixels[4 * i], &picture.pixels[4 * i + 3], image.GetData() + 3 * i);
        image.GetAlpha()[i] = picture.pixels[4 * i + 3];
    }
    return image;
}

RgbaPicture FitPicture(const RgbaPicture& picture, unsigned side)
{
    if (std::max(picture.width, picture.height) <= side)
        return picture;
    return PictureOf(Fitted(ImageOf(picture), side));
}

ThumbnailCache::ThumbnailCache(std::string folder) : m_folder(std::move(folder)) {}

std::string ThumbnailCache::ThumbnailPathOfImage(const std::string& imagePath) const
{
    return ThumbnailPathOf(m_folder, FileUri(AbsolutePath(imagePath)));
}

ThumbnailCache::Thumbnail ThumbnailCache::Fetch(const std::string& imagePath) const
{
    struct stat status {};
    if (stat(imagePath.c_str(), &status) != 0)
        return {{}, 0, 0, CheckImageFile(imagePath, MAX_IMAGE_SIDE), false};
    const ThumbnailKeys keys{FileUri(AbsolutePath(imagePath)), static_cast<long long>(status.st_mtime), 0, 0};
    const std::string thumbnailPath = ThumbnailPathOf(m_folder, keys.uri);
    Thumbnail cached;
    ThumbnailKeys stored;
    // A thumbnail that does not tell the image's size (another program may leave it out) is made
    // again, since the tile's tooltip shows the size.
    if (ReadThumbnailPng(thumbnailPath, cached.picture, stored) && stored.uri == keys.uri && stored.mtime == keys.mtime &&
        stored.imageWidth > 0 && stored.imageHeight > 0) {
        cached.imageWidth = stored.imageWidth;
        cached.imageHeight = stored.imageHeight;
        cached.fromCache = true;
        return cached;
    }
    return Make(imagePath, keys, thumbnailPath);
}

ThumbnailCache::Thumbnail ThumbnailCache::Make(const std::string& imagePath, const ThumbnailKeys& keys,
                                               const std::string& thumbnailPath) const
{
    Thumbnail made;
    made.failure = CheckImageFile(imagePath, MAX_IMAGE_SIDE);
    if (!made.failure.empty())
        return made;
    wxImage image;
    {
        wxLogNull quiet; // a failure is the tile's to show, not a log box's
        image.LoadFile(wxString::FromUTF8(imagePath));
    }
    if (!image.IsOk()) {
        made.failure = "not an image the editor can read";
        return made;
    }
    made.imageWidth = unsigned(image.GetWidth());
    made.imageHeight = unsigned(image.GetHeight());
    made.picture = PictureOf(Fitted(image, SIZE));
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, error);
    std::string ignored; // a cache that cannot be written only costs the next run the work again
    WriteThumbnailPng(thumbnailPath, made.picture, {keys.uri, keys.mtime, made.imageWidth, made.imageHeight}, ignored);
    return made;
}
