#include "textures/ThumbnailPng.h"

#include <cstdlib>

namespace {

// The largest thumbnail taken from a file: the desktop's largest size is 1024 pixels.
constexpr unsigned MAX_THUMBNAIL_SIDE = 1024;

void ReadKey(const std::string& key, const std::string& value, ThumbnailKeys& keys)
{
    if (key == "Thumb::URI")
        keys.uri = value;
    else if (key == "Thumb::MTime")
        keys.mtime = std::atoll(value.c_str());
    else if (key == "Thumb::Image::Width")
        keys.imageWidth = static_cast<unsigned>(std::atol(value.c_str()));
    else if (key == "Thumb::Image::Height")
        keys.imageHeight = static_cast<unsigned>(std::atol(value.c_str()));
}

} // namespace

bool WriteThumbnailPng(const std::string& path, const RgbaPicture& picture, const ThumbnailKeys& keys,
                       std::string& error)
{
    const PngTexts texts = {{"Thumb::URI", keys.uri},
                            {"Thumb::MTime", std::to_string(keys.mtime)},
                            {"Thumb::Image::Width", std::to_string(keys.imageWidth)},
                            {"Thumb::Image::Height", std::to_string(keys.imageHeight)},
                            {"Software", "Trelkan"}};
    return WritePngFile(path, picture, texts, true, error);
}

bool ReadThumbnailPng(const std::string& path, RgbaPicture& picture, ThumbnailKeys& keys)
{
    PngTexts texts;
    if (!ReadPngFile(path, MAX_THUMBNAIL_SIDE, picture, texts))
        return false;
    for (const auto& [key, value] : texts)
        ReadKey(key, value, keys);
    return true;
}
