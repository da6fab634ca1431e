#include "recovery/CAutosave.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>

#include <wx/datetime.h>
#include <wx/filename.h>

#include "document/CLevelMapDoc.h"
#include "framework/CDocManager.h"
#include "framework/CFrameWnd.h"
#include "framework/MessageBox.h"
#include "level/LevelFile.h"
#include "level/LevelScene.h"
#include "level/RegularFile.h"

namespace {

// Copies that are no readable level go here, below the folder that the scan reads.
const char* const SET_ASIDE = "unreadable";

std::string FileSystemPath(const wxString& path)
{
    return std::string(path.fn_str());
}

wxString FromFileSystem(const std::string& path)
{
    return wxString(path.c_str(), *wxConvFileName);
}

// The bytes of the file at `path`; none, with `missing` telling whether it is simply not there,
// when they cannot be read.
std::optional<std::string> Bytes(const std::string& path, bool* missing = nullptr)
{
    RegularFile file(path);
    std::string bytes;
    if (missing)
        *missing = file.ErrorNumber() == ENOENT;
    if (!file.ReadAll(bytes))
        return std::nullopt;
    return bytes;
}

wxString TimeOf(const wxString& path)
{
    return wxDateTime(wxFileModificationTime(path)).Format("%c");
}

bool ChangedAfter(const wxString& file, const wxString& copy)
{
    std::error_code error;
    return std::filesystem::last_write_time(FileSystemPath(file), error) >
           std::filesystem::last_write_time(FileSystemPath(copy), error);
}

// The offer names the level (or an untitled one), when the copy was made and when its file last
// changed, and warns when the file changed after the copy.
wxString OfferText(const wxString& copy, const wxString& levelPath)
{
    const bool hasFile = !levelPath.empty() && wxFileExists(levelPath);
    wxString text = wxString::Format(_("Trelkan kept unsaved changes of %s when it last ended without closing.\n"
                                       "The copy was made %s."),
                                     levelPath.empty() ? _("an untitled level") : levelPath, TimeOf(copy));
    if (hasFile)
        text += wxString::Format(_("\nThe file was last changed %s."), TimeOf(levelPath));
    if (hasFile && ChangedAfter(levelPath, copy))
        text += _("\nThe file changed after the copy was made: recovering keeps the copy's level, not the file's.");
    return text + _("\nRecover the changes?");
}

} // namespace

CAutosave::CAutosave(CDocManager& manager, CLevelMapDoc& document, const wxString& folder, int intervalSeconds)
    : m_manager(manager), m_document(document), m_folder(folder), m_timer(this)
{
    Bind(wxEVT_TIMER, &CAutosave::OnTimer, this);
    m_document.m_onClean = [this] { Remove(); };
    m_document.m_onFileName = [this] { ShowLevelPath(); };
    m_manager.SetOpenCheck([this](const wxString& path) {
        return ConfirmOpen(m_folder, path, FromFileSystem(m_slot.SourceFile()));
    });
    // The slot at once: other editors see from now on which level this one has open.
    WriteIfDue();
    m_timer.Start(intervalSeconds * 1000);
}

CAutosave::~CAutosave()
{
    m_manager.SetOpenCheck(nullptr);
    m_document.m_onClean = nullptr;
    m_document.m_onFileName = nullptr;
    m_slot.Remove();
}

wxString CAutosave::OwnFile() const
{
    return m_slot.Held() ? FromFileSystem(m_slot.CopyFile()) : wxString();
}

void CAutosave::WriteIfDue()
{
    // A gesture's level is half made: the tick waits for the next one.
    if (m_document.GestureRunning())
        return;
    wxString problem;
    if (!TakeSlot(problem) || !WriteCopy(problem)) {
        Notice(problem);
        return;
    }
    m_noticeShown = false;
}

bool CAutosave::TakeSlot(wxString& problem)
{
    if (m_slot.Held())
        return true;
    std::error_code error;
    std::filesystem::create_directories(FileSystemPath(m_folder), error);
    if (!error) {
        m_slot = AutosaveSlot::Create(FileSystemPath(m_folder));
        if (!m_slot.Held())
            error.assign(errno, std::generic_category());
    }
    if (error) {
        problem = wxString::FromUTF8(error.message());
        return false;
    }
    ShowLevelPath();
    return true;
}

