#include "textures/TileCatalogue.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>

#include "level/SkyBox.h"

namespace fs = std::filesystem;

namespace {

constexpr int FRONT_FACE = 4; // _negz in SkyBoxFaceNames' order
constexpr std::size_t FACE_SUFFIX = 5; // "_negz"
const char* const IMAGE_EXTENSIONS[] = {".jpg", ".jpeg", ".png", ".tga"};

bool IsImageName(const fs::path& file)
{
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(std::begin(IMAGE_EXTENSIONS), std::end(IMAGE_EXTENSIONS), extension) != std::end(IMAGE_EXTENSIONS);
}

// Every image file below `folder`, as "folder/relative/path", sorted.
std::vector<std::string> ImagesBelow(const std::string& folder)
{
    std::vector<std::string> found;
    std::error_code error;
    fs::recursive_directory_iterator walk(folder, fs::directory_options::skip_permission_denied, error);
    for (const fs::recursive_directory_iterator end; !error && walk != end; walk.increment(error))
        if (walk->is_regular_file(error) && IsImageName(walk->path()))
            found.push_back(folder + "/" + walk->path().lexically_relative(folder).generic_string());
    std::sort(found.begin(), found.end());
    return found;
}

// The first folder of a path below `folder`, or the folder's own name for a file right in it.
std::string GroupBelow(const std::string& folder, const std::string& path)
{
    const fs::path relative = fs::path(path).lexically_relative(folder);
    return relative.has_parent_path() ? relative.begin()->string() : fs::path(folder).filename().string();
}

// The sky box a face image belongs to, or nothing when its name is no face's name.
std::string SkyBoxOfFace(const std::string& face)
{
    const fs::path file(face);
    const std::string stem = file.stem().string();
    if (stem.size() <= FACE_SUFFIX)
        return {};
    const std::string base = (file.parent_path() / (stem.substr(0, stem.size() - FACE_SUFFIX) + file.extension().string())).generic_string();
    std::string names[6];
    if (!SkyBoxFaceNames(base, names) || std::find(std::begin(names), std::end(names), face) == std::end(names))
        return {};
    return base;
}

Tile SkyBoxTile(const std::string& base, const std::string& group)
{
    return {TileKind::SkyBox, base, FrontFaceOf(base), group, FileNameOf(base)};
}

} // namespace

std::string FileNameOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FrontFaceOf(const std::string& baseName)
{
    std::string names[6];
    return SkyBoxFaceNames(baseName, names) ? names[FRONT_FACE] : baseName;
}

void TileCatalogue::Scan(const std::string& texturesFolder, const std::string& cubeMapsFolder)
{
    std::multimap<std::string, Tile> byGroup;
    for (const std::string& image : ImagesBelow(texturesFolder)) {
        const std::string group = GroupBelow(texturesFolder, image);
        byGroup.emplace(group, Tile{TileKind::Texture, image, image, group, FileNameOf(image)});
    }
    m_tiles.clear();
    for (auto& [group, tile] : byGroup)
        m_tiles.push_back(std::move(tile));
    std::string lastBase;
    for (const std::string& face : ImagesBelow(cubeMapsFolder)) {
        const std::string base = SkyBoxOfFace(face);
        // The faces of one sky box sort next to each other.
        if (!base.empty() && base != lastBase)
            m_tiles.push_back(SkyBoxTile(base, SKY_BOX_GROUP));
        lastBase = base.empty() ? lastBase : base;
    }
    m_scanned = m_tiles.size();
}

bool TileCatalogue::SetLevelImages(const std::vector<std::string>& texturePaths, const std::string& skyBox)
{
    std::vector<Tile> elsewhere;
    const auto known = [&](const std::string& path) {
        const auto scanned = m_tiles.begin() + static_cast<std::ptrdiff_t>(m_scanned);
        return std::any_of(m_tiles.begin(), scanned, [&path](const Tile& tile) { return tile.path == path; })
               || std::any_of(elsewhere.begin(), elsewhere.end(), [&path](const Tile& tile) { return tile.path == path; });
    };
    for (const std::string& path : texturePaths)
        if (!path.empty() && !known(path))
            elsewhere.push_back({TileKind::Texture, path, path, ELSEWHERE_GROUP, FileNameOf(path)});
    if (!skyBox.empty() && !known(skyBox))
        elsewhere.push_back(SkyBoxTile(skyBox, ELSEWHERE_GROUP));
    const auto ownTiles = m_tiles.begin() + static_cast<std::ptrdiff_t>(m_scanned);
    const bool same = std::equal(ownTiles, m_tiles.end(), elsewhere.begin(), elsewhere.end(),
                                 [](const Tile& a, const Tile& b) { return a.path == b.path && a.kind == b.kind; });
    if (same)
        return false;
    m_tiles.erase(ownTiles, m_tiles.end());
    m_tiles.insert(m_tiles.end(), elsewhere.begin(), elsewhere.end());
    return true;
}

const Tile* TileCatalogue::Find(const std::string& path) const
{
    const auto found = std::find_if(m_tiles.begin(), m_tiles.end(), [&path](const Tile& tile) { return tile.path == path; });
    return found == m_tiles.end() ? nullptr : &*found;
}
