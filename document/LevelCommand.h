#pragma once

#include <optional>
#include <vector>

#include <wx/cmdproc.h>

#include "document/TextureTable.h"

class CLevelMapDoc;

// One step of the level's undo history. The first run (Execute) may change the texture table
// as well as nodes; the table's rows before and after it are kept, so that undo and redo put
// back exactly the rows, reference counts included, that belonged to either side of the step.
class LevelCommand : public wxCommand {
public:
    LevelCommand(CLevelMapDoc& document, const wxString& name);

    bool Do() final;
    bool Undo() final;

protected:
    // The first run. False when nothing changed: the step is dropped.
    virtual bool Execute();
    // Sets the nodes to their state after the step, and back to their state before it.
    virtual void Redo() = 0;
    virtual void Revert() = 0;

    CLevelMapDoc& m_document;

private:
    struct RowsChange {
        std::vector<TextureEntry> before;
        std::vector<TextureEntry> after;
    };

    bool m_executed = false;
    std::optional<RowsChange> m_rows; // only for steps that changed the table
};
