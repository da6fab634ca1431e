#pragma once

#include <wx/event.h>
#include <wx/string.h>
#include <wx/timer.h>

class CDocManager;
class CLevelMapDoc;

// Keeps a copy of a level with unsaved changes in the user's data folder, written with the
// level file's safe writer and never over the user's own file, and offers at start the copies
// that an editor left behind when it ended without closing (a crash, a kill).
//
// Each editor process writes "autosave-<pid>.xml" beside "autosave-<pid>.source", which holds
// the path of the level the copy belongs to (empty for a new level).
class CAutosave : public wxEvtHandler {
public:
    static constexpr int INTERVAL_SECONDS = 60;

    CAutosave(CDocManager& manager, CLevelMapDoc& document, const wxString& folder,
              int intervalSeconds = INTERVAL_SECONDS);
    ~CAutosave() override;
    CAutosave(const CAutosave&) = delete;
    CAutosave& operator=(const CAutosave&) = delete;

    // Writes the copy now when the level has changes that the copy does not have yet.
    void WriteIfDue();
    // The copy goes: the level is saved, closed or replaced.
    void Remove();
    // Offers each copy left by an editor that is no longer running, newest first, while the
    // level it belongs to is older: Yes opens it as a modified, unsaved level for that file
    // (and stops); No deletes it. Older copies go without asking.
    void OfferRecovery();

    wxString OwnFile() const;

private:
    void OnTimer(wxTimerEvent&) { WriteIfDue(); }
    bool Recover(const wxString& copy, const wxString& levelPath);

    CDocManager& m_manager;
    CLevelMapDoc& m_document;
    wxString m_folder;
    wxTimer m_timer;
    unsigned long m_writtenChange = 0;
    bool m_written = false;
};
