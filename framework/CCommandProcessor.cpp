#include "framework/CCommandProcessor.h"

#include "framework/CDocument.h"

CCommandProcessor::CCommandProcessor(CDocument& document) : wxCommandProcessor(MAX_STEPS), m_document(document) {}

bool CCommandProcessor::Submit(wxCommand* command, bool storeIt)
{
    return Notified(wxCommandProcessor::Submit(command, storeIt));
}

bool CCommandProcessor::Undo()
{
    return Notified(wxCommandProcessor::Undo());
}

bool CCommandProcessor::Redo()
{
    return Notified(wxCommandProcessor::Redo());
}

bool CCommandProcessor::Notified(bool done)
{
    if (done)
        m_document.OnHistoryChanged();
    return done;
}
