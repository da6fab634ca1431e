#include "framework/CCommandProcessor.h"

#include "framework/CDocument.h"

CCommandProcessor::CCommandProcessor(CDocument& document) : wxCommandProcessor(MAX_STEPS), m_document(document) {}

bool CCommandProcessor::Submit(wxCommand* command, bool storeIt)
{
    const bool done = wxCommandProcessor::Submit(command, storeIt);
    if (done)
        m_document.OnHistoryChanged();
    return done;
}

bool CCommandProcessor::Undo()
{
    const bool done = wxCommandProcessor::Undo();
    if (done)
        m_document.OnHistoryChanged();
    return done;
}

bool CCommandProcessor::Redo()
{
    const bool done = wxCommandProcessor::Redo();
    if (done)
        m_document.OnHistoryChanged();
    return done;
}

wxCommand* CCommandProcessor::GetUndoableCommand() const
{
    return CanUndo() ? GetCurrentCommand() : nullptr;
}
