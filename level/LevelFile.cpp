#include "level/LevelFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "level/CICubeMapNode.h"
#include "level/LevelScene.h"
#include "level/RegularFile.h"
#include "level/TexturedObject.h"
#include "level/TexturesNode.h"
#include "scenegraph/NumberText.h"
#include "scenegraph/SceneXmlReader.h"
#include "xml/XmlReader.h"

namespace {

std::string MissingElement(const LevelScene& scene)
{
    if (!scene.m_pGameSettings)
        return "GameSettingsNode";
    if (!scene.m_pTextures)
        return "TexturesNode";
    if (!scene.m_pLevelGroup)
        return "LevelGroupNode";
    if (!scene.m_pFloor)
        return "LevelFloor";
    return {};
}

// A floor or wall pointing past the file's texture list would index outside the texture table;
// it falls back to row 0, the no-texture image.
void RepairTextureIds(CSGGroup& root, int textureCount)
{
    ForEachNode(root, [textureCount](CSGNode& node) {
        int type = node.GetType();
        if (type != LEVEL_FLOOR_NODE && type != WALL_NODE)
            return;
        auto& mapping = static_cast<TexturedObject&>(node);
        if (mapping.TextureID < 0 || mapping.TextureID > textureCount)
            mapping.TextureID = 0;
    });
}

// Loads the level while `read` (a read of the reader into the handler) parses it.
template <typename Read>
std::unique_ptr<LevelScene> LoadLevel(Read read, std::string& error, const LevelReadOptions& options)
{
    auto scene = std::make_unique<LevelScene>();
    SceneXmlReader loader(scene->Root(), *scene, options.notes);
    XmlReader reader(options.reports);
    if (!read(reader, loader)) {
        error = reader.GetError().empty() ? "cannot be read" : reader.GetError();
        return nullptr;
    }
    if (!scene->GetUnknownElement().empty()) {
        error = "unknown element <" + scene->GetUnknownElement() + "> in <" + scene->GetUnknownElementParent() + ">";
        return nullptr;
    }
    std::string missing = MissingElement(*scene);
    if (!missing.empty()) {
        error = "missing element <" + missing + ">";
        return nullptr;
    }
    const std::size_t textureCount = scene->m_pTextures->m_names.size();
    const std::size_t maxTextures = MAX_TEXTURE_ROWS - 1;
    if (textureCount > maxTextures) {
        error = "too many textures: " + std::to_string(textureCount) + " (at most " +
                std::to_string(maxTextures) + ")";
        return nullptr;
    }
    RepairTextureIds(scene->Root(), static_cast<int>(textureCount));
    return scene;
}

// Why a name cannot be written as an attribute value, or nothing when it can: a double quote
// would end the value early and make the file unreadable, and a NUL byte would cut the name.
std::string UnwritableName(const char* what, const std::string& name)
{
    if (name.find('"') != std::string::npos)
        return std::string(what) + " contains a double quote: " + name;
    const std::size_t nul = name.find('\0');
    if (nul != std::string::npos)
        return std::string(what) + " contains a NUL byte after: " + name.substr(0, nul);
    return {};
}

std::string FindUnwritableName(CSGGroup& root)
{
    std::string found;
    ForEachNode(root, [&found](CSGNode& node) {
        if (auto* textures = dynamic_cast<TexturesNode*>(&node)) {
            for (const std::string& name : textures->m_names)
                if (found.empty())
                    found = UnwritableName("texture path", name);
        } else if (auto* cubeMap = dynamic_cast<CICubeMapNode*>(&node)) {
            if (found.empty())
                found = UnwritableName("sky box image name", cubeMap->TextureBaseName);
        }
    });
    return found;
}

std::string SystemError(const std::string& what)
{
    return what + ": " + std::strerror(errno);
}

std::string FolderOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string ResolveTarget(const std::string& path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved))
        return path;
    return resolved;
}

