#pragma once

#include <string>
#include <vector>

#include "document/EditStates.h"
#include "document/LevelCommand.h"

// Gives floors and walls a new image through the texture table, as one step; undoing or redoing
// it selects them. Mappings that show that image already are left out; the step is not kept when
// all do, or when the table is full (nothing changed then).
class TextureChoiceCommand : public LevelCommand {
public:
    TextureChoiceCommand(CLevelMapDoc& document, std::vector<TextureMapping*> mappings, std::string path);
    TextureChoiceCommand(CLevelMapDoc& document, TextureMapping& mapping, std::string path);

    static bool ShowsAlready(const CLevelMapDoc& document, const TextureMapping& mapping, const std::string& path);

protected:
    bool Execute() override;
    void Redo() override { Apply(true); }
    void Revert() override { Apply(false); }

private:
    struct Change {
        TextureMapping* mapping;
        TextureRow before, after;
    };

    void Apply(bool after);

    std::vector<TextureMapping*> m_mappings; // as chosen, until the first run
    std::vector<Change> m_changes;
    std::string m_path;
};
