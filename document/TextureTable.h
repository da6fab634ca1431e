#pragma once

#include <functional>
#include <string>
#include <vector>

#include "image/ImageFile.h"
#include "level/TexturesNode.h"

class CSGGroup;
class CSGNode;
class TextureMapping;

// One row of the texture table: an image path as stored in the level file and the number of
// floors and walls that use it.
struct TextureEntry {
    std::string path;
    int refCount = 0;

    bool operator==(const TextureEntry& other) const { return path == other.path && refCount == other.refCount; }
    bool operator!=(const TextureEntry& other) const { return !(*this == other); }
};

// The rows of the texture table that one step of the history changed: each with its value
// before and after the step (a row beyond the table's end is an empty entry), and the
// table's size on either side.
struct RowChanges {
    struct Row {
        int index;
        TextureEntry before;
        TextureEntry after;
    };
    std::size_t sizeBefore = 0;
    std::size_t sizeAfter = 0;
    std::vector<Row> rows;

    static RowChanges Between(const std::vector<TextureEntry>& before, const std::vector<TextureEntry>& after);
};

// The texture table of the level document and the OpenGL texture work that the preview view
// runs before it draws. Row 0 is always the no-texture image. Holds no toolkit state.
//
// Several slots may hold the same OpenGL name (a row whose image failed shares row 0's, and the
// sphere map may fall back to it too), so a name is deleted only when no slot and no sphere map
// holds it any more. A slot whose texture is released is set to 0, so the table never keeps a
// name that OpenGL may hand out again for another image.
class TextureTable {
public:
    static constexpr const char* NO_TEXTURE_PATH = NO_TEXTURE_IMAGE;
    static constexpr const char* SPHERE_MAP_PATH = "../data/Spheremaps/envmapblue.jpg";
    static constexpr int MAX_ROWS = MAX_TEXTURE_ROWS;

    // Drops one reference to a row; a row other than 0 whose count reaches 0 becomes free and is
    // queued for deletion. Indices outside the table, and rows nobody uses, are ignored.
    void ReleaseTexture(int index);
    // Gives a mapping the image at path, reusing a row with the same path or the first free row.
    // False, and nothing changed, when the table is full.
    bool AssignTextureFile(TextureMapping& mapping, const std::string& path);
    // Takes an opened level's image list as the rows after row 0 (the no-texture image), counts
    // the floors and walls below root as their users and queues every row to load. The list is
    // emptied: the table holds it now.
    void AdoptImageList(TexturesNode& list, const CSGGroup& root);
    // Counts every floor and wall below the group as a user of its row; an identifier outside
    // the table counts for row 0.
    void CountTextureReferences(const CSGGroup& group);
    // Counts one more user of the mapping's row (row 0 for an identifier outside the table).
    void CountReference(const TextureMapping& mapping);
    // The image path of a row; empty for an identifier outside the table.
    const std::string& PathOfRow(int row) const;
    // Puts back the rows of one side of a step (the table holds the other side's): rows that
    // lose their image are queued for deletion, rows that gain one for loading, and the floors
    // and walls below root that use a reloaded row take its new texture.
    void RestoreRows(const RowChanges& changes, bool after, CSGGroup& root);
    // Queues every row for deletion and empties the table (the document is being cleared).
    void ClearTable();

    // --- OpenGL work, with the preview's context current ---
    // Deletions, then loads, then BindNodeTextures over root; only while m_bTexturesDirty.
    void RunTextureWork(CSGGroup& root);
    // Loads one JPEG, PNG or TGA file into a new texture with mipmaps; any other file, one that
    // cannot be read, or one too large for a texture (which also leaves a notice), gives the
    // no-texture image (or 0 when that is missing too).
    void LoadTexture(unsigned& name, const std::string& path);
    // Hands fresh names to flagged floors and walls and the shared sphere map and display lists
    // to items that need them.
    void BindNodeTextures(CSGGroup& group);
    // Deletes the sphere-map texture unless a row still shows the same name (the document is
    // being cleared).
    void ReleaseSphereMap();
    // Deletes every texture and display list of the table and destroys all rows (the preview
    // goes away).
    void ReleaseGLResources();

    std::vector<TextureEntry> m_textures;
    std::vector<int> m_texturesToLoad;
    std::vector<int> m_texturesToDelete;
    unsigned m_glTextures[MAX_ROWS] = {};
    unsigned m_envMapTexture = 0;
    unsigned m_itemCubeList = 0;
    unsigned m_itemSphereList = 0;
    bool m_bTexturesDirty = false;

    // Makes the preview's context current so that nodes owning its OpenGL objects (the sky
    // box) can be deleted outside its drawing; set by the preview while its context exists.
    std::function<bool()> m_makePreviewCurrent;
    bool MakePreviewContextCurrent() const { return m_makePreviewCurrent && m_makePreviewCurrent(); }

    // The two fixed images; tests point them elsewhere.
    std::string m_noTexturePath = NO_TEXTURE_PATH;
    std::string m_sphereMapPath = SPHERE_MAP_PATH;

private:
    // The row already holding a path, and the first free row met before it; -1 for none.
    struct RowSearch {
        int match = -1;
        int freeRow = -1;
    };
    RowSearch SearchRows(const std::string& path) const;
    // Gives the mapping a row that already holds its image.
    void ShareRow(TextureMapping& mapping, int index);
    bool HasRow(int index) const;
    static bool HasSlot(int index);
    // The slot a node with this identifier draws from: its own row, or row 0 for an identifier
    // outside the table.
    int SlotFor(int textureId) const;
    bool IsPendingLoad(int index) const;
    bool IsPendingDelete(int index) const;
    // Empties slot i and deletes its texture unless another slot or the sphere map holds it.
    void ReleaseSlot(int index);
    bool IsNameHeld(unsigned name) const;
    void DeleteQueuedTextures();
    void LoadQueuedTextures();
    void BindMapping(CSGNode& node);
    void BindItem(CSGNode& node);
    // Flags the floors and walls below group whose row is in `rows` for a fresh texture.
    void FlagMappingsOfRows(CSGGroup& group, const std::vector<int>& rows);
};
