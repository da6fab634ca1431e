#include "framework/CDocManager.h"

#include <wx/config.h>
#include <wx/filehistory.h>
#include <wx/filename.h>
#include <wx/menu.h>

#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CView.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/StandardIds.h"
#include "level/RegularFile.h"

namespace {

const char* const RECENT_FILE_GROUP = "/Recent File List";
const char* const RECENT_FILE_PLACEHOLDER = wxTRANSLATE("Recent File");
const char* const UNTITLED = wxTRANSLATE("Untitled");

// Works in the recent-file group of the settings while it lives.
class RecentFileGroup {
public:
    explicit RecentFileGroup(wxConfigBase& settings) : m_settings(settings), m_oldPath(settings.GetPath())
    {
        m_settings.SetPath(RECENT_FILE_GROUP);
    }
    ~RecentFileGroup() { m_settings.SetPath(m_oldPath); }
    RecentFileGroup(const RecentFileGroup&) = delete;
    RecentFileGroup& operator=(const RecentFileGroup&) = delete;

private:
    wxConfigBase& m_settings;
    wxString m_oldPath;
};

} // namespace

bool CanReadFile(const wxString& path, wxString& reason)
{
    const RegularFile file(std::string(path.fn_str()));
    if (!file.IsOpen())
        reason = file.Error() == "not a regular file" ? _("not a regular file") : wxString(file.Error());
    return file.IsOpen();
}

CDocManager::CDocManager(size_t maxRecentFiles)
    : wxDocManager(0, false), m_maxRecentFiles(maxRecentFiles)
{
    // Initialize() after the members are set: it calls OnCreateFileHistory.
    Initialize();
    SetMaxDocsOpen(1);
    Bind(wxEVT_MENU, &CDocManager::HandleFileNew, this, StandardId::FileNew);
    Bind(wxEVT_MENU, &CDocManager::HandleFileOpen, this, StandardId::FileOpen);
    Bind(wxEVT_MENU, &CDocManager::HandleRecentFile, this, StandardId::RecentFile1,
         StandardId::RecentFile1 + static_cast<int>(maxRecentFiles) - 1);
    for (int id : {StandardId::FileNew, StandardId::FileOpen, StandardId::FileSave, StandardId::FileSaveAs})
        Bind(wxEVT_UPDATE_UI, &CDocManager::HandleUpdateAlwaysEnabled, this, id);
    Bind(wxEVT_UPDATE_UI, &CDocManager::HandleUpdateRecentFile, this, StandardId::RecentFile1,
         StandardId::RecentFile1 + static_cast<int>(maxRecentFiles) - 1);
}

CDocTemplate* CDocManager::GetTemplate() const
{
    const wxList& templates = const_cast<CDocManager*>(this)->GetTemplates();
    return templates.empty() ? nullptr : dynamic_cast<CDocTemplate*>(templates.front());
}

CDocument* CDocManager::GetDocument() const
{
    const wxList& documents = const_cast<CDocManager*>(this)->GetDocuments();
    return documents.empty() ? nullptr : dynamic_cast<CDocument*>(documents.front());
}

void CDocManager::OnFrameDestroyed(CFrameWnd* frame)
{
    if (m_frame == frame) {
        m_frame = nullptr;
        m_recentMenu = nullptr;
    }
}

CDocument* CDocManager::OpenDocumentFile(const wxString& path)
{
    return OpenDocument(path, std::nullopt);
}

CDocument* CDocManager::OpenDocumentFileAs(const wxString& path, const wxString& owner)
{
    return OpenDocument(path, owner);
}

CDocument* CDocManager::OpenDocument(const wxString& name, const std::optional<wxString>& owner)
{
    // The document and the recent-file list keep full paths, valid from any directory.
    wxString path = name;
    if (!path.empty()) {
        wxFileName full(path);
        full.MakeAbsolute();
        path = full.GetFullPath();
    }
    CDocTemplate* docTemplate = GetTemplate();
    if (!docTemplate || (!path.empty() && !owner && m_openCheck && !m_openCheck(path)))
        return nullptr;
    if (CDocument* document = GetDocument()) {
        if (!document->SaveModified() || !RunDocumentStep(*document, path, owner))
            return nullptr;
        InitialUpdate(*document);
        return document;
    }
    CDocument* document = docTemplate->CreateOneDocument();
    if (!document)
        return nullptr;
    m_frame = docTemplate->CreateFrame(*this, *document);
    if (!m_frame || !RunDocumentStep(*document, path, owner)) {
        // The panes own their views: the frame goes first, so that the views leave the
        // document before it is deleted.
        delete m_frame;
        m_frame = nullptr;
        delete document;
        return nullptr;
    }
    m_frame->Show();
    InitialUpdate(*document);
    return document;
}

