#pragma once

#include <string>

#include <wx/image.h>

#include "textures/ThumbnailPng.h"

// The picture of one image for the texture browser: the desktop's 128-pixel thumbnail, taken
// from the shared cache while it was made from the image as it is now (same URI, same
// modification time), made again from the image with wxImage otherwise and stored there for
// the next run and for the file managers. Images that the texture checks refuse get no picture
// but the reason. Fetch may run on any thread: it uses no window and not the image library of
// the textures, whose global state belongs to the main thread.
class ThumbnailCache {
public:
    static constexpr unsigned SIZE = 128;
    // The side of the largest square image the textures' pixel cap allows.
    static constexpr unsigned MAX_IMAGE_SIDE = 8192;

    struct Thumbnail {
        RgbaPicture picture; // empty when the image shows none
        unsigned imageWidth = 0;
        unsigned imageHeight = 0;
        std::string failure; // why there is no picture: missing, not an image, too large
        bool fromCache = false;
    };

    explicit ThumbnailCache(std::string folder);

    Thumbnail Fetch(const std::string& imagePath) const;
    // The thumbnail file of an image.
    std::string ThumbnailPathOfImage(const std::string& imagePath) const;

private:
    Thumbnail Make(const std::string& imagePath, const ThumbnailKeys& keys, const std::string& thumbnailPath) const;

    std::string m_folder;
};

// The picture as a toolkit image with alpha, and back.
wxImage ImageOf(const RgbaPicture& picture);
RgbaPicture PictureOf(const wxImage& image);
// The image's pixels made to fit a square of `side` (never made larger), as RGBA.
RgbaPicture FitPicture(const RgbaPicture& picture, unsigned side);
