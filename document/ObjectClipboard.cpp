#include "document/ObjectClipboard.h"

#include <cmath>

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include "document/CLevelMapDoc.h"
#include "document/NodeListCommand.h"
#include "document/ObjectNames.h"
#include "document/SelectionSteps.h"
#include "level/LevelGroupNode.h"
#include "level/LevelObject.h"
#include "level/LevelScene.h"
#include "level/ObjectText.h"
#include "scenegraph/NodeType.h"

namespace {

const char* const NOTHING_TO_PASTE = wxTRANSLATE("The clipboard holds no walls or items to paste.");
const char* const NONE_SOUND = wxTRANSLATE(
    "Nothing was pasted: the walls and items on the clipboard hold values that are no finite numbers or wall sizes "
    "that are not positive.");

// Empty when every object was pasted; otherwise says how many were left out and why.
wxString LeftOutStatus(std::size_t leftOut)
{
    if (leftOut == 0)
        return wxString();
    return wxString::Format(wxPLURAL("%u pasted object was left out: it holds a value that is no finite number "
                                     "or a wall size that is not positive.",
                                     "%u pasted objects were left out: each holds a value that is no finite number "
                                     "or a wall size that is not positive.",
                                     static_cast<unsigned>(leftOut)),
                            static_cast<unsigned>(leftOut));
}

// Opens the clipboard for the life of the object.
class OpenClipboard {
public:
    OpenClipboard() : m_open(wxTheClipboard->Open()) {}
    ~OpenClipboard()
    {
        if (m_open)
            wxTheClipboard->Close();
    }
    OpenClipboard(const OpenClipboard&) = delete;
    OpenClipboard& operator=(const OpenClipboard&) = delete;
    explicit operator bool() const { return m_open; }

private:
    bool m_open;
};

std::optional<std::string> ClipboardText()
{
    OpenClipboard clipboard;
    if (!clipboard || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT))
        return std::nullopt;
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data))
        return std::nullopt;
    return data.GetText().utf8_string();
}

float Offset(float from, float to, const PastePlace& place)
{
    const float delta = to - from;
    return place.snap ? std::round(delta / place.gridStep) * place.gridStep : delta;
}

ObjectPosition PasteOffset(const CSGNode& first, const PastePlace& place)
{
    const auto* object = dynamic_cast<const LevelObject*>(&first);
    if (!object || !place.pointer)
        return {place.gridStep, place.gridStep};
    return {Offset(object->x, place.pointer->x, place), Offset(object->z, place.pointer->z, place)};
}

std::string ObjectsTextOf(const CLevelMapDoc& document, const std::vector<CSGNode*>& nodes)
{
    return WriteObjectsText(nodes, [&](int row) { return document.PathOfRow(row); });
}

// Adds the objects at the end of the level group, moved by `offset`, as one step that selects them.
bool AddObjects(CLevelMapDoc& document, ObjectsText objects, const ObjectPosition& offset, const wxString& name)
{
    LevelGroupNode& group = *document.m_pScene->m_pLevelGroup;
    std::vector<NodeListCommand::Addition> additions;
    for (std::size_t i = 0; i < objects.objects.size(); ++i) {
        if (auto* object = dynamic_cast<LevelObject*>(objects.objects[i].get())) {
            object->x += offset.x;
            object->z += offset.z;
        }
        additions.push_back({&group, group.ChildCount() + i, std::move(objects.objects[i]),
                             std::move(objects.texturePaths[i])});
    }
    return document.Submit(NodeListCommand::Adding(document, name, std::move(additions)));
}

} // namespace

std::vector<CSGNode*> CopyableSelection(const CLevelMapDoc& document)
{
    std::vector<CSGNode*> nodes;
    for (CSGNode* node : document.m_selection.Nodes())
        if (IsCopyableObject(*node))
            nodes.push_back(node);
    return nodes;
}

bool CanCopySelection(const CLevelMapDoc& document)
{
    return !CopyableSelection(document).empty();
}

bool CopySelection(const CLevelMapDoc& document)
{
    const std::vector<CSGNode*> nodes = CopyableSelection(document);
    if (nodes.empty())
        return false;
    OpenClipboard clipboard;
    return clipboard && wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(ObjectsTextOf(document, nodes))));
}

bool CutSelection(CLevelMapDoc& document)
{
    document.CancelGesture();
    if (!CopySelection(document))
        return false;
    const std::vector<CSGNode*> nodes = CopyableSelection(document);
    return document.Submit(NodeListCommand::Removing(document, wxString::Format(_("Cut %s"), ObjectsName(nodes)), nodes));
}

bool DuplicateSelection(CLevelMapDoc& document, float gridStep)
{
    document.CancelGesture();
    const std::vector<CSGNode*> nodes = CopyableSelection(document);
    std::optional<ObjectsText> copies = ReadObjectsText(ObjectsTextOf(document, nodes));
    if (nodes.empty() || !copies || copies->objects.empty())
        return false;
    const wxString name = wxString::Format(_("Duplicate %s"), ObjectsName(nodes));
    return AddObjects(document, std::move(*copies), {gridStep, gridStep}, name);
}

wxString PasteObjects(CLevelMapDoc& document, const PastePlace& place)
{
    const std::optional<std::string> text = ClipboardText();
    std::optional<ObjectsText> pasted = text ? ReadObjectsText(*text) : std::nullopt;
    LevelGroupNode* group = document.m_pScene ? document.m_pScene->m_pLevelGroup : nullptr;
    if (!pasted || !group)
        return wxGetTranslation(NOTHING_TO_PASTE);
    if (pasted->objects.empty())
        return wxGetTranslation(NONE_SOUND);
    const ObjectPosition offset = PasteOffset(*pasted->objects.front(), place);
    const std::size_t leftOut = pasted->leftOut;
    AddObjects(document, std::move(*pasted), offset, _("Paste"));
    return LeftOutStatus(leftOut);
}
