#pragma once

#include <optional>
#include <string>

// Checks of the image paths the user picks in the file dialogs of the forms.

// Messages of the refusals below, before translation.
extern const char* const QUOTED_PATH_MESSAGE;
extern const char* const NOT_A_CUBE_MAP_FACE_MESSAGE;

// A path is written into the level file between double quotes, so one that contains a double
// quote would make the file unreadable.
bool IsStorablePath(const std::string& path);

// The sky box's base name for one chosen face image: the path without the five characters of
// the face suffix in front of the four-character extension ("sky_posx.jpg" -> "sky.jpg").
// Nothing when the path is not the name of a face of the base it gives (too short, no face
// suffix, an extension of another length).
std::optional<std::string> CubeMapBaseName(const std::string& facePath);

// The path to store for an image chosen in a file dialog: relative to the working directory
// when the image lies below the working directory's parent (the game folder, where `data/` is:
// "/games/snake/data/Textures/a.jpg" from "/games/snake/app" gives "../data/Textures/a.jpg"),
// so that the level works on another machine; the chosen path as it is otherwise.
std::string PortablePath(const std::string& chosen, const std::string& workingDirectory);
