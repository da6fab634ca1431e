#include "framework/CDocument.h"

#include <utility>

#include <wx/filename.h>

#include "framework/CCommandProcessor.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CFrameWnd.h"
#include "framework/CView.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"
#include "framework/StandardIds.h"

CDocument::CDocument()
{
    SetCommandProcessor(new CCommandProcessor(*this));
    Bind(wxEVT_MENU, &CDocument::OnFileSaveCommand, this, StandardId::FileSave);
    Bind(wxEVT_MENU, &CDocument::OnFileSaveAsCommand, this, StandardId::FileSaveAs);
}

void CDocument::SetModifiedFlag(bool modified)
{
    if (!modified) {
        m_changedOutsideHistory = false;
        if (CCommandProcessor* history = GetHistory())
            history->MarkSaved();
    }
    Modify(modified);
}

void CDocument::MarkChangedOutsideHistory()
{
    m_changedOutsideHistory = true;
    Modify(true);
}

void CDocument::Modify(bool modified)
{
    const bool changed = modified != IsModified();
    wxDocument::Modify(modified);
    if (changed)
        if (CDocManager* manager = GetDocManager())
            manager->UpdateFrameTitle();
}

void CDocument::OnHistoryChanged()
{
    if (CCommandProcessor* history = GetHistory())
        Modify(m_changedOutsideHistory || !history->AtSavedState());
    UpdateAllViews();
}

bool CDocument::CommitPendingEdits()
{
    for (CView* view : GetViewList())
        if (!view->CommitPendingEdits())
            return false;
    return true;
}

void CDocument::BeginGesture(std::function<void()> cancel)
{
    m_cancelGesture = std::move(cancel);
}

void CDocument::CancelGesture()
{
    // The canceller ends the gesture; taking it first keeps a second call from running it again.
    if (std::function<void()> cancel = std::exchange(m_cancelGesture, nullptr))
        cancel();
}

CCommandProcessor* CDocument::GetHistory() const
{
    return static_cast<CCommandProcessor*>(GetCommandProcessor());
}

wxCommandProcessor* CDocument::OnCreateCommandProcessor()
{
    // The history exists from construction, also for documents made without a template.
    return GetCommandProcessor();
}

void CDocument::ClearHistory()
{
    if (CCommandProcessor* history = GetHistory())
        history->ClearCommands();
}

void CDocument::SetPathName(const wxString& path)
{
    SetFilename(path, false);
    SetTitle(wxFileName(path).GetFullName());
    SetDocumentSaved(true);
    if (CDocManager* manager = GetDocManager()) {
        manager->AddFileToHistory(path);
        manager->UpdateFrameTitle();
    }
}

std::vector<CView*> CDocument::GetViewList() const
{
    std::vector<CView*> views;
    for (wxObject* object : GetViews())
        if (auto* view = dynamic_cast<CView*>(object))
            views.push_back(view);
    return views;
}

CDocManager* CDocument::GetDocManager() const
{
    return dynamic_cast<CDocManager*>(GetDocumentManager());
}

CDocTemplate* CDocument::GetTemplate() const
{
    return dynamic_cast<CDocTemplate*>(GetDocumentTemplate());
}

bool CDocument::OnNewDocument()
{
    CancelGesture();
    ClearHistory();
    DeleteContents();
    SetFilename(wxString(), false);
    SetDocumentSaved(false);
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const wxString&)
{
    CancelGesture();
    ClearHistory();
    DeleteContents();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const wxString&)
{
    SetModifiedFlag(false);
    return true;
}

bool CDocument::SaveModified()
{
    CancelGesture();
    if (!IsModified())
        return true;
    wxString name = GetPathName().empty() ? GetTitle() : GetPathName();
    int answer = ShowMessageBox(wxString::Format(_("Save changes to %s?"), name), wxString(),
                                wxYES_NO | wxCANCEL | wxICON_EXCLAMATION);
    if (answer == wxCANCEL)
        return false;
    return answer != wxYES || DoFileSave();
}

bool CDocument::DoFileSave()
{
    return DoSave(GetPathName(), true);
}

bool CDocument::DoSave(const wxString& path, bool replace)
{
    // The file gets the level as it was before the press, never a wall half drawn.
    CancelGesture();
    wxString target = path.empty() ? AskSavePath() : path;
    bool saved = false;
    if (target.empty() || !MayOverwrite(target, replace, saved))
        return saved;
    if (!OnSaveDocument(target))
        return false;
    if (replace)
        SetPathName(target);
    return true;
}

bool CDocument::MayOverwrite(const wxString& target, bool replace, bool& saved)
{
    const wxString own = GetPathName();
    if (own.empty() || !wxFileName(target).SameAs(wxFileName(own)) || !FileChangedOnDisk())
        return true;
    const int answer =
        ShowMessageBox(wxString::Format(_("%s was changed by another program since it was opened or saved here.\n"
                                          "Overwrite it with this level, save this level under another name, or "
                                          "cancel?"),
                                        own),
                       wxString(), wxYES_NO | wxCANCEL | wxICON_WARNING,
                       {_("Overwrite"), _("Save As..."), _("Cancel")});
    if (answer == wxNO)
        saved = DoSave(wxString(), replace);
    return answer == wxYES;
}

void CDocument::RememberFile(const FileStamp& stamp)
{
    m_fileStamp = stamp;
    m_keptStamp = FileStamp();
}

bool CDocument::FileChangedOnDisk()
{
    const wxString path = GetPathName();
    return !path.empty() && m_fileStamp.Changed(std::string(path.fn_str()));
}

void CDocument::KeepChangesOverFile()
{
    m_keptStamp = FileStamp::Of(std::string(GetPathName().fn_str()));
}

bool CDocument::FileChangeKept()
{
    return m_keptStamp.Known() && !m_keptStamp.Changed(std::string(GetPathName().fn_str()));
}

wxString CDocument::AskSavePath() const
{
    FileDialogRequest request;
    if (const CDocTemplate* docTemplate = GetTemplate())
        request = docTemplate->FileRequest(GetPathName());
    request.save = true;
    if (CDocManager* manager = GetDocManager())
        request.parent = manager->GetFrame();
    return ShowFileDialog(request).value_or(wxString());
}

void CDocument::OnFileSaveAs()
{
    DoSave(wxString(), true);
}
