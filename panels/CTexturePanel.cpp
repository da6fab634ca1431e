#include "panels/CTexturePanel.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dnd.h>
#include <wx/menu.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/glcanvas.h>

#include "panels/CTextureTiles.h"
#include "forms/ImageChoice.h"
#include "panels/ThumbnailLoader.h"
#include "document/CLevelMapDoc.h"
#include "document/ReplaceImageCommand.h"
#include "document/SkyBoxSwitchCommand.h"
#include "document/ValueCommand.h"
#include "framework/MessageBox.h"
#include "level/CICubeMapNode.h"
#include "level/LevelScene.h"
#include "level/TexturedObject.h"
#include "scenegraph/NodeType.h"
#include "views/CGLView.h"
#include "views/TextureDropTarget.h"

namespace {

// The sort choices, in the order the choice lists them.
const char* const SORT_NAMES[] = {wxTRANSLATE("Sort by name"), wxTRANSLATE("Sort by use")};
const TileSort SORTS[] = {TileSort::Name, TileSort::Use};
// The headings of the fixed groups; the others are the folders' own names.
struct GroupHeading {
    const char* group;
    const char* heading;
};
const GroupHeading GROUP_HEADINGS[] = {{TileCatalogue::SKY_BOX_GROUP, wxTRANSLATE("Sky boxes")},
                                       {TileCatalogue::ELSEWHERE_GROUP, wxTRANSLATE("Elsewhere")}};

wxString HeadingOf(const std::string& group)
{
    for (const GroupHeading& fixed : GROUP_HEADINGS)
        if (group == fixed.group)
            return wxGetTranslation(fixed.heading);
    return wxString::FromUTF8(group);
}

enum MenuCommand { SELECT_USERS = wxID_HIGHEST + 1, REPLACE_EVERYWHERE };

wxDEFINE_EVENT(EVT_THUMBNAILS, wxThreadEvent);

const char* const SELECT_FIRST_MESSAGE = wxTRANSLATE("Select the walls or the floor to give the image to first.");

} // namespace

CTexturePanel::CTexturePanel(wxWindow* parent, CLevelMapDoc& document, std::string thumbnailFolder,
                             const std::string& texturesFolder, const std::string& cubeMapsFolder)
    : wxPanel(parent, wxID_ANY), m_document(document)
{
    CreateControls();
    m_loader = std::make_unique<ThumbnailLoader>(ThumbnailCache(std::move(thumbnailFolder)),
                                                 unsigned(FromDIP(CTextureTiles::PICTURE)),
                                                 [this] { wxQueueEvent(this, new wxThreadEvent(EVT_THUMBNAILS)); });
    Bind(EVT_THUMBNAILS, [this](wxThreadEvent&) { TakePictures(); });
    Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
        event.Skip();
        SyncWithLevel();
    });
    m_catalogue.Scan(texturesFolder, cubeMapsFolder);
    SyncWithLevel();
}

CTexturePanel::~CTexturePanel() = default;

void CTexturePanel::CreateControls()
{
    m_filter = new wxTextCtrl(this, wxID_ANY);
    m_filter->SetHint(_("Filter: words in the path"));
    m_sort = new wxChoice(this, wxID_ANY);
    for (const char* name : SORT_NAMES)
        m_sort->Append(wxGetTranslation(name));
    m_sort->SetSelection(0);
    m_usedOnly = new wxCheckBox(this, wxID_ANY, _("Used in this level"));
    m_prompt = new wxStaticText(this, wxID_ANY, wxString());
    m_prompt->Hide();
    m_tiles = new CTextureTiles(this);

    auto* options = new wxBoxSizer(wxHORIZONTAL);
    options->Add(m_sort, 0, wxRIGHT | wxALIGN_CENTRE_VERTICAL, FromDIP(6));
    options->Add(m_usedOnly, 0, wxALIGN_CENTRE_VERTICAL);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(m_filter, 0, wxEXPAND | wxALL, FromDIP(3));
    column->Add(options, 0, wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(3));
    column->Add(m_prompt, 0, wxEXPAND | wxALL, FromDIP(3));
    column->Add(m_tiles, 1, wxEXPAND);
    SetSizer(column);

    m_filter->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ShowTiles(); });
    m_sort->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ShowTiles(); });
    m_usedOnly->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { ShowTiles(); });
    m_tiles->m_onActivate = [this](const Tile& tile) { Apply(tile); };
    m_tiles->m_onClick = [this](const Tile& tile) { OnTileClick(tile); };
    m_tiles->m_onDrag = [this](const Tile& tile) { StartDrag(tile); };
    m_tiles->m_onMenu = [this](const Tile& tile, const wxPoint& where) { ShowMenu(tile, where); };
    m_tiles->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE && !m_replacing.empty())
            StopReplacing();
        else
            event.Skip();
    });
}

