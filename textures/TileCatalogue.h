#pragma once

#include <string>
#include <vector>

// What one tile of the texture browser stands for.
enum class TileKind { Texture, SkyBox };

struct Tile {
    TileKind kind = TileKind::Texture;
    std::string path;  // as the level stores it: the image, or a sky box's base name
    std::string image; // the file its picture comes from: the image, or the sky box's front face
    std::string group; // the heading it shows under
    std::string name;  // the file name shown below the picture
};

// The tiles of the texture browser, group by group: every image below the textures folder,
// grouped by its first folder there (Floors, Walls, ...), one tile per sky box below the cube
// map folder, and every image the open level uses from elsewhere, in a group of its own.
class TileCatalogue {
public:
    static constexpr const char* TEXTURES_FOLDER = "../data/Textures";
    static constexpr const char* CUBE_MAPS_FOLDER = "../data/CubeMaps";
    // The headings of the fixed groups, translated where they are shown.
    static constexpr const char* SKY_BOX_GROUP = "Sky boxes";
    static constexpr const char* ELSEWHERE_GROUP = "Elsewhere";

    // Reads both folders again; a folder that cannot be read gives no tiles.
    void Scan(const std::string& texturesFolder = TEXTURES_FOLDER,
              const std::string& cubeMapsFolder = CUBE_MAPS_FOLDER);
    // The level's images (texture paths and the sky box's base name); those no scanned tile
    // shows make the last group. False when that group stays as it was.
    bool SetLevelImages(const std::vector<std::string>& texturePaths, const std::string& skyBox);

    const std::vector<Tile>& Tiles() const { return m_tiles; }
    // The tile of a path; null for none.
    const Tile* Find(const std::string& path) const;

private:
    std::size_t m_scanned = 0; // the tiles before the level's own group
    std::vector<Tile> m_tiles;
};

// The file name of a path: what follows its last '/'.
std::string FileNameOf(const std::string& path);
// The front face of a sky box (the one the game looks at first, down -Z), by its base name.
std::string FrontFaceOf(const std::string& baseName);
