#pragma once

#include <vector>

#include "document/LevelCommand.h"

class CSGNode;

// Where an object stands and how it is turned (walls and the start marker turn).
struct Placement {
    float x, z, angle;
    bool operator==(const Placement& other) const { return x == other.x && z == other.z && angle == other.angle; }
};

// Moves or turns several objects as one step (a drag, an arrow nudge, a turn); undoing or
// redoing it selects them. A step that changes nothing is not kept.
class PlacementCommand : public LevelCommand {
public:
    struct Change {
        CSGNode* node;
        Placement before, after;
    };

    PlacementCommand(CLevelMapDoc& document, const wxString& name, std::vector<Change> changes);

    static Placement Capture(const CSGNode& node);
    static void Place(CSGNode& node, const Placement& placement);

protected:
    bool Execute() override;
    void Redo() override { Apply(true); }
    void Revert() override { Apply(false); }

private:
    void Apply(bool after);

    std::vector<Change> m_changes;
};
