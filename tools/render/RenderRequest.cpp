#include "tools/render/RenderRequest.h"

#include <algorithm>
#include <cctype>

#include "tools/render/LevelPicture.h"

const char* const RENDER_USAGE =
    "Usage: trelkan --render LEVEL.xml OUT.png [--view top|preview] [--size N]\n"
    "Draws the level without a display and writes it as a PNG picture of N x N pixels\n"
    "(256 unless given, at most 4096): the top view fitted to the floor, or the preview.\n"
    "OUT.png may be a symbolic link to the file to write, or - for standard output.\n";

namespace {

constexpr int kLargestSize = 4096;

// A whole decimal number from 1 to kLargestSize, or 0.
int ReadSize(const std::string& text)
{
    if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return 0;
    const int size = std::stoi(text);
    return size <= kLargestSize ? size : 0;
}

// Applies the option at argv[i] with its value; says why when it cannot.
std::string ApplyOption(RenderRequest& request, const std::string& option, const char* value)
{
    if (!value)
        return option + " needs a value";
    if (option == "--view") {
        request.view = value;
        return IsRenderView(request.view) ? "" : "unknown view " + request.view + " (top or preview)";
    }
    if (option == "--size") {
        request.size = ReadSize(value);
        return request.size ? "" : "the size must be a whole number from 1 to " + std::to_string(kLargestSize);
    }
    return "unknown option " + option;
}

} // namespace

RenderRequest ParseRenderArguments(int argc, const char* const* argv)
{
    RenderRequest request;
    int files = 0;
    for (int i = 0; i < argc && request.error.empty(); ++i) {
        const std::string argument = argv[i];
        if (argument.size() > 1 && argument[0] == '-')
            request.error = ApplyOption(request, argument, i + 1 < argc ? argv[++i] : nullptr);
        else if (files < 2)
            (files++ == 0 ? request.level : request.output) = argument;
        else
            request.error = "--render takes one level and one picture file";
    }
    if (request.error.empty() && files < 2)
        request.error = "--render needs a level file and a picture file";
    return request;
}