bool CAutosave::WriteCopy(wxString& problem)
{
    if (!m_document.IsModified() || (m_written && m_writtenChange == m_document.m_changeCount))
        return true;
    std::string error;
    // The user's own file is never touched; a copy that fails is tried again at the next tick.
    if (!m_document.WriteCopy(OwnFile(), error)) {
        problem = wxString::FromUTF8(error);
        return false;
    }
    m_written = true;
    m_writtenChange = m_document.m_changeCount;
    return true;
}

void CAutosave::Notice(const wxString& problem)
{
    CFrameWnd* frame = m_manager.GetFrame();
    if (m_noticeShown || !frame)
        return;
    frame->SetStatusText(wxString::Format(_("Unsaved changes cannot be copied to %s (%s); trying again at the next "
                                            "autosave."),
                                          m_folder, problem));
    m_noticeShown = true;
}

void CAutosave::ShowLevelPath()
{
    m_slot.SetLevelPath(FileSystemPath(m_document.GetPathName()));
}

void CAutosave::Remove()
{
    if (m_written)
        std::remove(m_slot.CopyFile().c_str());
    m_written = false;
}

bool CAutosave::ConfirmOpen(const wxString& folder, const wxString& path, const wxString& ownSlot)
{
    for (const std::string& level : AutosaveSlot::OpenLevels(FileSystemPath(folder), FileSystemPath(ownSlot)))
        if (!level.empty() && wxFileName(FromFileSystem(level)).SameAs(wxFileName(path)))
            return ShowMessageBox(wxString::Format(_("%s is open in another Trelkan window: the later save will "
                                                     "replace the other's changes.\nOpen it here as well?"),
                                                   path),
                                  wxString(), wxYES_NO | wxICON_WARNING) == wxYES;
    return true;
}

void CAutosave::OfferRecovery()
{
    // The slots not settled here stay locked until this call ends, then wait for the next start.
    std::vector<AutosaveSlot> abandoned = AutosaveSlot::ClaimAbandoned(FileSystemPath(m_folder));
    for (AutosaveSlot& slot : abandoned)
        if (Settle(slot))
            return;
}

bool CAutosave::Settle(AutosaveSlot& slot)
{
    const std::string copy = slot.CopyFile();
    const wxString levelPath = FromFileSystem(slot.LevelPath());
    bool missing = false;
    const std::optional<std::string> bytes = Bytes(copy, &missing);
    if (missing) { // its editor had nothing unsaved
        slot.Remove();
        return false;
    }
    std::string error;
    if (!bytes) {
        // Another user's copy, or one whose mode forbids reading: its changes may still matter.
        SetAside(slot, levelPath, wxString::FromUTF8(RegularFile(copy).Error()));
        return false;
    }
    if (!ReadLevelBuffer(bytes->data(), bytes->size(), error)) {
        SetAside(slot, levelPath, wxString::FromUTF8(error));
        return false;
    }
    if (!levelPath.empty() && Bytes(FileSystemPath(levelPath)) == bytes) {
        slot.Remove();
        return false;
    }
    if (ShowMessageBox(OfferText(FromFileSystem(copy), levelPath), wxString(), wxYES_NO | wxICON_QUESTION) != wxYES) {
        slot.Remove();
        return false;
    }
    return Recover(slot, levelPath);
}

bool CAutosave::Recover(AutosaveSlot& slot, const wxString& levelPath)
{
    // The copy's level belongs to its own file (or to none): it opens unsaved, as it was left.
    if (!m_manager.OpenDocumentFileAs(FromFileSystem(slot.CopyFile()), levelPath))
        return false;
    m_document.MarkChangedOutsideHistory();
    // The old copy goes only once this editor's own copy holds the changes.
    WriteIfDue();
    if (m_written)
        slot.Remove();
    return true;
}

void CAutosave::SetAside(AutosaveSlot& slot, const wxString& levelPath, const wxString& reason)
{
    const wxString copy = FromFileSystem(slot.CopyFile());
    const std::string moved = slot.SetAside(FileSystemPath(wxFileName(m_folder, SET_ASIDE).GetFullPath()));
    ShowMessageBox(wxString::Format(_("The autosave copy %s of %s is no readable level (%s).\nIt is kept as %s and "
                                      "will not be offered again."),
                                    copy, levelPath.empty() ? _("an untitled level") : levelPath, reason,
                                    moved.empty() ? copy : FromFileSystem(moved)),
                   wxString(), wxOK | wxICON_WARNING);
}