void CTexturePanel::AcceptDropsOn(CGLView& view, std::function<float()> time)
{
    view.GetCanvas()->SetDropTarget(new TextureDropTarget(
        view, std::move(time),
        [this](CSGNode* hit) {
            const Tile* tile = m_catalogue.Find(m_dragged);
            return tile && Takes(*tile, hit);
        },
        [this](CSGNode* hit, const std::string& path) { return Drop(hit, path); }));
}

void CTexturePanel::SyncWithLevel()
{
    if (!m_document.m_pScene)
        return;
    if (m_seenChange == m_document.m_changeCount && m_seenSelection == m_document.m_selection.Nodes())
        return;
    m_seenChange = m_document.m_changeCount;
    m_seenSelection = m_document.m_selection.Nodes();
    std::vector<std::string> paths;
    for (const TextureEntry& row : m_document.m_textures)
        if (row.refCount > 0)
            paths.push_back(row.path);
    const CICubeMapNode* skyBox = m_document.m_pScene->m_pCubeMap;
    const bool newImages = m_catalogue.SetLevelImages(paths, skyBox ? skyBox->TextureBaseName : std::string());
    TileUsage usage = CountUsage();
    if (!newImages && usage == m_usage && !m_tiles->Looks().empty())
        return;
    m_usage = std::move(usage);
    RequestPictures();
    ShowTiles();
}

TileUsage CTexturePanel::CountUsage() const
{
    TileUsage usage;
    for (const TextureEntry& row : m_document.m_textures)
        usage.Count(row.path, row.refCount);
    if (const CICubeMapNode* skyBox = m_document.m_pScene->m_pCubeMap)
        usage.Count(skyBox->TextureBaseName, 1);
    for (CSGNode* node : m_document.m_selection.Nodes())
        if (const TextureMapping* mapping = MappingOf(*node))
            usage.Frame(m_document.PathOfRow(mapping->GetTextureID()));
    return usage;
}

void CTexturePanel::ShowTiles()
{
    const TileQuery query{WordFilter(m_filter->GetValue().utf8_string()), SORTS[std::max(0, m_sort->GetSelection())],
                          m_usedOnly->GetValue()};
    const std::vector<Tile>& tiles = m_catalogue.Tiles();
    std::vector<TileLook> looks;
    for (std::size_t index : ShownTiles(tiles, query, m_usage)) {
        const Tile& tile = tiles[index];
        const auto found = m_pictures.find(tile.image);
        const Picture* picture = found == m_pictures.end() ? nullptr : &found->second;
        const int users = m_usage.Users(tile.path);
        looks.push_back({&tile, HeadingOf(tile.group), picture ? &picture->bitmap : nullptr, HoverText(tile, picture, users), users,
                         picture && !picture->failure.empty(), m_usage.Framed(tile.path)});
    }
    m_tiles->Show(std::move(looks));
}

wxString CTexturePanel::HoverText(const Tile& tile, const Picture* picture, int users) const
{
    wxString text = wxString::FromUTF8(tile.path);
    if (picture && !picture->failure.empty())
        text += "\n" + wxString::Format(_("Not shown: %s"), wxString::FromUTF8(picture->failure));
    else if (picture)
        text += "\n" + picture->size;
    if (tile.kind == TileKind::Texture)
        text += "\n" + wxString::Format(wxPLURAL("Used by %d wall or floor", "Used by %d walls or floors", users), users);
    return text;
}

void CTexturePanel::RequestPictures()
{
    for (const Tile& tile : m_catalogue.Tiles())
        if (m_requested.insert(tile.image).second)
            m_loader->Request(tile.image);
}

void CTexturePanel::TakePictures()
{
    for (ThumbnailLoader::Result& result : m_loader->TakeResults()) {
        Picture& picture = m_pictures[result.imagePath];
        const ThumbnailCache::Thumbnail& thumbnail = result.thumbnail;
        picture.failure = thumbnail.failure;
        picture.size = wxString::Format(_("%u × %u pixels"), thumbnail.imageWidth, thumbnail.imageHeight);
        const RgbaPicture& pixels = thumbnail.picture;
        if (pixels.pixels.empty())
            continue;
        picture.bitmap = wxBitmap(ImageOf(pixels));
    }
    ShowTiles();
}

