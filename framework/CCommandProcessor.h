#pragma once

#include <wx/cmdproc.h>

class CDocument;

// The document's undo history. Every step, undo and redo ends in one notification of the
// document (OnHistoryChanged), which sets the modified flag from the saved point and refreshes
// every view; nothing else needs to tell the views about a change.
class CCommandProcessor : public wxCommandProcessor {
public:
    static constexpr int MAX_STEPS = 2000;

    explicit CCommandProcessor(CDocument& document);

    bool Submit(wxCommand* command, bool storeIt = true) override;
    bool Undo() override;
    bool Redo() override;

private:
    // Tells the document when the history did something; gives `done` back.
    bool Notified(bool done);

    CDocument& m_document;
};
