#include "document/TextureTable.h"

#include <algorithm>
#include <optional>

#include <GL/gl.h>
#include <IL/il.h>
// The OpenGL part of ILUT is declared only on request.
#define ILUT_USE_OPENGL
#include <IL/ilut.h>

#include "image/ImageFile.h"
#include "level/Item.h"
#include "level/TextureMapping.h"
#include "level/TexturedObject.h"
#include "scenegraph/CSGGroup.h"

namespace {

// An image-library image that exists, and is the bound one, for the lifetime of the object.
// ILUT uploads and builds mipmaps from the bound image, so it must stay until both are done.
class BoundImage {
public:
    BoundImage()
    {
        ilGenImages(1, &m_image);
        ilBindImage(m_image);
    }
    ~BoundImage() { ilDeleteImages(1, &m_image); }
    BoundImage(const BoundImage&) = delete;
    BoundImage& operator=(const BoundImage&) = delete;

    // Decodes the file into this image and makes a texture of it, left bound to GL_TEXTURE_2D.
    // Only the three formats the editor offers are decoded, judged by the file's contents, and
    // only at a size the context takes; every other file gives 0 without reaching a decoder.
    unsigned LoadTexture(const std::string& path)
    {
        if (!LoadImageFile(path, MaxTextureSide(GL_MAX_TEXTURE_SIZE)))
            return 0;
        return ilutGLBindTexImage();
    }

private:
    ILuint m_image = 0;
};

void SetMipmapFiltersAndBuild()
{
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    ilutGLBuildMipmaps();
}

void DeleteList(unsigned& list)
{
    if (glIsList(list))
        glDeleteLists(list, 1);
    list = 0;
}

} // namespace

// --- table edits ---

bool TextureTable::HasRow(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < m_textures.size();
}

bool TextureTable::HasSlot(int index) { return index >= 0 && index < MAX_ROWS; }

int TextureTable::SlotFor(int textureId) const
{
    return HasRow(textureId) && HasSlot(textureId) ? textureId : 0;
}

bool TextureTable::IsPendingLoad(int index) const
{
    return std::find(m_texturesToLoad.begin(), m_texturesToLoad.end(), index) != m_texturesToLoad.end();
}

bool TextureTable::IsPendingDelete(int index) const
{
    return std::find(m_texturesToDelete.begin(), m_texturesToDelete.end(), index) != m_texturesToDelete.end();
}

void TextureTable::ReleaseTexture(int index)
{
    if (!HasRow(index) || m_textures[index].refCount <= 0)
        return;
    TextureEntry& row = m_textures[index];
    if (--row.refCount == 0 && index != 0) {
        row.path.clear();
        m_texturesToDelete.push_back(index);
    }
}

TextureTable::RowSearch TextureTable::SearchRows(const std::string& path) const
{
    RowSearch found;
    for (int i = 1; HasRow(i); ++i) {
        if (found.freeRow < 0 && m_textures[i].refCount == 0 && HasSlot(i))
            found.freeRow = i;
        if (m_textures[i].path == path) {
            found.match = i;
            break;
        }
    }
    return found;
}

void TextureTable::ShareRow(TextureMapping& mapping, int index)
{
    // A free row keeps the path of the level's file after an undo took its texture away: used
    // again, it loads the image again.
    const bool textureGone = HasSlot(index) && (IsPendingDelete(index) || m_glTextures[index] == 0);
    if (m_textures[index].refCount == 0 && textureGone && !IsPendingLoad(index)) {
        m_texturesToLoad.push_back(index);
        m_bTexturesDirty = true;
    }
    ++m_textures[index].refCount;
    mapping.SetGLTexture(m_glTextures[SlotFor(index)]);
    // A row still waiting for its image hands the name over once it is loaded.
    if (IsPendingLoad(index))
        mapping.SetNeedsTextureUpdate(true);
    mapping.SetTextureID(index);
}

