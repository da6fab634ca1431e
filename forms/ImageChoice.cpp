#include "forms/ImageChoice.h"

#include <algorithm>

#include <wx/defs.h>
#include <wx/filefn.h>

#include "forms/ChosenPaths.h"
#include "document/CLevelMapDoc.h"
#include "document/TextureChoiceCommand.h"
#include "framework/FileDialog.h"
#include "framework/MessageBox.h"

namespace {

const char* const TABLE_FULL_MESSAGE = wxTRANSLATE(
    "The level already uses as many texture images as it can hold! Choose an image that the "
    "level already uses, or free one first.");

void ShowWarning(const char* text)
{
    ShowMessageBox(wxGetTranslation(text), wxString(), wxOK | wxICON_EXCLAMATION);
}

} // namespace

std::optional<std::string> ChooseImageFile(wxWindow* owner, ImageKind kind)
{
    const bool texture = kind == ImageKind::Texture;
    FileDialogRequest request;
    request.filter = _("Image files (*.jpg;*.jpeg;*.png;*.tga)|*.jpg;*.jpeg;*.png;*.tga");
    request.defaultExt = "jpg";
    request.folderKey = texture ? "/Folders/Textures" : "/Folders/CubeMaps";
    request.defaultFolder = texture ? "../data/Textures" : "../data/CubeMaps";
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

bool AssignImage(CLevelMapDoc& document, const std::vector<TextureMapping*>& mappings, const std::string& path)
{
    // A choice of the image the mappings show already is no step, and no warning either.
    if (document.Submit(new TextureChoiceCommand(document, mappings, path))
        || std::all_of(mappings.begin(), mappings.end(), [&document, &path](const TextureMapping* mapping) {
               return TextureChoiceCommand::ShowsAlready(document, *mapping, path);
           }))
        return true;
    WarnTableFull();
    return false;
}

bool AssignImage(CLevelMapDoc& document, TextureMapping& mapping, const std::string& path)
{
    return AssignImage(document, std::vector<TextureMapping*>{&mapping}, path);
}

void WarnTableFull()
{
    ShowWarning(TABLE_FULL_MESSAGE);
}
