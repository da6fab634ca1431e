#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// PNG files with text chunks, written so that another program never reads half a file.

// Eight-bit RGBA pixels, row by row from the top.
struct RgbaPicture {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<unsigned char> pixels;
};

// A PNG file's text chunks, key and text.
using PngTexts = std::vector<std::pair<std::string, std::string>>;

// Writes the picture with its texts to a temporary file beside `path` and renames it into place,
// so that a failure leaves an older file as it was. A symbolic link is written through: the file
// it points to is replaced, or made when it does not exist yet. An existing `path` that is no
// regular file (a folder, a FIFO, a device) is refused and left alone. The file may be read by
// its owner alone (`ownerOnly`) or as the user's file-creation mask allows. False with the
// reason, naming the file, when it cannot.
bool WritePngFile(const std::string& path, const RgbaPicture& picture, const PngTexts& texts, bool ownerOnly,
                  std::string& error);
// Writes the picture with its texts to an open stream (standard output, a pipe) and flushes it;
// false with the reason, naming the stream as `name`, when it cannot.
bool WritePngStream(std::FILE* stream, const std::string& name, const RgbaPicture& picture, const PngTexts& texts,
                    std::string& error);
// Reads a PNG of at most `maxSide` pixels a side as RGBA, with its texts; false when the file is
// missing or is no such PNG.
bool ReadPngFile(const std::string& path, unsigned maxSide, RgbaPicture& picture, PngTexts& texts);
