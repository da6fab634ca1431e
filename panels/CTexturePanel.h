#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <wx/bitmap.h>
#include <wx/panel.h>

#include "textures/TileCatalogue.h"
#include "textures/TileUsage.h"

class CGLView;
class CLevelMapDoc;
class CSGNode;
class CTextureTiles;
class ThumbnailLoader;
class wxCheckBox;
class wxChoice;
class wxStaticText;
class wxTextCtrl;

// The Textures panel: the images below ../data/Textures by folder, the sky boxes below
// ../data/CubeMaps and the level's other images, as tiles with their thumbnails, filtered by the
// words typed, sorted by name or use, optionally only those the level uses. Each tile counts the
// walls and floors that show it; the images of the selection are framed. A double-click gives the
// selected walls (or the floor) the image, a drag gives it to the wall or floor it is dropped on,
// and a sky-box tile sets the sky box, each as one step. The context menu selects the objects
// that show an image, or replaces it everywhere with the tile clicked next.
class CTexturePanel : public wxPanel {
public:
    // Thumbnails go to `thumbnailFolder`; the tiles come from the two image folders.
    CTexturePanel(wxWindow* parent, CLevelMapDoc& document, std::string thumbnailFolder,
                  const std::string& texturesFolder = TileCatalogue::TEXTURES_FOLDER,
                  const std::string& cubeMapsFolder = TileCatalogue::CUBE_MAPS_FOLDER);
    ~CTexturePanel() override;

    // Drops of tiles on the view's canvas give the object under them the image; `time` is the
    // animation time the view draws at.
    void AcceptDropsOn(CGLView& view, std::function<float()> time);
    // The level was replaced (New, Open): its own images change.
    void LevelReplaced() { m_seenChange = ~0ul; }

    CTextureTiles& Tiles() const { return *m_tiles; }
    wxTextCtrl& Filter() const { return *m_filter; }

private:
    struct Picture {
        wxBitmap bitmap;
        wxString size;
        std::string failure;
    };

    void CreateControls();
    // The tiles' actions.
    void Apply(const Tile& tile);
    bool Drop(CSGNode* hit, const std::string& path);
    // Whether the tile would go to the object (null: none) it is dropped on.
    bool Takes(const Tile& tile, CSGNode* hit) const;
    void SelectUsers(const Tile& tile);
    // The next tile clicked replaces this one everywhere; Escape cancels.
    void StartReplacing(const Tile& tile);
    // Counts the level's use of the images again after a change or a new selection.
    void SyncWithLevel();
    TileUsage CountUsage() const;
    void ShowTiles();
    wxString HoverText(const Tile& tile, const Picture* picture, int users) const;
    void RequestPictures();
    void TakePictures();
    void OnTileClick(const Tile& tile);
    void ShowMenu(const Tile& tile, const wxPoint& where);
    void StopReplacing();
    void SetSkyBox(const std::string& baseName);
    void StartDrag(const Tile& tile);

    CLevelMapDoc& m_document;
    TileCatalogue m_catalogue;
    TileUsage m_usage;
    std::map<std::string, Picture> m_pictures; // by image path
    std::set<std::string> m_requested;
    std::unique_ptr<ThumbnailLoader> m_loader;
    unsigned long m_seenChange = ~0ul;
    std::vector<CSGNode*> m_seenSelection;
    std::string m_replacing; // the image being replaced; empty while none is
    std::string m_dragged;   // the tile being dragged; empty while none is

    wxTextCtrl* m_filter = nullptr;
    wxChoice* m_sort = nullptr;
    wxCheckBox* m_usedOnly = nullptr;
    wxStaticText* m_prompt = nullptr;
    CTextureTiles* m_tiles = nullptr;
};
