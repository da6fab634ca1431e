#pragma once

#include <cstdint>

#include <wx/cmdproc.h>

// One step of a document's undo history. Each step has an identity that no other step of the
// program's life takes, even after this one is freed: the saved point and an editor that adds
// its later edits to its own step remember the identity, never a pointer the history may free.
class HistoryStep : public wxCommand {
public:
    using Id = std::uint64_t;

    explicit HistoryStep(const wxString& name);

    // The identity of the level's state right after this step.
    Id GetId() const { return m_id; }
    // A fresh identity, for a state that no step made (the start of a history).
    static Id NewId();

private:
    const Id m_id;
};
