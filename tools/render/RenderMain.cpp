// trelkan-render: the pictures of `trelkan --render`, drawn offscreen with OSMesa. It is a program
// of its own because the editor links the system's libGL, whose symbols clash with OSMesa's.
#include <cstdio>

#include "image/ImageFile.h"
#include "image/PngFile.h"
#include "tools/render/LevelPicture.h"
#include "tools/render/RenderRequest.h"

namespace {

// Exit statuses: a picture that could not be made, a command line that is not understood.
constexpr int FAILED = 1;
constexpr int USAGE_ERROR = 2;

// The picture goes to the file named, or to standard output for `-`.
bool WritePicture(const std::string& output, const RgbaPicture& picture, std::string& error)
{
    if (output == "-")
        return WritePngStream(stdout, "standard output", picture, {}, error);
    return WritePngFile(output, picture, {}, false, error);
}

} // namespace

int main(int argc, char** argv)
{
    const RenderRequest request = ParseRenderArguments(argc - 1, argv + 1);
    if (!request.error.empty()) {
        std::fprintf(stderr, "trelkan: %s\n%s", request.error.c_str(), RENDER_USAGE);
        return USAGE_ERROR;
    }
    RgbaPicture picture;
    std::string error;
    if (!DrawLevelPicture(request, picture, error) || !WritePicture(request.output, picture, error)) {
        std::fprintf(stderr, "trelkan: %s\n", error.c_str());
        return FAILED;
    }
    // Images that show the no-texture pattern instead: the picture is made all the same.
    for (const std::string& notice : TakeImageNotices())
        std::fprintf(stderr, "trelkan: %s\n", notice.c_str());
    return 0;
}
