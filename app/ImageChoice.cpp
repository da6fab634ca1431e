#include "app/ImageChoice.h"

#include <wx/defs.h>
#include <wx/filefn.h>

#include "app/ChosenPaths.h"
#include "document/CLevelMapDoc.h"
#include "document/TextureChoiceCommand.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"

const char* const TEXTURE_FILE_FILTER = "File di immagine (*.jpg;*.tga)|*.jpg;*.tga||";
const char* const CUBE_MAP_FILE_FILTER = "File di immagine (*.jpg;*.png)|*.jpg;*.png||";

namespace {

const char* const TABLE_FULL_MESSAGE =
    "The level already uses as many texture images as it can hold! Choose an image that the "
    "level already uses, or free one first.";

void ShowWarning(const char* text)
{
    ShowMessageBox(wxString::FromUTF8(text), wxString(), wxOK | wxICON_EXCLAMATION);
}

// The resources end a filter list with "||"; the toolkit takes only the pairs.
wxString ToolkitFilter(const char* filter)
{
    wxString text = wxString::FromUTF8(filter);
    while (text.EndsWith("|"))
        text.RemoveLast();
    return text;
}

} // namespace

std::optional<std::string> ChooseImageFile(wxWindow* owner, const char* filter)
{
    FileDialogRequest request;
    request.filter = ToolkitFilter(filter);
    request.defaultExt = "jpg";
    request.parent = owner;
    const std::optional<wxString> chosen = ShowFileDialog(request);
    if (!chosen)
        return std::nullopt;
    std::string path = PortablePath(chosen->utf8_string(), wxGetCwd().utf8_string());
    if (!IsStorablePath(path)) {
        ShowWarning(QUOTED_PATH_MESSAGE);
        return std::nullopt;
    }
    return path;
}

bool AssignImage(CLevelMapDoc& document, TextureMapping& mapping, const std::string& path)
{
    if (document.Submit(new TextureChoiceCommand(document, mapping, path)))
        return true;
    ShowWarning(TABLE_FULL_MESSAGE);
    return false;
}

const std::string& TexturePath(const TextureTable& table, int textureId)
{
    static const std::string none;
    if (textureId < 0 || textureId >= static_cast<int>(table.m_textures.size()))
        return none;
    return table.m_textures[static_cast<std::size_t>(textureId)].path;
}
