#include "framework/CCommandProcessor.h"

#include "framework/CDocument.h"

CCommandProcessor::CCommandProcessor(CDocument& document) : wxCommandProcessor(MAX_STEPS), m_document(document) {}

bool CCommandProcessor::Submit(wxCommand* command, bool storeIt)
{
    if (!dynamic_cast<HistoryStep*>(command)) {
        delete command;
        return false;
    }
    m_document.CancelGesture();
    return Notified(wxCommandProcessor::Submit(command, storeIt));
}

bool CCommandProcessor::Undo()
{
    m_document.CancelGesture();
    return Notified(wxCommandProcessor::Undo());
}

bool CCommandProcessor::Redo()
{
    m_document.CancelGesture();
    return Notified(wxCommandProcessor::Redo());
}

void CCommandProcessor::Store(wxCommand* command)
{
    // With a step done, the oldest step is not on the redo branch that storing cuts off; if it
    // is gone afterwards, the limit dropped it, and the history now starts from its state.
    const HistoryStep* oldest = GetCurrentCommand() ? OldestStep() : nullptr;
    const HistoryStep::Id oldestId = oldest ? oldest->GetId() : 0;
    wxCommandProcessor::Store(command);
    if (oldest && OldestStep()->GetId() != oldestId)
        m_startState = oldestId;
}

HistoryStep* CCommandProcessor::OldestStep() const
{
    const wxList& steps = GetCommands();
    return steps.empty() ? nullptr : static_cast<HistoryStep*>(steps.GetFirst()->GetData());
}

HistoryStep* CCommandProcessor::CurrentStep() const
{
    return static_cast<HistoryStep*>(GetCurrentCommand());
}

HistoryStep::Id CCommandProcessor::StateId() const
{
    const HistoryStep* current = CurrentStep();
    return current ? current->GetId() : m_startState;
}

bool CCommandProcessor::Notified(bool done)
{
    if (done)
        m_document.OnHistoryChanged();
    return done;
}