void CTexturePanel::Apply(const Tile& tile)
{
    m_document.CancelGesture();
    if (tile.kind == TileKind::SkyBox) {
        SetSkyBox(tile.path);
        return;
    }
    std::vector<TextureMapping*> mappings;
    for (CSGNode* node : m_document.m_selection.Nodes())
        if (TextureMapping* mapping = MappingOf(*node))
            mappings.push_back(mapping);
    if (mappings.empty())
        ShowMessageBox(wxGetTranslation(SELECT_FIRST_MESSAGE), wxString(), wxOK | wxICON_INFORMATION);
    else
        AssignImage(m_document, mappings, tile.path);
}

bool CTexturePanel::Takes(const Tile& tile, CSGNode* hit) const
{
    // A sky box goes to the level wherever it is dropped, an image only to a wall or the floor.
    return tile.kind == TileKind::SkyBox || (hit && MappingOf(*hit));
}

bool CTexturePanel::Drop(CSGNode* hit, const std::string& path)
{
    const Tile* tile = m_catalogue.Find(path);
    if (!tile || !Takes(*tile, hit))
        return false;
    TextureMapping* mapping = hit ? MappingOf(*hit) : nullptr;
    m_document.CancelGesture();
    if (tile->kind == TileKind::SkyBox)
        SetSkyBox(path);
    else
        AssignImage(m_document, *mapping, path);
    return true;
}

void CTexturePanel::SetSkyBox(const std::string& baseName)
{
    LevelScene& scene = *m_document.m_pScene;
    if (!scene.m_pCubeMap)
        m_document.Submit(new SkyBoxSwitchCommand(m_document, true, baseName));
    else
        m_document.Submit(new ValueCommand<LevelScene, SkyBoxImage>(m_document, _("Choose Sky Box"), scene,
                                                                    {scene.m_pCubeMap->TextureBaseName}, {baseName}));
}

void CTexturePanel::SelectUsers(const Tile& tile)
{
    std::vector<CSGNode*> walls, floors;
    for (TextureMapping* mapping : ReplaceImageCommand::MappingsShowing(m_document, tile.path))
        if (auto* node = dynamic_cast<CSGNode*>(mapping))
            (node->GetType() == LEVEL_FLOOR_NODE ? floors : walls).push_back(node);
    // The floor is never selected with others.
    m_document.m_selection.Set(walls.empty() ? floors : walls);
    m_document.UpdateAllViews();
}

void CTexturePanel::ShowMenu(const Tile& tile, const wxPoint& where)
{
    wxMenu menu;
    menu.Append(SELECT_USERS, _("Select Objects Using This"));
    menu.Append(REPLACE_EVERYWHERE, _("Replace Everywhere With..."));
    const bool texture = tile.kind == TileKind::Texture;
    menu.Enable(SELECT_USERS, texture && m_usage.Users(tile.path) > 0);
    menu.Enable(REPLACE_EVERYWHERE, texture && m_usage.Users(tile.path) > 0);
    const int chosen = m_tiles->GetPopupMenuSelectionFromUser(menu, where);
    if (chosen == SELECT_USERS)
        SelectUsers(tile);
    else if (chosen == REPLACE_EVERYWHERE)
        StartReplacing(tile);
}

void CTexturePanel::StartReplacing(const Tile& tile)
{
    m_replacing = tile.path;
    m_prompt->SetLabel(wxString::Format(_("Click the image to put in place of %s everywhere (Escape cancels)."),
                                        wxString::FromUTF8(tile.name)));
    m_prompt->Wrap(std::max(100, GetClientSize().x - FromDIP(6)));
    m_prompt->Show();
    Layout();
    m_tiles->SetFocus();
}

void CTexturePanel::StopReplacing()
{
    m_replacing.clear();
    m_prompt->Hide();
    Layout();
}

void CTexturePanel::OnTileClick(const Tile& tile)
{
    if (m_replacing.empty())
        return;
    const std::string from = m_replacing;
    StopReplacing();
    if (tile.kind != TileKind::Texture || tile.path == from)
        return;
    m_document.CancelGesture();
    // With the first image still in use, the one way to fail: the new image needs a row of its own
    // and the table is full.
    const bool used = !ReplaceImageCommand::MappingsShowing(m_document, from).empty();
    if (!m_document.Submit(new ReplaceImageCommand(m_document, from, tile.path)) && used)
        WarnTableFull();
}

void CTexturePanel::StartDrag(const Tile& tile)
{
    const std::unique_ptr<wxDataObject> data(TextureDropTarget::DataOf(tile.path));
    // The tile's picture goes with the pointer.
    wxIcon picture;
    if (const auto found = m_pictures.find(tile.image); found != m_pictures.end() && found->second.bitmap.IsOk())
        picture.CopyFromBitmap(found->second.bitmap);
    wxDropSource source(*data, m_tiles, picture, picture, picture);
    m_dragged = tile.path;
    source.DoDragDrop(wxDrag_CopyOnly);
    m_dragged.clear();
}
