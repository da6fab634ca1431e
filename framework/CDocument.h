#pragma once

#include <functional>
#include <vector>

#include <wx/docview.h>

#include "level/FileStamp.h"

class CCommandProcessor;
class CView;
class CDocManager;
class CDocTemplate;

// The one document of a single-document program. The document manager reuses it for New and
// Open: it calls SaveModified, then OnNewDocument or OnOpenDocument. Derived documents override
// the steps and call the base version where the base step belongs to their sequence.
class CDocument : public wxDocument {
public:
    CDocument();

    // Clearing the flag marks the saved point of the undo history as well.
    void SetModifiedFlag(bool modified = true);
    // Shows the flag in the frame's title.
    void Modify(bool modified) override;
    // The undo history made the document (a step, an undo or a redo): the flag follows the
    // saved point and every view shows the new state.
    virtual void OnHistoryChanged();
    CCommandProcessor* GetHistory() const;
    // The document holds changes that no step of the history made (a recovered autosave): it
    // stays modified until it is saved, whatever is undone.
    void MarkChangedOutsideHistory();
    // The file the document was opened from or last saved to; empty for a new document.
    wxString GetPathName() const { return GetFilename(); }
    // Takes `path` as the document's file: title = its file name, the frame's title follows,
    // and the path goes to the top of the recent-file list.
    void SetPathName(const wxString& path);
    // The document's file as it was opened or last saved. Save asks before it replaces a file
    // that another program changed since.
    void RememberFile(const FileStamp& stamp);
    // Whether the document's file now holds other bytes than it was opened or saved with.
    bool FileChangedOnDisk();
    // The user keeps the document's changes over the file as it is now on disk: FileChangeKept
    // holds until the file changes again (Save still asks).
    void KeepChangesOverFile();
    bool FileChangeKept();
    // A gesture in a view (a drag, a wall being drawn, a pan) changes the document live and ends
    // as one step, or is cancelled and puts back everything it changed. The view registers how
    // to cancel it at the press and unregisters at the end, either way.
    void BeginGesture(std::function<void()> cancel);
    void EndGesture() { m_cancelGesture = nullptr; }
    bool GestureRunning() const { return static_cast<bool>(m_cancelGesture); }
    // Cancels a running gesture as Escape does. Everything that changes the document or its
    // history, or writes it, calls this first, so it acts on the document as it was before the
    // press and no gesture goes on with what the change freed.
    void CancelGesture();
    // Every view puts its typed but not yet applied values into the document (CView). False as
    // soon as one cannot: whatever was about to act on the document must then stop.
    virtual bool CommitPendingEdits();
    // The views of the document, in the order they were attached.
    std::vector<CView*> GetViewList() const;
    CDocManager* GetDocManager() const;
    CDocTemplate* GetTemplate() const;

    // --- steps the document manager calls ---
    // Clears the document: empty history, DeleteContents, no path, not modified.
    bool OnNewDocument() override;
    // The framework's part of opening (the file is known to be readable): empty history,
    // DeleteContents.
    bool OnOpenDocument(const wxString& path) override;
    // Writes the document to `path`; the base writes nothing and clears the modified flag.
    bool OnSaveDocument(const wxString& path) override;
    bool DeleteContents() override { return true; }

    // Asks whether to save a modified document: Yes saves, No goes on, Cancel (or a failed
    // save) returns false so that the caller keeps the document as it is.
    bool SaveModified();
    // File > Save: always writes, to the document's path or to one the user picks.
    bool DoFileSave();
    // Saves to `path`, asking for a path when it is empty. With `replace` the path becomes the
    // document's own (Save, Save As); without, the document's path and title stay.
    bool DoSave(const wxString& path, bool replace = true);
    // Shows the file-save dialog of the document's type (no proposed name, overwrite prompt);
    // empty when cancelled.
    wxString AskSavePath() const;

protected:
    // File > Save As; the base version saves under a new name and takes it as the document's.
    virtual void OnFileSaveAs();

    // The toolkit's own entry points, routed into the steps above.
    bool OnSaveModified() override { return SaveModified(); }
    bool Save() override { return DoFileSave(); }
    bool SaveAs() override { return DoSave(wxString(), true); }
    bool Close() override { return OnCloseDocument(); } // the frame has asked already
    bool OnCreate(const wxString&, long) override { return true; } // the frame makes the views
    void OnChangedViewList() override {} // the manager owns the document, not its views
    wxCommandProcessor* OnCreateCommandProcessor() override;

private:
    void ClearHistory();

    // Whether Save may write to `target`: asks when it is the document's own file and another
    // program changed it. Overwrite goes on, Save As... saves under another name (`saved`), Cancel
    // stops.
    bool MayOverwrite(const wxString& target, bool replace, bool& saved);

    bool m_changedOutsideHistory = false;
    FileStamp m_fileStamp;
    FileStamp m_keptStamp;
    std::function<void()> m_cancelGesture;
    void OnFileSaveCommand(wxCommandEvent&) { DoFileSave(); }
    void OnFileSaveAsCommand(wxCommandEvent&) { OnFileSaveAs(); }
};
