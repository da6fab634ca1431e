#pragma once

#include <string>
#include <vector>

class CSGGroup;
class TextureMapping;

// One row of the texture table: an image path as stored in the level file and the number of
// floors and walls that use it.
struct TextureEntry {
    std::string path;
    int refCount = 0;
};

// The texture table of the level document and the OpenGL texture work that the preview view
// runs before it draws. Row 0 is always the no-texture image. Holds no toolkit state.
class TextureTable {
public:
    static constexpr const char* NO_TEXTURE_PATH = "../data/Textures/Special/notex.tga";
    static constexpr const char* SPHERE_MAP_PATH = "../data/Spheremaps/envmapblue.jpg";
    static constexpr int MAX_ROWS = 1000;

    // Drops one reference to a row; a row other than 0 whose count reaches 0 becomes free and is
    // queued for deletion. Indices outside the table are ignored.
    void ReleaseTexture(int index);
    // Gives a mapping the image at path, reusing a row with the same path or the first free row.
    // False, and nothing changed, when the table is full.
    bool AssignTextureFile(TextureMapping& mapping, const std::string& path);
    // Counts every floor and wall below the group as a user of its row.
    void CountTextureReferences(CSGGroup& group);
    // Queues every row for deletion and empties the table (the document is being cleared).
    void ClearTable();

    // --- OpenGL work, with the preview's context current ---
    // Deletions, then loads, then BindNodeTextures over root; only while m_bTexturesDirty.
    void RunTextureWork(CSGGroup& root);
    void LoadTexture(unsigned& name, const std::string& path);
    void BindNodeTextures(CSGGroup& group);
    // Deletes every texture and display list of the table (the preview goes away).
    void ReleaseGLResources();

    std::vector<TextureEntry> m_textures;
    std::vector<int> m_texturesToLoad;
    std::vector<int> m_texturesToDelete;
    unsigned m_glTextures[MAX_ROWS] = {};
    unsigned m_envMapTexture = 0;
    unsigned m_itemCubeList = 0;
    unsigned m_itemSphereList = 0;
    bool m_bTexturesDirty = false;
};
