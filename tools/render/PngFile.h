#pragma once

#include <string>

struct Picture;

// Writes the picture as an 8-bit RGB PNG file. The file appears whole or not at all: a temporary
// file beside it is written and renamed over it, so a failure leaves an older file as it was.
// False with the reason (naming the file or its folder) on failure.
bool WritePngFile(const Picture& picture, const std::string& path, std::string& error);
