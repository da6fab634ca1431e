#pragma once

#include <string>

#include "document/LevelCommand.h"

class CSGGroup;

// Switches the sky box on (a new one with the default images, first in the level) or off.
// The node switched off goes at once with its textures; the step keeps only its base name and
// place and makes a new node when it is switched on again.
class SkyBoxSwitchCommand : public LevelCommand {
public:
    static constexpr const char* DEFAULT_CUBE_MAP = "../data/CubeMaps/Special/default.png";

    // Switching on gives the new sky box the images of `baseName`.
    SkyBoxSwitchCommand(CLevelMapDoc& document, bool on, std::string baseName = DEFAULT_CUBE_MAP);

protected:
    bool Execute() override;
    void Redo() override;
    void Revert() override;

private:
    void SwitchOn();
    void SwitchOff();

    bool m_on;
    std::string m_baseName = DEFAULT_CUBE_MAP;
    CSGGroup* m_parent; // where the sky box stands: first in the root unless the file said otherwise
    std::size_t m_index = 0;
};
