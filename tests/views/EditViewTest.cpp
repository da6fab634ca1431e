// The edit view in the real main frame, driven by real mouse input.
#include "level/Item.h"
#include "level/Wall.h"
#include "tests/views/ViewFixture.h"

namespace {

class EditViewTest : public ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        if (HasFatalFailure())
            return;
        // Close enough that one pixel is a small part of a grid step.
        edit->m_zoom = 0.12f;
        Redraw();
    }

    Wall* AddWall(float x, float z, float width, float depth)
    {
        auto* wall = new Wall(x, z, width, depth);
        LevelGroup().AppendChild(wall);
        document->UpdateAllViews(nullptr);
        Redraw();
        return wall;
    }

    bool Captured() const { return edit->GetCanvas()->HasCapture(); }
};

TEST_F(EditViewTest, WallDraggedOutBetweenSnappedCorners)
{
    ASSERT_TRUE(Command(ID_MODE_CREATE_WALL));
    const std::size_t children = LevelGroup().ChildCount();
    const int noTextureUsers = document->m_textures[0].refCount;
    MoveToLevel(3.1, 4.9); // nearest corner (3, 5)
    Press();
    EXPECT_EQ(Status(), "New wall from (3, 5)");
    ASSERT_EQ(LevelGroup().ChildCount(), children + 1);
    auto* wall = dynamic_cast<Wall*>(document->SelectedNode());
    ASSERT_NE(wall, nullptr);
    EXPECT_EQ(LevelGroup().GetChild(static_cast<unsigned>(children)), wall);
    EXPECT_TRUE(wall->selected);
    EXPECT_EQ(wall->Width, 0.0f);
    EXPECT_TRUE(Captured());

    MoveToLevel(8.2, 5.8); // corner (8, 6)
    EXPECT_FLOAT_EQ(wall->Width, 5.0f);
    EXPECT_FLOAT_EQ(wall->x, 5.5f);
    EXPECT_FLOAT_EQ(wall->Depth, 1.0f);
    EXPECT_FLOAT_EQ(wall->z, 5.5f);
    EXPECT_FALSE(document->IsModified());

    // Closer than a grid step to the left of the start: one step to the right of it instead.
    MoveToLevel(3.1, 8.9); // corner (3, 9)
    EXPECT_FLOAT_EQ(wall->Width, 1.0f);
    EXPECT_FLOAT_EQ(wall->x, 3.5f);
    EXPECT_FLOAT_EQ(wall->Depth, 4.0f);
    EXPECT_FLOAT_EQ(wall->z, 7.0f);

    Release();
    EXPECT_FALSE(Captured());
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(document->m_textures[0].refCount, noTextureUsers + 1);
    EXPECT_EQ(document->SelectedNode(), wall);
    // The size as it was last drawn.
    EXPECT_EQ(Status(), wxString::FromUTF8("New wall 1.00 \u00D7 4.00"));
}

TEST_F(EditViewTest, PressAndReleaseWithoutMoveLeavesNoWallAndNoStep)
{
    ASSERT_TRUE(Command(ID_MODE_CREATE_WALL));
    const std::size_t children = LevelGroup().ChildCount();
    const int noTextureUsers = document->m_textures[0].refCount;
    MoveToLevel(-4.2, 1.1);
    Press();
    EXPECT_EQ(LevelGroup().ChildCount(), children + 1);
    Release();
    EXPECT_EQ(LevelGroup().ChildCount(), children);
    EXPECT_EQ(document->SelectedNode(), nullptr);
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(document->m_textures[0].refCount, noTextureUsers);
    EXPECT_FALSE(Captured());
}