// The new file takes over the old one's owner, group and permission bits (the owner only where
// we may give files away); a file that did not exist gets 0644 less the umask.
bool CopyTargetAttributes(int fd, const std::string& target, std::string& error)
{
    struct stat info;
    mode_t mode = 0;
    if (stat(target.c_str(), &info) == 0) {
        if (fchown(fd, info.st_uid, info.st_gid) != 0 && fchown(fd, static_cast<uid_t>(-1), info.st_gid) != 0) {
            // Not ours to give away: the new file keeps our own owner and group.
        }
        mode = info.st_mode & 07777;
    } else {
        mode_t mask = umask(0);
        umask(mask);
        mode = 0644 & ~mask;
    }
    if (fchmod(fd, mode) != 0) {
        error = SystemError("cannot set the permissions of the new file");
        return false;
    }
    return true;
}

// Writes, checks and closes the temporary file; `file` is closed whatever happens.
bool WriteAndClose(std::FILE* file, CSGGroup& root, std::string& error)
{
    {
        ScopedCLocale cLocale;
        root.WriteXml(file);
    }
    bool ok = !std::ferror(file) && std::fflush(file) == 0;
    if (!ok)
        error = SystemError("cannot write the level");
    if (ok && fsync(fileno(file)) != 0) {
        ok = false;
        error = SystemError("cannot flush the level to disk");
    }
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        error = SystemError("cannot close the level file");
    }
    return ok;
}

// Flushes the folder so that the renamed entry is on disk; says why in `warning` when it cannot.
void SyncFolder(const std::string& folder, std::string& warning)
{
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        warning = SystemError("cannot open the folder " + folder + " to flush it");
        return;
    }
    // Some file systems cannot sync a folder (EINVAL); the rename itself has still happened.
    if (fsync(fd) != 0 && errno != EINVAL)
        warning = SystemError("cannot flush the folder " + folder);
    close(fd);
}

// Gives the temporary file the target's attributes and writes the level into it; `fd` is
// closed whatever happens.
bool WriteTemporary(int fd, const std::string& target, CSGGroup& root, std::string& error)
{
    std::FILE* file = nullptr;
    if (CopyTargetAttributes(fd, target, error) && !(file = fdopen(fd, "w")))
        error = SystemError("cannot write the new file");
    if (!file) {
        close(fd);
        return false;
    }
    return WriteAndClose(file, root, error);
}

// A file the user may not write stays as it is, although its folder would let us replace it.
bool IsWritableOrNew(const std::string& target, std::string& error)
{
    if (access(target.c_str(), F_OK) != 0 || access(target.c_str(), W_OK) == 0)
        return true;
    error = SystemError("cannot write " + target);
    return false;
}

// Writes into a new temporary file next to the target and renames it over the target, so the
// target holds either the old or the new level, never a part of one. Once the rename is done the
// level is saved: a folder that cannot be flushed after it only earns a warning.
bool ReplaceFile(CSGGroup& root, const std::string& target, std::string& error, std::string& warning)
{
    if (!IsWritableOrNew(target, error))
        return false;
    std::string folder = FolderOf(target);
    std::string temporary = folder + "/.trelkan-save-XXXXXX";
    int fd = mkstemp(temporary.data());
    if (fd < 0) {
        error = SystemError("cannot create a file in " + folder);
        return false;
    }
    bool ok = WriteTemporary(fd, target, root, error);
    if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = SystemError("cannot replace " + target);
    }
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    SyncFolder(folder, warning);
    return true;
}

} // namespace

std::unique_ptr<LevelScene> ReadLevelFile(const std::string& path, std::string& error,
                                          const LevelReadOptions& options)
{
    std::string bytes;
    if (!ReadRegularFile(path, bytes, error)) {
        error = "cannot open file: " + error;
        return nullptr;
    }
    return ReadLevelBuffer(bytes.data(), bytes.size(), error, options);
}

std::unique_ptr<LevelScene> ReadLevelBuffer(const char* data, std::size_t size, std::string& error,
                                            const LevelReadOptions& options)
{
    return LoadLevel(
        [data, size](XmlReader& reader, XmlHandler& loader) { return reader.ReadBuffer(data, size, loader); }, error,
        options);
}

bool WriteLevelFile(CSGGroup& root, const std::string& path, std::string& error, std::string* warning)
{
    error = FindUnwritableName(root);
    if (!error.empty())
        return false;
    std::string unflushed;
    const bool saved = ReplaceFile(root, ResolveTarget(path), error, unflushed);
    if (warning)
        *warning = unflushed;
    return saved;
}
