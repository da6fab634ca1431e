#include "app/CAutosave.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <vector>

#include <unistd.h>

#include <wx/datetime.h>
#include <wx/dir.h>
#include <wx/ffile.h>
#include <wx/filefn.h>
#include <wx/filename.h>

#include "document/CLevelMapDoc.h"
#include "framework/CDocManager.h"
#include "framework/MessageBox.h"

namespace {

const char* const PREFIX = "autosave-";

wxString SourceFileOf(const wxString& copy)
{
    return wxFileName(copy).GetPathWithSep() + wxFileName(copy).GetName() + ".source";
}

// The process number in "autosave-<pid>.xml"; 0 when the name has none.
long OwnerOf(const wxString& copy)
{
    long pid = 0;
    wxFileName(copy).GetName().Mid(wxStrlen(PREFIX)).ToLong(&pid);
    return pid;
}

bool IsRunning(long pid)
{
    return pid > 0 && (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

wxString ReadText(const wxString& path)
{
    wxString text;
    wxFFile file(path, "rb");
    if (file.IsOpened())
        file.ReadAll(&text, wxConvUTF8);
    return text;
}

// Quietly: a copy that is already gone (taken by another editor) is no error.
void RemoveCopy(const wxString& copy)
{
    if (wxFileExists(copy))
        wxRemoveFile(copy);
    if (wxFileExists(SourceFileOf(copy)))
        wxRemoveFile(SourceFileOf(copy));
}

// Whether the copy holds changes that its level does not: the level is new, gone, or older.
bool IsNewerThanItsLevel(const wxString& copy, const wxString& levelPath)
{
    if (levelPath.empty() || !wxFileExists(levelPath))
        return true;
    return wxFileModificationTime(copy) >= wxFileModificationTime(levelPath);
}

} // namespace

CAutosave::CAutosave(CDocManager& manager, CLevelMapDoc& document, const wxString& folder, int intervalSeconds)
    : m_manager(manager), m_document(document), m_folder(folder), m_timer(this)
{
    Bind(wxEVT_TIMER, &CAutosave::OnTimer, this);
    m_document.m_onClean = [this] { Remove(); };
    m_timer.Start(intervalSeconds * 1000);
}

CAutosave::~CAutosave()
{
    m_document.m_onClean = nullptr;
    Remove();
}

wxString CAutosave::OwnFile() const
{
    return wxFileName(m_folder, wxString::Format("%s%ld.xml", PREFIX, static_cast<long>(getpid()))).GetFullPath();
}

void CAutosave::WriteIfDue()
{
    if (!m_document.IsModified() || (m_written && m_writtenChange == m_document.m_changeCount))
        return;
    if (!wxFileName::Mkdir(m_folder, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL))
        return;
    const wxString copy = OwnFile();
    std::string error;
    if (!m_document.WriteCopy(copy, error))
        return; // the next pass tries again; the user's own file is never touched
    wxFFile source(SourceFileOf(copy), "wb");
    if (source.IsOpened())
        source.Write(m_document.GetPathName(), wxConvUTF8);
    m_written = true;
    m_writtenChange = m_document.m_changeCount;
}

void CAutosave::Remove()
{
    if (m_written)
        RemoveCopy(OwnFile());
    m_written = false;
}

void CAutosave::OfferRecovery()
{
    wxArrayString found;
    if (!wxDir::Exists(m_folder))
        return;
    wxDir::GetAllFiles(m_folder, &found, wxString(PREFIX) + "*.xml", wxDIR_FILES);
    std::vector<wxString> copies(found.begin(), found.end());
    copies.erase(std::remove_if(copies.begin(), copies.end(), [](const wxString& c) { return IsRunning(OwnerOf(c)); }),
                 copies.end());
    std::sort(copies.begin(), copies.end(), [](const wxString& a, const wxString& b) {
        return wxFileModificationTime(a) > wxFileModificationTime(b);
    });
    for (const wxString& copy : copies) {
        const wxString levelPath = ReadText(SourceFileOf(copy));
        if (!IsNewerThanItsLevel(copy, levelPath)) {
            RemoveCopy(copy);
            continue;
        }
        const wxString name = levelPath.empty() ? _("a new level") : wxFileName(levelPath).GetFullName();
        const wxString when = wxDateTime(wxFileModificationTime(copy)).Format("%c");
        const int answer = ShowMessageBox(wxString::Format(_("Trelkan kept unsaved changes of %s (%s) when it last "
                                                             "ended without closing.\nRecover them?"), name, when),
                                          wxString(), wxYES_NO | wxICON_QUESTION);
        if (answer == wxYES && Recover(copy, levelPath))
            return;
        if (answer != wxYES)
            RemoveCopy(copy);
    }
}

bool CAutosave::Recover(const wxString& copy, const wxString& levelPath)
{
    // The copy's level belongs to its own file (or to none): it opens unsaved, as it was left.
    if (!m_manager.OpenDocumentFileAs(copy, levelPath))
        return false;
    m_document.MarkChangedOutsideHistory();
    // This editor's own copy holds the changes before the old one goes.
    WriteIfDue();
    RemoveCopy(copy);
    return true;
}