TEST_F(EditViewTest, ItemInsertedAtTheCellCentreThenBackToSelect)
{
    ASSERT_TRUE(Command(ID_GRID_SIZE_2));
    EXPECT_EQ(edit->m_gridSize, 2);
    ASSERT_TRUE(Command(ID_INSERT_SPECIAL_ITEM));
    const std::size_t children = LevelGroup().ChildCount();
    MoveToLevel(3.1, -0.4);
    Press();
    Release();
    ASSERT_EQ(LevelGroup().ChildCount(), children + 1);
    auto* item = dynamic_cast<Item*>(LevelGroup().GetChild(static_cast<unsigned>(children)));
    ASSERT_NE(item, nullptr);
    EXPECT_FLOAT_EQ(item->x, 3.0f);
    EXPECT_FLOAT_EQ(item->z, -1.0f);
    EXPECT_EQ(item->y, 0.0f);
    EXPECT_EQ(item->ItemTypeID, ITEM_LIFE_EXTRA);
    EXPECT_EQ(document->SelectedNode(), item);
    EXPECT_EQ(Status(), "Inserted Item \"Extra life\" at (3, -1)");
    EXPECT_EQ(edit->m_mode, CEditGLView::MODE_SELECT);
    EXPECT_FALSE(Captured());
    EXPECT_TRUE(document->IsModified());
    // The preview's next frame gives the item its display lists and sphere map.
    Redraw();
    EXPECT_FALSE(item->m_listsNeeded);

    // The next click selects: no second item.
    MoveToLevel(-7.0, 5.0);
    Press();
    Release();
    EXPECT_EQ(LevelGroup().ChildCount(), children + 1);
    EXPECT_NE(document->SelectedNode(), item);
}

TEST_F(EditViewTest, ItemLandsOnTheUnprojectedPointWithoutSnapping)
{
    ASSERT_TRUE(Command(ID_GRID_SNAP));
    EXPECT_FALSE(edit->m_snapToGrid);
    ASSERT_TRUE(Command(ID_INSERT_SPECIAL_ITEM));
    MoveToLevel(3.1, -0.4);
    const wxPoint pixel = EditPixel(3.1, -0.4);
    const LevelPoint expected = edit->UnprojectPoint(pixel.x, pixel.y);
    Press();
    Release();
    auto* item = dynamic_cast<Item*>(document->SelectedNode());
    ASSERT_NE(item, nullptr);
    EXPECT_FLOAT_EQ(item->x, static_cast<float>(expected.x));
    EXPECT_FLOAT_EQ(item->z, static_cast<float>(expected.z));
    EXPECT_NEAR(item->x, 3.1, 0.05);
}

TEST_F(EditViewTest, ClickSelectsSayingWhatAndWhereAndAMissDeselects)
{
    Wall* wall = AddWall(-5.0f, -3.0f, 2.0f, 2.0f); // the level group's child 2
    MoveToLevel(-5.0, -3.0);
    Press();
    Release();
    EXPECT_EQ(document->SelectedNode(), wall);
    EXPECT_TRUE(wall->selected);
    EXPECT_EQ(Status(), wxString::FromUTF8("Wall at (-5, -3), 2 \u00D7 2"));
    EXPECT_FALSE(Captured());

    // Outside the floor nothing is drawn: the selection goes, and so does what the pick said.
    edit->m_zoom = 0.05f;
    Redraw();
    MoveToLevel(-14.0, -2.0);
    Press();
    Release();
    EXPECT_EQ(document->SelectedNode(), nullptr);
    EXPECT_FALSE(wall->selected);
    EXPECT_EQ(Status(), "Ready");
}

TEST_F(EditViewTest, APressOnAnObjectDragsItsNearestCornerOntoTheGrid)
{
    ASSERT_TRUE(Command(ID_GRID_SIZE_5));
    Wall* wall = AddWall(-6.7f, 1.0f, 2.0f, 2.0f); // from (-7.7, 0) to (-5.7, 2)
    MoveToLevel(-6.5, 1.2);                       // nearest corner (-5.7, 2)
    Press(); // on an object: selected and dragged at once
    ASSERT_EQ(document->SelectedNode(), wall);
    EXPECT_EQ(edit->RunningGesture(), EditGesture::Kind::Drag);
    EXPECT_EQ(Status(), "Dragging...");
    EXPECT_TRUE(Captured());

    // The corner goes to the grid corner nearest to where the pointer takes it.
    MoveToLevel(-6.5 + 2.4, 1.2);
    EXPECT_FLOAT_EQ(wall->x, -6.0f);
    EXPECT_FLOAT_EQ(wall->z, -1.0f);
    MoveToLevel(-6.5 + 6.0, 1.2 + 3.5);
    EXPECT_FLOAT_EQ(wall->x, -1.0f);
    EXPECT_FLOAT_EQ(wall->z, 4.0f);

    Release();
    EXPECT_FALSE(edit->GestureRunning());
    EXPECT_EQ(Status(), "Ready");
    EXPECT_FALSE(Captured());
    EXPECT_TRUE(document->IsModified());
}

