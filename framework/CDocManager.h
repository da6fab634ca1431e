#pragma once

#include <functional>
#include <optional>

#include <wx/docview.h>

class CDocTemplate;
class CDocument;
class CFrameWnd;
class CView;
class wxConfigBase;
class wxMenu;
class wxMenuBar;

// The document manager of a single-document program: one template, one document, one frame.
// Unlike the toolkit's own single-document mode, New and Open keep the document object and
// run its steps again (SaveModified, then OnNewDocument or OnOpenDocument), and File > Save
// always writes. It keeps the recent-file list and shows it in the File menu.
class CDocManager : public wxDocManager {
public:
    explicit CDocManager(size_t maxRecentFiles = 4);

    CDocTemplate* GetTemplate() const;
    CDocument* GetDocument() const;
    CFrameWnd* GetFrame() const { return m_frame; }
    void OnFrameDestroyed(CFrameWnd* frame);

    // New (empty path) or Open of `path`. The first call makes the document and the frame;
    // later calls first ask to save a modified document. Null when the user cancelled or the
    // step failed; a document that existed before then keeps what it held (Open checks that
    // the file can be read before anything is replaced).
    CDocument* OpenDocumentFile(const wxString& path);
    // Open of `path`, whose level then belongs to `owner` (to no file when empty) and enters
    // no recent-file list: a copy coming back as its level.
    CDocument* OpenDocumentFileAs(const wxString& path, const wxString& owner);
    // File > Open: the file-open dialog of the template's type, then OpenDocumentFile.
    void DoFileOpen();
    // Asked before a file is opened by the user (File > Open, a recent file, the command line),
    // never for New, a reload or a recovered copy: false leaves the document as it is.
    void SetOpenCheck(std::function<bool(const wxString& path)> check) { m_openCheck = std::move(check); }
    // The program is active again: a document whose file another program changed is read again
    // (ReloadFile), once for each change on disk.
    void CheckFileOnDisk();
    // Reads the document's file again when it has no changes of its own (the status bar says
    // so); with changes the user chooses between reloading, which loses them, and keeping them.
    // A file that cannot be read keeps the level as it is and is said in the frame's notice,
    // whose Reload tries again.
    void ReloadFile(CDocument& document);

    // The active view receives commands before the document, the frame and the application.
    void SetActiveView(CView* view);
    // The application title: the first field of the template string.
    wxString GetAppTitle() const;
    // "<document title> - <application title>" on the frame.
    void UpdateFrameTitle();

    // --- recent-file list ---
    void AddFileToHistory(const wxString& file) override;
    void RemoveFileFromHistory(size_t i) override;
    // Shows the list in place of the menu item with id wxID_FILE1 (labelled "Recent File" and
    // disabled while the list is empty).
    void SetRecentFileMenu(wxMenuBar* menuBar);
    // Reads the list from `settings` and writes it back there after every change.
    void LoadRecentFiles(wxConfigBase* settings);

    // Routes the toolkit's own document creation through OpenDocumentFile.
    wxDocument* CreateDocument(const wxString& path, long flags = 0) override;

protected:
    wxFileHistory* OnCreateFileHistory() override;
    // Commands go to the active view (or the first view), then to the document.
    bool TryBefore(wxEvent& event) override;

private:
    CDocument* OpenDocument(const wxString& name, const std::optional<wxString>& owner);
    // New or Open; an opened level belongs to `owner` when there is one, else to its file.
    // With `quietFailure` a file that cannot be opened is said there instead of in a message box.
    bool RunDocumentStep(CDocument& document, const wxString& path, const std::optional<wxString>& owner,
                         wxString* quietFailure = nullptr);
    void TakeFile(CDocument& document, const wxString& path);
    // A new level's title.
    wxString UntitledTitle() const;
    void InitialUpdate(CDocument& document);
    void RefreshRecentFileMenu();
    void SaveRecentFiles();

    void HandleFileNew(wxCommandEvent&);
    void HandleFileOpen(wxCommandEvent&);
    void HandleRecentFile(wxCommandEvent& event);
    void HandleUpdateAlwaysEnabled(wxUpdateUIEvent& event);
    void HandleUpdateRecentFile(wxUpdateUIEvent& event);

    std::function<bool(const wxString&)> m_openCheck;
    size_t m_maxRecentFiles;
    CFrameWnd* m_frame = nullptr;
    wxMenu* m_recentMenu = nullptr;
    size_t m_recentPosition = 0;
    wxConfigBase* m_settings = nullptr;
};

// Whether `path` names a file that opens for reading; otherwise `reason` says why.
bool CanReadFile(const wxString& path, wxString& reason);
