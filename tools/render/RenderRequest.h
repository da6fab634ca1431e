#pragma once

#include <string>

// What `trelkan --render` is asked to draw: a level, the picture file, the view and its size.
struct RenderRequest {
    std::string level;
    std::string output;
    std::string view = "top";
    int size = 256; // the picture is size x size pixels
    std::string error; // not empty when the arguments are not understood
};

// Reads the arguments that follow --render.
RenderRequest ParseRenderArguments(int argc, const char* const* argv);

// How to call the renderer.
extern const char* const RENDER_USAGE;