bool CDocManager::RunDocumentStep(CDocument& document, const wxString& path, const std::optional<wxString>& owner,
                                  wxString* quietFailure)
{
    if (path.empty()) {
        document.SetTitle(UntitledTitle());
        if (!document.OnNewDocument())
            return false;
        UpdateFrameTitle();
        return true;
    }
    wxString reason;
    const bool opened = CanReadFile(path, reason) &&
                        (quietFailure ? document.OpenQuietly(path, reason) : document.OnOpenDocument(path));
    if (!opened) {
        if (quietFailure)
            *quietFailure = reason;
        else if (!reason.empty())
            ShowFileErrorBox(path, _("could not be opened"), reason);
        return false;
    }
    document.SetModifiedFlag(false);
    if (owner)
        TakeFile(document, *owner);
    else
        document.SetPathName(path);
    return true;
}

wxString CDocManager::UntitledTitle() const
{
    const wxString& docName = GetTemplate()->GetStrings().docName;
    return docName.empty() ? wxGetTranslation(UNTITLED) : docName;
}

// The document's file without the recent-file list: `path`, or none when empty.
void CDocManager::TakeFile(CDocument& document, const wxString& path)
{
    document.SetFilename(path, false);
    document.SetTitle(path.empty() ? UntitledTitle() : wxFileName(path).GetFullName());
    document.SetDocumentSaved(!path.empty());
    // Save compares the file with what it is now: the copy holds no trace of what it was then.
    document.RememberFile(FileStamp::Of(std::string(path.fn_str())));
    UpdateFrameTitle();
}

void CDocManager::CheckFileOnDisk()
{
    CDocument* document = GetDocument();
    if (document && document->FileChangedOnDisk() && !document->FileChangeSettled())
        ReloadFile(*document);
}

void CDocManager::ReloadFile(CDocument& document)
{
    const wxString path = document.GetPathName();
    if (document.IsModified()) {
        const int answer = ShowMessageBox(
            wxString::Format(_("%s was changed by another program.\nReload it and lose the changes made here, or keep "
                               "them?"),
                             path),
            wxString(), wxYES_NO | wxICON_WARNING, {_("Reload"), _("Keep Changes")});
        if (answer != wxYES) {
            document.KeepChangesOverFile();
            return;
        }
    }
    // No question about saving: the changes here are given up, or there are none. A file that
    // cannot be read now (a merge conflict, a half-written file) is said once, without a box
    // that every return to the editor would show again.
    wxString reason;
    if (!RunDocumentStep(document, path, std::nullopt, &reason)) {
        document.PassOverUnreadableFile();
        if (m_frame)
            m_frame->ShowFileNotice(
                wxString::Format(_("%s was changed by another program and cannot be read (%s); the level here stays "
                                   "as it was."),
                                 path, reason),
                [this] {
                    if (CDocument* current = GetDocument())
                        ReloadFile(*current);
                });
        return;
    }
    InitialUpdate(document);
    if (m_frame)
        m_frame->SetStatusText(wxString::Format(_("%s was changed by another program and has been reloaded."), path));
}

void CDocManager::InitialUpdate(CDocument& document)
{
    for (CView* view : document.GetViewList())
        view->OnInitialUpdate();
    if (m_frame) {
        // A notice about the file that was open is out of date with any level read since.
        m_frame->HideFileNotice();
        m_frame->OnInitialUpdate();
    }
}

void CDocManager::DoFileOpen()
{
    const CDocTemplate* docTemplate = GetTemplate();
    if (!docTemplate)
        return;
    CDocument* document = GetDocument();
    // The dialog takes the mouse: a gesture is cancelled, not ended by it.
    if (document)
        document->CancelGesture();
    FileDialogRequest request = docTemplate->FileRequest(document ? document->GetPathName() : wxString());
    if (std::optional<wxString> path = ShowFileDialog(request))
        OpenDocumentFile(*path);
}

void CDocManager::SetActiveView(CView* view)
{
    wxView* previous = GetCurrentView();
    if (previous == view)
        return;
    if (previous)
        previous->Activate(false);
    if (view)
        view->Activate(true);
}

