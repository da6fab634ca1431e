#pragma once

#include <string>

#include <IL/il.h>

// Which image decoder may read a file: only JPEG, PNG and TGA are ever decoded, because the
// image library's other decoders are not safe on hostile input. The type comes from the
// file's first bytes (JPEG and PNG signatures); TGA has no signature, so it is accepted only
// for a ".tga" name with a plausible header. IL_JPG, IL_PNG or IL_TGA; IL_TYPE_UNKNOWN when the
// file is refused or cannot be read. Pass the result to ilLoad, never IL_TYPE_UNKNOWN itself.
ILenum DetectImageType(const std::string& path);

// Initialises the image library and its OpenGL renderer once per process. Needs a current
// OpenGL context at the first call.
void InitImageLibrary();
