#pragma once

#include <optional>
#include <string>

class CLevelMapDoc;
class TextureMapping;
class TextureTable;
class wxWindow;

// File-open filters of the image choices, as the resources give them.
extern const char* const TEXTURE_FILE_FILTER;  // floor and wall textures
extern const char* const CUBE_MAP_FILE_FILTER; // sky box faces

// Shows the file-open dialog for an image with `filter` and the default extension "jpg". The
// chosen full path, or nothing when the user cancels or the path cannot be stored in a level
// file (a message says why). The current directory stays where it is.
std::optional<std::string> ChooseImageFile(wxWindow* owner, const char* filter);

// Gives the mapping the image at `path` through the texture table, as one step of the undo
// history; false, with a message, when the table is full.
bool AssignImage(CLevelMapDoc& document, TextureMapping& mapping, const std::string& path);

// The path of a texture row, empty for an identifier outside the table.
const std::string& TexturePath(const TextureTable& table, int textureId);
