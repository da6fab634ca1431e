// The Textures panel with real input at the window's first-run size: a double-click gives the
// selected walls an image in one step, a drag gives the floor one, and a replacement everywhere is
// one step whose undo puts back every object and the table's counts.
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <wx/glcanvas.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <X11/keysym.h>

#include "panels/CTexturePanel.h"
#include "panels/CTextureTiles.h"
#include "document/TextureChoiceCommand.h"
#include "level/CICubeMapNode.h"
#include "level/LevelFloor.h"
#include "level/TexturedObject.h"
#include "scenegraph/CSGGroup.h"
#include "tests/app/LevelEditing.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/document/TableRecount.h"

namespace {

const std::string WOOD = "../data/Textures/Walls/wood.tga";
const std::string BRICK = "../data/Textures/Walls/brick.jpg";
const std::string STONE = "../data/Textures/Floors/stone.jpg";

// The timer's steps send their input straight to the X server (SendPointerMove and the others).
using InputStep = std::function<void()>;

// Real input given step by step from a timer, so that it goes on inside the nested event loops
// of a drag or a popup menu, which hold the test's own code until they end. With `until`, the
// steps from `repeatFrom` on go round again until it holds: a nested loop that began late still
// gets the input that ends it.
class TimedInput {
public:
    explicit TimedInput(std::vector<InputStep> steps, std::function<bool()> until = {}, std::size_t repeatFrom = 0)
        : m_steps(std::move(steps)), m_until(std::move(until)), m_repeatFrom(repeatFrom)
    {
        m_timer.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            if (m_next == m_steps.size() && m_until && !m_until())
                m_next = m_repeatFrom;
            if (m_next < m_steps.size())
                m_steps[m_next++]();
            else
                m_timer.Stop();
        });
        m_timer.Start(80);
    }
    bool Done() const { return m_next == m_steps.size() && (!m_until || m_until()); }

private:
    std::vector<InputStep> m_steps;
    std::function<bool()> m_until;
    std::size_t m_repeatFrom;
    std::size_t m_next = 0;
    wxTimer m_timer;
};

class TexturePanelTest : public MainFrameTest {
protected:
    CTexturePanel& Panel() { return *frame->m_pTextures; }

    // The centre of a tile on the screen, once the panel shows it.
    wxPoint TileCentre(const std::string& path)
    {
        CTextureTiles& tiles = Panel().Tiles();
        EXPECT_TRUE(PumpUntil([&] { return !tiles.TileRect(path).IsEmpty(); })) << path;
        const wxRect rect = tiles.TileRect(path);
        return tiles.ClientToScreen(wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 3));
    }

    std::string PathShownBy(CSGNode& node) { return document->PathOfRow(MappingOf(node)->GetTextureID()); }

    // Every floor and wall with the row it shows.
    std::vector<std::pair<CSGNode*, int>> Rows()
    {
        std::vector<std::pair<CSGNode*, int>> rows;
        ForEachNode(document->m_pScene->Root(), [&](CSGNode& node) {
            if (const TextureMapping* mapping = MappingOf(node))
                rows.emplace_back(&node, mapping->GetTextureID());
        });
        return rows;
    }

    // What the tiles count against a recount of the level saved and read again; empty when
    // every tile agrees.
    std::string CountsMismatch()
    {
        TempFolder folder;
        std::string error;
        CLevelMapDoc saved;
        if (!document->WriteCopy(folder.File("saved.xml"), error) || !saved.OnOpenDocument(folder.File("saved.xml")))
            return "not saved and read: " + error;
        std::map<std::string, int> counted;
        for (const TextureEntry& row : saved.m_textures)
            counted[row.path] += row.refCount;
        PumpFor(100); // the panel counts again when idle
        for (const TileLook& look : Panel().Tiles().Looks())
            if (look.tile->kind == TileKind::Texture && look.users != counted[look.tile->path])
                return look.tile->path + " shows " + std::to_string(look.users) + " users of "
                       + std::to_string(counted[look.tile->path]);
        return {};
    }
};

TEST_F(TexturePanelTest, ADoubleClickGivesBothSelectedWallsTheImageInOneStep)
{
    AddWall(*document, 2.0f, 2.0f);
    AddWall(*document, -2.0f, -2.0f);
    const auto& children = document->m_pScene->m_pLevelGroup->Children();
    CSGNode* first = std::prev(children.end(), 2)->get();
    CSGNode* second = children.back().get();
    document->m_selection.Set({first, second});
    document->UpdateAllViews();

    wxUIActionSimulator input;
    input.MouseMove(TileCentre(WOOD));
    PumpFor(50);
    input.MouseDblClick();
    ASSERT_TRUE(PumpUntil([&] { return PathShownBy(*second) == WOOD; }));
    EXPECT_EQ(PathShownBy(*first), WOOD);
    EXPECT_EQ(TableMismatch(*document), "");

    ASSERT_TRUE(Command(StandardId::EditUndo));
    EXPECT_NE(PathShownBy(*first), WOOD);
    EXPECT_NE(PathShownBy(*second), WOOD);
    EXPECT_EQ(TableMismatch(*document), "");
}