bool TextureTable::AssignTextureFile(TextureMapping& mapping, const std::string& path)
{
    const int old = mapping.GetTextureID();
    const std::optional<TextureEntry> oldRow = HasRow(old) ? std::optional(m_textures[old]) : std::nullopt;
    const std::size_t queuedDeletions = m_texturesToDelete.size();
    ReleaseTexture(old);

    const RowSearch found = SearchRows(path);
    if (found.match >= 0) {
        ShareRow(mapping, found.match);
        return true;
    }
    const bool full = found.freeRow < 0 && m_textures.size() >= static_cast<std::size_t>(MAX_ROWS);
    if (full) {
        if (oldRow)
            m_textures[old] = *oldRow;
        m_texturesToDelete.resize(queuedDeletions);
        return false;
    }
    const int id = found.freeRow >= 0 ? found.freeRow : static_cast<int>(m_textures.size());
    if (found.freeRow < 0)
        m_textures.emplace_back();
    // A free row that nobody counted may still hold its image; the load lets go of it.
    m_textures[id] = {path, 1};
    m_texturesToLoad.push_back(id);
    mapping.SetNeedsTextureUpdate(true);
    m_bTexturesDirty = true;
    mapping.SetTextureID(id);
    return true;
}

void TextureTable::CountReference(const TextureMapping& mapping)
{
    if (!m_textures.empty())
        ++m_textures[HasRow(mapping.GetTextureID()) ? static_cast<std::size_t>(mapping.GetTextureID()) : 0].refCount;
}

const std::string& TextureTable::PathOfRow(int row) const
{
    static const std::string none;
    return HasRow(row) ? m_textures[static_cast<std::size_t>(row)].path : none;
}

void TextureTable::AdoptImageList(TexturesNode& list, const CSGGroup& root)
{
    m_textures.push_back({NO_TEXTURE_PATH, 0});
    m_texturesToLoad.push_back(0);
    for (const std::string& name : list.m_names) {
        m_texturesToLoad.push_back(static_cast<int>(m_textures.size()));
        m_textures.push_back({name, 0});
    }
    CountTextureReferences(root);
    list.m_names.clear();
    m_bTexturesDirty = true;
}

void TextureTable::CountTextureReferences(const CSGGroup& group)
{
    ForEachNode(group, [this](CSGNode& node) {
        if (const TextureMapping* mapping = MappingOf(node))
            CountReference(*mapping);
    });
}

RowChanges RowChanges::Between(const std::vector<TextureEntry>& before, const std::vector<TextureEntry>& after)
{
    RowChanges changes{before.size(), after.size(), {}};
    const std::size_t common = std::min(before.size(), after.size());
    for (std::size_t i = 0; i < std::max(before.size(), after.size()); ++i) {
        const TextureEntry was = i < before.size() ? before[i] : TextureEntry{};
        const TextureEntry is = i < after.size() ? after[i] : TextureEntry{};
        if (i >= common || was != is)
            changes.rows.push_back({static_cast<int>(i), was, is});
    }
    return changes;
}

void TextureTable::RestoreRows(const RowChanges& changes, bool after, CSGGroup& root)
{
    std::vector<int> reloaded;
    const std::size_t size = after ? changes.sizeAfter : changes.sizeBefore;
    m_textures.resize(std::max(size, m_textures.size()));
    for (const RowChanges::Row& change : changes.rows) {
        const TextureEntry& wanted = after ? change.after : change.before;
        TextureEntry& row = m_textures[static_cast<std::size_t>(change.index)];
        // Row 0 always holds the no-texture image; only its count changes.
        const bool hadImage = change.index > 0 && row.refCount > 0;
        const bool wantsImage = change.index > 0 && wanted.refCount > 0;
        const bool samePath = hadImage && wantsImage && row.path == wanted.path;
        if (hadImage && !samePath)
            m_texturesToDelete.push_back(change.index);
        if (wantsImage && !samePath) {
            m_texturesToLoad.push_back(change.index);
            reloaded.push_back(change.index);
        }
        row = wanted;
    }
    m_textures.resize(size);
    FlagMappingsOfRows(root, reloaded);
    m_bTexturesDirty = true;
}

void TextureTable::FlagMappingsOfRows(CSGGroup& group, const std::vector<int>& rows)
{
    if (rows.empty())
        return;
    ForEachNode(group, [&rows](CSGNode& node) {
        TextureMapping* mapping = MappingOf(node);
        if (mapping && std::find(rows.begin(), rows.end(), mapping->GetTextureID()) != rows.end())
            mapping->SetNeedsTextureUpdate(true);
    });
}

