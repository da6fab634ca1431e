#include "app/GameCommand.h"

#include <wx/cmdline.h>
#include <wx/confbase.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/translation.h>
#include <wx/utils.h>

namespace {

const char* const kProgram = "/Game/Program";
const char* const kArguments = "/Game/Arguments";
const char* const kFolder = "/Game/Folder";

} // namespace

GameCommand GameCommand::Load(const wxConfigBase& settings)
{
    GameCommand command;
    command.program = settings.Read(kProgram, wxString());
    command.arguments = settings.Read(kArguments, "%f");
    command.folder = settings.Read(kFolder, wxString());
    return command;
}

void GameCommand::Store(wxConfigBase& settings) const
{
    settings.Write(kProgram, program);
    settings.Write(kArguments, arguments);
    settings.Write(kFolder, folder);
    settings.Flush();
}

std::vector<wxString> GameCommand::ArgumentsFor(const wxString& levelPath) const
{
    const wxFileName level(levelPath);
    std::vector<wxString> words;
    for (wxString word : wxCmdLineParser::ConvertStringToArgs(arguments, wxCMD_LINE_SPLIT_UNIX)) {
        word.Replace("%f", level.GetFullPath());
        word.Replace("%d", level.GetPath());
        word.Replace("%n", level.GetName());
        words.push_back(word);
    }
    return words;
}

wxString GameCommand::WorkingFolder(const wxString& levelPath) const
{
    return folder.empty() ? wxFileName(levelPath).GetPath() : folder;
}

bool GameCommand::FindProgram(wxString& path, wxString& reason) const
{
    if (program.empty()) {
        reason = _("no game program is set (Edit > Preferences > Game)");
        return false;
    }
    if (program.Contains("/")) {
        path = program;
    } else {
        wxPathList folders;
        folders.AddEnvList("PATH");
        path = folders.FindAbsoluteValidPath(program);
        if (path.empty()) {
            reason = wxString::Format(_("\"%s\" is not found in any folder of PATH"), program);
            return false;
        }
    }
    if (!wxFileName::FileExists(path)) {
        reason = wxString::Format(_("\"%s\" does not exist"), path);
        return false;
    }
    if (!wxFileName::IsFileExecutable(path)) {
        reason = wxString::Format(_("\"%s\" is not an executable program"), path);
        return false;
    }
    return true;
}
