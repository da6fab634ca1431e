#include "framework/FileDialog.h"

#include "framework/CWinApp.h"
#include "framework/MessageBox.h"

#include <utility>

#include <wx/config.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace {

FileDialogHook& CurrentHook()
{
    static FileDialogHook hook;
    return hook;
}

// Puts the current directory back when the dialog is gone, whatever the toolkit did with it.
class CurrentDirectoryGuard {
public:
    CurrentDirectoryGuard() : m_dir(wxGetCwd()) {}
    ~CurrentDirectoryGuard()
    {
        if (wxGetCwd() != m_dir)
            wxSetWorkingDirectory(m_dir);
    }
    CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
    CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

private:
    wxString m_dir;
};

wxString StartFolder(const FileDialogRequest& request)
{
    wxString remembered;
    if (wxConfigBase* settings = CurrentAppSettings(); settings && !request.folderKey.empty())
        remembered = settings->Read(request.folderKey, wxString());
    for (const wxString& folder : {request.currentFolder, remembered, request.defaultFolder}) {
        wxFileName name = wxFileName::DirName(folder);
        if (!folder.empty() && name.MakeAbsolute() && name.DirExists())
            return name.GetPath();
    }
    return wxString();
}

void RememberFolder(const FileDialogRequest& request, const wxString& chosen)
{
    wxConfigBase* settings = CurrentAppSettings();
    if (!settings || request.folderKey.empty())
        return;
    wxFileName file = request.folder ? wxFileName::DirName(chosen) : wxFileName(chosen);
    file.MakeAbsolute();
    settings->Write(request.folderKey, file.GetPath());
    settings->Flush();
}

wxString WithDefaultExtension(const wxString& path, const wxString& ext)
{
    wxFileName name(path);
    if (!ext.empty() && !name.HasExt())
        name.SetExt(ext);
    return name.GetFullPath();
}

std::optional<wxString> RunFolderDialog(const FileDialogRequest& request)
{
    wxString message = request.message.empty() ? wxString(wxDirSelectorPromptStr) : request.message;
    wxDirDialog dialog(request.parent, message, request.startFolder, wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.GetPath();
}

std::optional<wxString> RunDialog(const FileDialogRequest& request)
{
    if (request.folder)
        return RunFolderDialog(request);
    // wxFD_CHANGE_DIR is never set: the current directory must stay where it is.
    long style = request.save ? (wxFD_SAVE | wxFD_OVERWRITE_PROMPT) : (wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    wxString message = request.message.empty() ? wxString(wxFileSelectorPromptStr) : request.message;
    wxFileDialog dialog(request.parent, message, request.startFolder, request.defaultName, request.filter,
                        style);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return dialog.GetPath();
}

} // namespace

std::optional<wxString> ShowFileDialog(const FileDialogRequest& request)
{
    CurrentDirectoryGuard keepDirectory;
    FileDialogRequest started = request;
    started.startFolder = StartFolder(request);
    std::optional<wxString> chosen = CurrentHook() ? CurrentHook()(started) : RunDialog(started);
    if (!chosen)
        return chosen;
    RememberFolder(request, *chosen);
    if (!request.save)
        return chosen;
    wxString path = WithDefaultExtension(*chosen, request.defaultExt);
    // The dialog's own overwrite prompt saw the name without the added extension.
    if (path != *chosen && wxFileExists(path)) {
        wxString question = wxString::Format(_("%s already exists.\nDo you want to replace it?"), path);
        if (ShowMessageBox(question, wxString(), wxYES_NO | wxICON_EXCLAMATION) != wxYES)
            return std::nullopt;
    }
    return path;
}

FileDialogHook SetFileDialogHook(FileDialogHook hook)
{
    return std::exchange(CurrentHook(), std::move(hook));
}