TEST_F(EditViewTest, MiddleButtonPansWithTheCursor)
{
    MoveToLevel(1.0, 2.0);
    Press(wxMOUSE_BTN_MIDDLE);
    EXPECT_EQ(edit->RunningGesture(), EditGesture::Kind::Pan);
    EXPECT_EQ(Status(), "Panning enabled");
    EXPECT_TRUE(Captured());

    const wxPoint start = EditPixel(1.0, 2.0);
    MoveTo(*edit->GetCanvas(), start + wxPoint(40, -30));
    const wxSize size = edit->GetCanvas()->GetClientSize();
    const double a = static_cast<double>(size.x) / size.y;
    const double zoom = edit->m_zoom;
    EXPECT_NEAR(edit->m_copX, -(40 * a * 2 / size.x) / zoom, 1e-4);
    EXPECT_NEAR(edit->m_copY, (-30 * 2.0 / size.y) / zoom, 1e-4);
    EXPECT_EQ(Status(), wxString::Format("Panning enabled: COP = (%f, %f)", edit->m_copX, edit->m_copY));
    // The level point that was under the cursor still is.
    Redraw();
    const LevelPoint under = edit->UnprojectPoint(start.x + 40, start.y - 30);
    EXPECT_NEAR(under.x, 1.0, 0.05);
    EXPECT_NEAR(under.z, 2.0, 0.05);

    Release(wxMOUSE_BTN_MIDDLE);
    EXPECT_NE(edit->RunningGesture(), EditGesture::Kind::Pan);
    EXPECT_EQ(Status(), "Ready");
    EXPECT_FALSE(Captured());
}

TEST_F(EditViewTest, GridCommandsCheckTheirItemsWhicheverPaneIsActive)
{
    UpdateCommandStates();
    EXPECT_TRUE(MenuChecked(ID_GRID_SIZE_1));
    EXPECT_TRUE(MenuChecked(ID_GRID_SNAP));
    manager->SetActiveView(preview);
    ASSERT_TRUE(Command(ID_GRID_SIZE_5));
    ASSERT_TRUE(Command(ID_GRID_SNAP));
    UpdateCommandStates();
    for (int id : {ID_GRID_SIZE_1, ID_GRID_SIZE_2, ID_GRID_SIZE_10})
        EXPECT_FALSE(MenuChecked(id)) << id;
    EXPECT_TRUE(MenuChecked(ID_GRID_SIZE_5));
    EXPECT_FALSE(MenuChecked(ID_GRID_SNAP));
    for (int id = ID_GRID_SIZE_1; id <= ID_GRID_SNAP; ++id)
        EXPECT_TRUE(MenuEnabled(id)) << id;
    EXPECT_EQ(edit->m_gridSize, 5);
    EXPECT_FALSE(edit->m_snapToGrid);
}

TEST_F(EditViewTest, DeleteKeyRemovesTheClickedWall)
{
    Wall* wall = AddWall(4.0f, -4.0f, 2.0f, 2.0f);
    MoveToLevel(4.0, -4.0);
    Press();
    Release();
    ASSERT_EQ(document->SelectedNode(), wall);
    const std::size_t children = LevelGroup().ChildCount();
    PressKey(WXK_DELETE);
    EXPECT_EQ(LevelGroup().ChildCount(), children - 1);
    EXPECT_EQ(document->SelectedNode(), nullptr);
}

TEST_F(EditViewTest, ItemCursorComesFromItsFile)
{
    EXPECT_TRUE(edit->m_hItemCursor.IsOk());
}

} // namespace
