#pragma once

#include <wx/event.h>
#include <wx/string.h>
#include <wx/timer.h>

#include "recovery/AutosaveSlot.h"

class CDocManager;
class CLevelMapDoc;

// Keeps a copy of a level with unsaved changes in the user's data folder, written with the
// level file's safe writer and never over the user's own file, and offers at start the copies
// that editors left behind when they ended without closing (a crash, a kill).
//
// Each editor holds a locked slot (AutosaveSlot) for its whole life, naming the level it has
// open even while that has no changes, so that another editor opening the same level can say
// so; a slot whose lock can be taken belongs to no running editor.
class CAutosave : public wxEvtHandler {
public:
    static constexpr int INTERVAL_SECONDS = 60;

    // Takes a slot in `folder` and asks before the manager opens a level another editor has open.
    CAutosave(CDocManager& manager, CLevelMapDoc& document, const wxString& folder,
              int intervalSeconds = INTERVAL_SECONDS);
    // A clean end: the slot and its copy go.
    ~CAutosave() override;
    CAutosave(const CAutosave&) = delete;
    CAutosave& operator=(const CAutosave&) = delete;

    // The tick: writes the copy when the level has changes that the copy does not have yet, and
    // waits while a gesture runs. A folder that cannot be written gets one status-bar notice and
    // is tried again at the next tick.
    void WriteIfDue();
    // The copy goes (the level is saved, closed or replaced); the slot stays.
    void Remove();
    // Goes through the slots of editors that run no more, newest copy first. A copy that differs
    // from its level's file is offered, with both times: Yes opens it as a modified, unsaved
    // level of that file (and stops), No deletes it. A copy equal to its file goes unasked; one
    // that is no readable level is set aside with a message and never offered again.
    void OfferRecovery();
    // Whether `path` may be opened: when a running editor other than the one holding the slot
    // `ownSlot` has it open, the user is told and chooses.
    static bool ConfirmOpen(const wxString& folder, const wxString& path, const wxString& ownSlot = wxString());

    // This editor's copy; empty while it has no slot.
    wxString OwnFile() const;

private:
    void OnTimer(wxTimerEvent&) { WriteIfDue(); }
    // Makes the slot when there is none yet; `problem` says why it cannot.
    bool TakeSlot(wxString& problem);
    bool WriteCopy(wxString& problem);
    void Notice(const wxString& problem);
    void ShowLevelPath();
    // Settles one abandoned slot; true when its copy came back as the level.
    bool Settle(AutosaveSlot& slot);
    bool Recover(AutosaveSlot& slot, const wxString& levelPath);
    void SetAside(AutosaveSlot& slot, const wxString& levelPath, const wxString& reason);

    CDocManager& m_manager;
    CLevelMapDoc& m_document;
    wxString m_folder;
    wxTimer m_timer;
    AutosaveSlot m_slot;
    unsigned long m_writtenChange = 0;
    bool m_written = false;
    bool m_noticeShown = false;
};
