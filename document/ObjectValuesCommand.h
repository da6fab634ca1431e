#pragma once

#include <optional>
#include <variant>
#include <vector>

#include "document/EditStates.h"
#include "document/LevelCommand.h"

class CSGNode;

// The values the selection form edits of one wall, item or start position, before and after a
// step: its place with its shape, item values or heading.
template <class Target, class Values>
struct ObjectChange {
    Target* node;
    StatePair<ObjectPosition, Values> before, after;
};
using WallChange = ObjectChange<Wall, WallShape>;
using ItemChange = ObjectChange<Item, ItemValues>;
using MarkerChange = ObjectChange<StartPositionNode, MarkerHeading>;
using ObjectValues = std::variant<WallChange, ItemChange, MarkerChange>;

// The values of a wall, item or start position, with `after` equal to `before`; nothing for
// any other node.
std::optional<ObjectValues> CaptureValues(CSGNode& node);
CSGNode* NodeOf(const ObjectValues& values);

// Changes the values of several objects as one step (the selection form's Apply, the item type
// list); undoing or redoing it selects the objects it changed (its first run leaves the
// selection as it is). Objects whose values stay as they
// were are left out, and a step that changes none is not kept.
class ObjectValuesCommand : public LevelCommand {
public:
    ObjectValuesCommand(CLevelMapDoc& document, const wxString& name, std::vector<ObjectValues> changes);

    // The changes that change something.
    static std::vector<ObjectValues> Changed(std::vector<ObjectValues> changes);

protected:
    bool Execute() override;
    void Redo() override;
    void Revert() override;

private:
    // Puts the values after the step, or before it, into the objects.
    void Put(bool after);
    void SelectObjects();

    std::vector<ObjectValues> m_changes;
};
