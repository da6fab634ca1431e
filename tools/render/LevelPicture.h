#pragma once

#include <string>

#include "image/PngFile.h"

struct RenderRequest;

// Whether the renderer knows the view called `name` ("top" or "preview").
bool IsRenderView(const std::string& name);

// Reads the requested level and draws it as the editor's views do, in an offscreen context of
// the requested size: the top view fitted to the floor as Home fits it, or the preview from the
// camera it opens with. Image files are read relative to the current folder, as in the editor.
// False, with the reason after the name of the file, when the level cannot be read or no
// offscreen context can be made.
bool DrawLevelPicture(const RenderRequest& request, RgbaPicture& picture, std::string& error);
