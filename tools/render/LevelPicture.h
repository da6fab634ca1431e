#pragma once

#include <string>
#include <vector>

struct RenderRequest;

// An RGB picture, 8 bits a channel, its top row first as image files keep it.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;
};

// Whether the renderer knows the view called `name` ("top" or "preview").
bool IsRenderView(const std::string& name);

// Reads the requested level and draws it as the editor's views do, in an offscreen context of
// the requested size: the top view fitted to the floor as Home fits it, or the preview from the
// camera it opens with. Image files are read relative to the current folder, as in the editor.
// False, with the reason after the name of the file, when the level cannot be read or no
// offscreen context can be made.
bool DrawLevelPicture(const RenderRequest& request, Picture& picture, std::string& error);
