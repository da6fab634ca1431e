#pragma once

#include <string>

#include "document/ValueCommand.h"

// Gives a floor or wall a new image through the texture table. Not kept when the mapping shows
// that image already or the table is full (nothing changed then).
class TextureChoiceCommand : public ValueCommand<TextureMapping, TextureRow> {
public:
    TextureChoiceCommand(CLevelMapDoc& document, TextureMapping& mapping, std::string path);

    static bool ShowsAlready(const CLevelMapDoc& document, const TextureMapping& mapping, const std::string& path);

protected:
    bool Execute() override;

private:
    std::string m_path;
};
