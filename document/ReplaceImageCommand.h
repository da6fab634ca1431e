#pragma once

#include <string>
#include <vector>

#include "document/TextureChoiceCommand.h"

// Puts another image in place of one on every floor and wall that shows it, as one step
// ("Replace Texture"). The replaced image's row, used by nothing any more, leaves the table as
// a deletion leaves it; undo puts back every object and every count.
class ReplaceImageCommand : public TextureChoiceCommand {
public:
    ReplaceImageCommand(CLevelMapDoc& document, const std::string& from, std::string to);

    // The floors and walls of the level that show the image at `path`.
    static std::vector<TextureMapping*> MappingsShowing(const CLevelMapDoc& document, const std::string& path);
};
