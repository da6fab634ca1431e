#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Image files become image-library images here, and only here: the bytes are checked before the
// library's decoders see them (see ImageHeader.h), because those decoders are not safe on
// hostile input, and images too large to be textures are refused before they are decoded.

// The no-texture image, shown in place of every image that cannot be loaded; relative to the
// current folder.
constexpr const char* NO_TEXTURE_IMAGE = "../data/Textures/Special/notex.tga";
// The most pixels an image may have: 64 Mpixel, an 8192 x 8192 image.
constexpr std::uint64_t MAX_IMAGE_PIXELS = std::uint64_t(8192) * 8192;

// Decodes the image in `bytes` into the bound image-library image. Only JPEG, PNG and TGA (the
// latter only for a ".tga" name) that pass the checks are decoded, and only when neither side
// exceeds maxSide and the image has at most MAX_IMAGE_PIXELS. On refusal nothing is decoded and
// `tooLarge`, when given, tells whether the size was the reason.
bool DecodeImage(const unsigned char* bytes, std::size_t size, bool tgaName, unsigned maxSide, std::string* tooLarge);

// Reads an image file into the bound image-library image as DecodeImage does. A missing or
// unreadable file, or a path that names no regular file (a FIFO, a device, a folder), gives false
// quietly without being opened; an image refused for its size gives false and posts a
// notice naming the file.
bool LoadImageFile(const std::string& path, unsigned maxSide);

// Why the image at `path` would show the no-texture pattern, found as LoadImageFile finds it
// (file, structure, size with sides up to maxSide) without decoding it and without the image
// library; empty when it would load.
std::string CheckImageFile(const std::string& path, unsigned maxSide);

// The largest texture side the current OpenGL context takes for `limit` (GL_MAX_TEXTURE_SIZE or
// GL_MAX_CUBE_MAP_TEXTURE_SIZE_ARB).
unsigned MaxTextureSide(unsigned limit);

// The notices posted since the last call, oldest first: one line per refused image, for the
// user. Images are loaded on the user-interface thread only.
std::vector<std::string> TakeImageNotices();

// Initialises the image library and its OpenGL renderer once per process. Needs a current
// OpenGL context at the first call.
void InitImageLibrary();
