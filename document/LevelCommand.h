#pragma once

#include "document/TextureTable.h"
#include "framework/HistoryStep.h"

class CLevelMapDoc;

// One step of the level's undo history. The first run (Execute) may change the texture table
// as well as nodes; the rows it changed are kept as they were before and after it, so that undo
// and redo put back exactly the rows, reference counts included, that belonged to either side
// of the step.
class LevelCommand : public HistoryStep {
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
    // Puts back the texture rows of the state after the step, or before it.
    void RestoreRows(bool after);

    bool m_executed = false;
    RowChanges m_rows; // no rows for steps that left the table alone
};
