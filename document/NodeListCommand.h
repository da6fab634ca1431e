#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/LevelCommand.h"
#include "scenegraph/CSGGroup.h"

// Puts objects into the level or takes them out: wall creation, item insertion, Delete, Cut
// and Paste. Objects out of the level are kept by the step, so that every other step of the
// history can keep pointing at them; they go when the history lets go of the step.
class NodeListCommand : public LevelCommand {
public:
    // An object to add, where to add it and, for a pasted floor or wall, the image path it
    // brings (a row is found or made for it as when that image is chosen).
    struct Addition {
        CSGGroup* parent;
        std::size_t index;
        std::unique_ptr<CSGNode> node;
        std::string texturePath;
    };

    static NodeListCommand* Adding(CLevelMapDoc& document, const wxString& name, std::vector<Addition> additions);
    // The nodes must be in the level; their texture references are released.
    static NodeListCommand* Removing(CLevelMapDoc& document, const wxString& name, const std::vector<CSGNode*>& nodes);

protected:
    bool Execute() override;
    void Redo() override;
    void Revert() override;

private:
    struct Entry {
        CSGGroup* parent;
        std::size_t index; // where an added node goes the first time
        CSGNode* node;
        CSGGroup::Position position; // the node's list element, in the parent or in m_outside
        // The element the node stood before when it last left the parent; none before that.
        std::optional<CSGGroup::Position> next;
        std::string texturePath;
    };

    NodeListCommand(CLevelMapDoc& document, const wxString& name, bool adds);
    // Puts every entry into the level (or takes it out), in the list's order or backwards.
    // Forward attach and backward detach undo each other exactly, and so do forward detach
    // and backward attach: a node goes back before the element that followed it when it left,
    // which is back in place by then. Each move is one list splice, whatever the list's size.
    void MoveAll(bool attach, bool forward);
    void Attach(Entry& entry);
    void Detach(Entry& entry);
    void CountReferences();

    bool m_adds;
    std::vector<Entry> m_entries;
    CSGGroup::ChildList m_outside; // the objects out of the level
};