TEST_F(TexturePanelTest, ADoubleClickOnASkyBoxTileSwitchesTheSkyBoxOnWithItsImagesInOneStep)
{
    const std::string sky = "../data/CubeMaps/Special/default.png";
    ASSERT_EQ(document->m_pScene->m_pCubeMap, nullptr);
    wxUIActionSimulator input;
    input.MouseMove(TileCentre(sky));
    PumpFor(50);
    input.MouseDblClick();
    ASSERT_TRUE(PumpUntil([&] { return document->m_pScene->m_pCubeMap != nullptr; }));
    EXPECT_EQ(document->m_pScene->m_pCubeMap->TextureBaseName, sky);
    ASSERT_TRUE(Command(StandardId::EditUndo));
    EXPECT_EQ(document->m_pScene->m_pCubeMap, nullptr);
}

TEST_F(TexturePanelTest, ATileDraggedOntoTheFloorGivesItTheImage)
{
    LevelFloor& floor = *document->m_pScene->m_pFloor;
    wxWindow& view = *frame->m_pEditView->GetCanvas();
    const wxPoint from = TileCentre(STONE);
    // Beside the start marker, which lies at the centre.
    const wxPoint to = view.ClientToScreen(wxPoint(view.GetClientSize().x * 2 / 5, view.GetClientSize().y * 3 / 5));
    std::vector<InputStep> steps{[&] { SendPointerMove(from); }, [] { SendButton(true); },
                                 [&] { SendPointerMove(from + wxPoint(12, 4)); },
                                 [&] { SendPointerMove((from + to) / 2); }, [&] { SendPointerMove(to); }};
    // Over the view, the floor that would take the image is outlined.
    const CSGNode* outlined = nullptr;
    steps.push_back([&] { outlined = frame->m_pEditView->DropTarget(); });
    // A release that reaches the panel before the drag has taken the pointer would leave the
    // drag waiting for one: moves and releases go on until the drop is done.
    const std::size_t release = steps.size();
    steps.push_back([&to] { SendPointerMove(to + wxPoint(1, 1)); });
    steps.push_back([] { SendButton(false); });
    steps.push_back([&to] { SendPointerMove(to); });
    TimedInput drag(std::move(steps), [&] { return PathShownBy(floor) == STONE; }, release);
    ASSERT_TRUE(PumpUntil([&] { return drag.Done(); }));
    EXPECT_EQ(outlined, &floor);
    EXPECT_EQ(frame->m_pEditView->DropTarget(), nullptr) << "the outline goes with the drop";
    EXPECT_EQ(TableMismatch(*document), "");
    ASSERT_TRUE(Command(StandardId::EditUndo));
    EXPECT_NE(PathShownBy(floor), STONE);
}

TEST_F(TexturePanelTest, ReplacingAnImageEverywhereIsOneStepThatUndoPutsBackWithItsCounts)
{
    for (float x : {-4.0f, 0.0f, 4.0f})
        AddWall(*document, x, 3.0f);
    std::vector<TextureMapping*> walls;
    for (const auto& child : document->m_pScene->m_pLevelGroup->Children())
        if (child->GetType() == WALL_NODE)
            walls.push_back(MappingOf(*child));
    ASSERT_TRUE(document->Submit(new TextureChoiceCommand(*document, walls, BRICK)));
    ASSERT_TRUE(document->Submit(new TextureChoiceCommand(*document, *document->m_pScene->m_pFloor, BRICK)));
    const auto rowsBefore = Rows();
    const std::vector<TextureEntry> tableBefore = document->m_textures;

    // The context menu's second entry, picked with the keys once the menu is open and holds the
    // loop.
    std::unique_ptr<TimedInput> keys;
    Panel().Tiles().Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
        keys = std::make_unique<TimedInput>(
            std::vector<InputStep>{[] { SendKeySym(XK_Down); }, [] { SendKeySym(XK_Down); }, [] { SendKeySym(XK_Return); }});
        event.Skip();
    });
    ClickAt(Panel().Tiles(), Panel().Tiles().ScreenToClient(TileCentre(BRICK)), 3);
    ASSERT_TRUE(PumpUntil([&] { return keys && keys->Done(); }));
    PumpFor(100);
    ClickAt(Panel().Tiles(), Panel().Tiles().ScreenToClient(TileCentre(WOOD)));
    ASSERT_TRUE(PumpUntil([&] { return PathShownBy(*document->m_pScene->m_pFloor) == WOOD; }));
    for (TextureMapping* wall : walls)
        EXPECT_EQ(document->PathOfRow(wall->GetTextureID()), WOOD);
    for (const TextureEntry& row : document->m_textures)
        EXPECT_FALSE(row.path == BRICK && row.refCount > 0);
    EXPECT_EQ(TableMismatch(*document), "");
    EXPECT_EQ(CountsMismatch(), "");
    // The tile under the pointer tells its new count at once, without a move.
    EXPECT_TRUE(PumpUntil([&] { return Panel().Tiles().GetToolTipText().Contains("Used by 4 walls or floors"); }))
        << Panel().Tiles().GetToolTipText();

    ASSERT_TRUE(Command(StandardId::EditUndo));
    EXPECT_EQ(Rows(), rowsBefore);
    EXPECT_EQ(document->m_textures, tableBefore);
    EXPECT_EQ(TableMismatch(*document), "");
    EXPECT_EQ(CountsMismatch(), "");
}

} // namespace
