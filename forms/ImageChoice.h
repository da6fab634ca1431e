#pragma once

#include <optional>
#include <string>
#include <vector>

class CLevelMapDoc;
class TextureMapping;
class wxWindow;

// The kinds of image the forms choose; each kind's file dialog starts in its own folder.
enum class ImageKind {
    Texture, // floor and wall textures: ../data/Textures at first
    CubeMap, // sky box faces: ../data/CubeMaps at first
};

// Shows the file-open dialog for an image of `kind` with every decoded format (JPEG, PNG, TGA)
// and the default extension "jpg"; it starts in the folder last chosen for that kind. The
// chosen path (relative below the game folder), or nothing when the user cancels or the path
// cannot be stored in a level file (a message says why). The current directory stays where it is.
std::optional<std::string> ChooseImageFile(wxWindow* owner, ImageKind kind);

// Gives the mappings (floors and walls) the image at `path` through the texture table, as one
// step of the undo history (none when they all show that image already); false, with a message,
// when the table is full.
bool AssignImage(CLevelMapDoc& document, const std::vector<TextureMapping*>& mappings, const std::string& path);
bool AssignImage(CLevelMapDoc& document, TextureMapping& mapping, const std::string& path);
// Tells the user that the level's texture table has no room for another image.
void WarnTableFull();

