#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CSGNode;

// Walls and items as text in the level file's own elements, for the clipboard. A
// `TexturesNode` first names the image of each wall (its TextureID points into that list; 0 is
// the no-texture image), then every object's element follows exactly as the level file writer
// writes it.
// Walls and items: what the object text holds.
bool IsCopyableObject(const CSGNode& node);

std::string WriteObjectsText(const std::vector<CSGNode*>& objects, const std::function<std::string(int)>& pathOfRow);

// Objects read back from such text, with the image path each one brings (empty for items and
// for the no-texture image). An object with a value that is no finite number ("abc", "nan"),
// or a wall whose width or depth is not positive, is left out and only counted.
struct ObjectsText {
    std::vector<std::unique_ptr<CSGNode>> objects;
    std::vector<std::string> texturePaths;
    std::size_t leftOut = 0;
};
// Nothing unless the text is one optional `TexturesNode` and one or more `Wall` and `Item`
// elements that read without error; the objects themselves may all be left out.
std::optional<ObjectsText> ReadObjectsText(const std::string& text);