wxString CDocManager::GetAppTitle() const
{
    const CDocTemplate* docTemplate = GetTemplate();
    return docTemplate ? docTemplate->GetStrings().windowTitle : wxString();
}

void CDocManager::UpdateFrameTitle()
{
    const CDocument* document = GetDocument();
    if (m_frame && document)
        m_frame->SetTitle((document->IsModified() ? "*" : "") + document->GetTitle() + " - " + GetAppTitle());
}

void CDocManager::AddFileToHistory(const wxString& file)
{
    wxDocManager::AddFileToHistory(file);
    RefreshRecentFileMenu();
    SaveRecentFiles();
}

void CDocManager::RemoveFileFromHistory(size_t i)
{
    wxDocManager::RemoveFileFromHistory(i);
    RefreshRecentFileMenu();
    SaveRecentFiles();
}

void CDocManager::SetRecentFileMenu(wxMenuBar* menuBar)
{
    m_recentMenu = nullptr;
    wxMenuItem* item = menuBar ? menuBar->FindItem(StandardId::RecentFile1, &m_recentMenu) : nullptr;
    if (!item)
        return;
    const wxMenuItemList& items = m_recentMenu->GetMenuItems();
    m_recentPosition = static_cast<size_t>(items.IndexOf(item));
    RefreshRecentFileMenu();
}

void CDocManager::RefreshRecentFileMenu()
{
    if (!m_recentMenu)
        return;
    for (size_t i = 0; i < m_maxRecentFiles; ++i) {
        int id = StandardId::RecentFile1 + static_cast<int>(i);
        if (m_recentMenu->FindChildItem(id))
            m_recentMenu->Delete(id);
    }
    size_t count = GetHistoryFilesCount();
    if (count == 0) {
        m_recentMenu->Insert(m_recentPosition, StandardId::RecentFile1, wxGetTranslation(RECENT_FILE_PLACEHOLDER));
        m_recentMenu->Enable(StandardId::RecentFile1, false);
        return;
    }
    for (size_t i = 0; i < count; ++i) {
        wxString path = GetHistoryFile(i);
        path.Replace("&", "&&");
        m_recentMenu->Insert(m_recentPosition + i, StandardId::RecentFile1 + static_cast<int>(i),
                             wxString::Format("&%zu %s", i + 1, path));
    }
}

void CDocManager::LoadRecentFiles(wxConfigBase* settings)
{
    m_settings = settings;
    if (!m_settings)
        return;
    {
        RecentFileGroup group(*m_settings);
        FileHistoryLoad(*m_settings);
    }
    RefreshRecentFileMenu();
}

void CDocManager::SaveRecentFiles()
{
    if (!m_settings)
        return;
    {
        RecentFileGroup group(*m_settings);
        FileHistorySave(*m_settings);
    }
    m_settings->Flush();
}

wxDocument* CDocManager::CreateDocument(const wxString& path, long flags)
{
    return OpenDocumentFile((flags & wxDOC_NEW) ? wxString() : path);
}

wxFileHistory* CDocManager::OnCreateFileHistory()
{
    return new wxFileHistory(m_maxRecentFiles, StandardId::RecentFile1);
}

bool CDocManager::TryBefore(wxEvent& event)
{
    wxView* view = GetAnyUsableView();
    if (view && view->ProcessEventLocally(event))
        return true;
    CDocument* document = GetDocument();
    return document && document->ProcessEventLocally(event);
}

void CDocManager::HandleFileNew(wxCommandEvent&)
{
    OpenDocumentFile(wxString());
}

void CDocManager::HandleFileOpen(wxCommandEvent&)
{
    DoFileOpen();
}

void CDocManager::HandleRecentFile(wxCommandEvent& event)
{
    size_t index = static_cast<size_t>(event.GetId() - StandardId::RecentFile1);
    if (index >= GetHistoryFilesCount())
        return;
    wxString path = GetHistoryFile(index);
    wxString reason;
    if (!CanReadFile(path, reason)) {
        // A file that is gone leaves the list; the document stays as it is.
        ShowFileErrorBox(path, _("could not be opened"), reason);
        RemoveFileFromHistory(index);
        return;
    }
    OpenDocumentFile(path);
}

void CDocManager::HandleUpdateAlwaysEnabled(wxUpdateUIEvent& event)
{
    event.Enable(GetTemplate() != nullptr);
}

void CDocManager::HandleUpdateRecentFile(wxUpdateUIEvent& event)
{
    event.Enable(static_cast<size_t>(event.GetId() - StandardId::RecentFile1) < GetHistoryFilesCount());
}
