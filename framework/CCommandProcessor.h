#pragma once

#include <wx/cmdproc.h>

#include "framework/HistoryStep.h"

class CDocument;

// The document's undo history. Every step, undo and redo ends in one notification of the
// document (OnHistoryChanged), which sets the modified flag from the saved point and refreshes
// every view; nothing else needs to tell the views about a change. A gesture running in a view
// is cancelled before the history changes.
//
// The saved point is a state identity (HistoryStep::Id), not wxCommandProcessor's saved
// command: a saved step that a new branch cut off, or that the step limit dropped, is a state
// the history can no longer reach, so the document stays modified until it is saved again.
class CCommandProcessor : public wxCommandProcessor {
public:
    static constexpr int MAX_STEPS = 2000;

    explicit CCommandProcessor(CDocument& document);

    // Takes HistorySteps only: any other command is refused and deleted.
    bool Submit(wxCommand* command, bool storeIt = true) override;
    bool Undo() override;
    bool Redo() override;
    void Store(wxCommand* command) override;
    // Keeps at most `steps` steps (the tests use a small limit).
    void SetStepLimit(int steps) { m_maxNoCommands = steps; }

    // The identity of the document's state now: the last step done, or the state before the
    // oldest step kept.
    HistoryStep::Id StateId() const;
    // The step that made the state now, or null at the start of the history.
    HistoryStep* CurrentStep() const;
    // The state now is the saved one.
    void MarkSaved() { m_savedState = StateId(); }
    bool AtSavedState() const { return StateId() == m_savedState; }

private:
    // Tells the document when the history did something; gives `done` back.
    bool Notified(bool done);
    HistoryStep* OldestStep() const;

    CDocument& m_document;
    HistoryStep::Id m_startState = HistoryStep::NewId();
    HistoryStep::Id m_savedState = m_startState;
};
