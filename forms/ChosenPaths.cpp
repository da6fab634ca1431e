#include "forms/ChosenPaths.h"

#include <algorithm>
#include <filesystem>
#include <iterator>

#include <wx/translation.h>

#include "level/SkyBox.h"

const char* const QUOTED_PATH_MESSAGE = wxTRANSLATE(
    "The file path contains a double quote (\"), which the level file cannot hold. Please "
    "rename the file or choose another one.");
const char* const NOT_A_CUBE_MAP_FACE_MESSAGE = wxTRANSLATE(
    "Not a cube map image! Choose one of the six face images, whose names end with _negx, "
    "_posx, _negy, _posy, _negz or _posz in front of a three-letter extension (for example "
    "sky_posx.jpg).");

namespace {

constexpr std::size_t SUFFIX_AND_EXTENSION = 9; // "_posx" + ".jpg"
constexpr std::size_t EXTENSION = 4;            // ".jpg"

} // namespace

bool IsStorablePath(const std::string& path)
{
    return path.find('"') == std::string::npos;
}

std::optional<std::string> CubeMapBaseName(const std::string& facePath)
{
    const std::size_t n = facePath.size();
    if (n < SUFFIX_AND_EXTENSION)
        return std::nullopt;
    const std::string base =
        facePath.substr(0, n - SUFFIX_AND_EXTENSION) + facePath.substr(n - EXTENSION);
    // The base is right exactly when the sky box would load the chosen file as one face.
    std::string faces[6];
    if (!SkyBoxFaceNames(base, faces) ||
        std::find(std::begin(faces), std::end(faces), facePath) == std::end(faces))
        return std::nullopt;
    return base;
}

std::string PortablePath(const std::string& chosen, const std::string& workingDirectory)
{
    namespace fs = std::filesystem;
    const fs::path path = fs::path(chosen).lexically_normal();
    const fs::path cwd = fs::path(workingDirectory).lexically_normal();
    if (!path.is_absolute() || !cwd.is_absolute())
        return chosen;
    const fs::path game = cwd.parent_path();
    const fs::path below = path.lexically_relative(game);
    if (below.empty() || *below.begin() == "..")
        return chosen;
    return path.lexically_relative(cwd).generic_string();
}
