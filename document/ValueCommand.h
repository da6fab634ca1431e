#pragma once

#include "document/EditStates.h"
#include "document/LevelCommand.h"

// A step that changes some values of one node (or of the level): it keeps the values before
// and after and puts either back. A step that changes nothing is not kept.
template <class Target, class State>
class ValueCommand : public LevelCommand {
public:
    ValueCommand(CLevelMapDoc& document, const wxString& name, Target& target, State before, State after)
        : LevelCommand(document, name), m_target(target), m_before(std::move(before)), m_after(std::move(after))
    {
    }

    const Target& GetTarget() const { return m_target; }

protected:
    bool Execute() override
    {
        if (SameState(m_before, m_after))
            return false;
        Redo();
        return true;
    }
    void Redo() override { Restore(m_document, m_target, m_after); }
    void Revert() override { Restore(m_document, m_target, m_before); }

    Target& m_target;
    State m_before;
    State m_after;
};