void TextureTable::ClearTable()
{
    for (std::size_t i = 0; i < m_textures.size(); ++i)
        m_texturesToDelete.push_back(static_cast<int>(i));
    m_textures.clear();
    m_texturesToLoad.clear();
}

// --- OpenGL work ---

bool TextureTable::IsNameHeld(unsigned name) const
{
    return name == m_envMapTexture || std::find(std::begin(m_glTextures), std::end(m_glTextures), name) != std::end(m_glTextures);
}

void TextureTable::ReleaseSlot(int index)
{
    const unsigned name = m_glTextures[index];
    m_glTextures[index] = 0;
    if (glIsTexture(name) && !IsNameHeld(name))
        glDeleteTextures(1, &name);
}

void TextureTable::DeleteQueuedTextures()
{
    for (int index : m_texturesToDelete)
        if (HasSlot(index))
            ReleaseSlot(index);
    m_texturesToDelete.clear();
}

void TextureTable::LoadQueuedTextures()
{
    for (int index : m_texturesToLoad) {
        if (!HasRow(index) || !HasSlot(index))
            continue;
        // A row queued twice, or reused while it still held an image, lets go of the old one.
        ReleaseSlot(index);
        LoadTexture(m_glTextures[index], m_textures[index].path);
    }
    m_texturesToLoad.clear();
}

void TextureTable::RunTextureWork(CSGGroup& root)
{
    if (!m_bTexturesDirty)
        return;
    DeleteQueuedTextures();
    LoadQueuedTextures();
    BindNodeTextures(root);
    m_bTexturesDirty = false;
}

void TextureTable::LoadTexture(unsigned& name, const std::string& path)
{
    InitImageLibrary();
    BoundImage image;
    name = image.LoadTexture(path);
    if (name == 0) {
        if (glIsTexture(m_glTextures[0])) {
            name = m_glTextures[0];
            return;
        }
        m_glTextures[0] = image.LoadTexture(m_noTexturePath);
        name = m_glTextures[0];
        if (name == 0)
            return;
    }
    SetMipmapFiltersAndBuild();
}

void TextureTable::BindMapping(CSGNode& node)
{
    TextureMapping* mapping = MappingOf(node);
    if (!mapping || !mapping->NeedsTextureUpdate())
        return;
    mapping->SetGLTexture(m_glTextures[SlotFor(mapping->GetTextureID())]);
    node.Prepare();
}

void TextureTable::BindItem(CSGNode& node)
{
    auto* item = dynamic_cast<Item*>(&node);
    if (!item || !item->m_listsNeeded)
        return;
    if (!glIsTexture(m_envMapTexture))
        LoadTexture(m_envMapTexture, m_sphereMapPath);
    item->m_sphereMapTexture = m_envMapTexture;
    if (glIsList(m_itemSphereList) && glIsList(m_itemCubeList)) {
        item->m_sphereList = m_itemSphereList;
        item->m_cubeList = m_itemCubeList;
        item->m_listsNeeded = false;
    } else {
        item->Prepare();
        m_itemSphereList = item->m_sphereList;
        m_itemCubeList = item->m_cubeList;
    }
}

void TextureTable::BindNodeTextures(CSGGroup& group)
{
    ForEachNode(group, [this](CSGNode& node) {
        const int type = node.GetType();
        if (type == LEVEL_FLOOR_NODE || type == WALL_NODE)
            BindMapping(node);
        else if (IsItemType(type))
            BindItem(node);
    });
}

void TextureTable::ReleaseSphereMap()
{
    const unsigned name = m_envMapTexture;
    m_envMapTexture = 0;
    if (glIsTexture(name) && !IsNameHeld(name))
        glDeleteTextures(1, &name);
}

void TextureTable::ReleaseGLResources()
{
    ReleaseSphereMap();
    // Every slot, not only the rows of the table: a cleared table leaves its names queued.
    for (int index = 0; index < MAX_ROWS; ++index)
        ReleaseSlot(index);
    DeleteList(m_itemSphereList);
    DeleteList(m_itemCubeList);
    m_texturesToDelete.clear();
    m_texturesToLoad.clear();
    m_textures.clear();
}
