#pragma once

#include <string>

#include "image/PngFile.h"

// The thumbnail files that the desktop shares between programs: PNG images that carry, as text
// chunks, the URI of the image they show and its modification time (Thumb::URI, Thumb::MTime),
// with its size in pixels (Thumb::Image::Width, Thumb::Image::Height).

struct ThumbnailKeys {
    std::string uri;
    long long mtime = 0; // seconds since the epoch
    unsigned imageWidth = 0;
    unsigned imageHeight = 0;
};

// Writes the thumbnail to a temporary file beside `path` that only the user may read, then
// renames it into place, so that another program never reads half a file. False with `error`
// set when it cannot.
bool WriteThumbnailPng(const std::string& path, const RgbaPicture& picture, const ThumbnailKeys& keys,
                       std::string& error);
// Reads a thumbnail and its keys; false when the file is missing or no PNG that can be read.
bool ReadThumbnailPng(const std::string& path, RgbaPicture& picture, ThumbnailKeys& keys);
