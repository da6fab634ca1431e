// The selection properties form: the display of each kind, Apply with its validations, the
// item type list, texture choices and texture dialogs of the selection.
#include <cmath>

#include <wx/combobox.h>
#include <wx/stattext.h>

#include "level/Item.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/StartPositionNode.h"
#include "level/Wall.h"
#include "forms/SelectionFields.h"
#include "framework/CCommandProcessor.h"
#include "tests/forms/FormFixture.h"
#include "tests/document/TableRecount.h"

namespace {

class SelectionFormTest : public FormTest {
protected:
    // Adds a node to the level group and selects it, as the edit view does.
    template <class Node>
    Node* AddAndSelect(Node* node)
    {
        Scene().m_pLevelGroup->AppendChild(node);
        Select(node);
        return node;
    }

    void Select(CSGNode* node)
    {
        document->SetSelection(node);
        document->UpdateAllViews();
        Settle();
    }

    Wall* AddWall()
    {
        Wall* wall = AddAndSelect(new Wall(2.0f, 3.0f, 4.0f, 1.0f));
        ++document->m_textures[0].refCount;
        return wall;
    }

    void Apply() { Click(SelectionForm(), IDC_APPLY); }
    wxString Field(int id) { return Text(SelectionForm(), id); }
    wxString KindLabel()
    {
        return FindControl<wxStaticText>(SelectionForm(), IDC_SELECTION_KIND)->GetLabel();
    }
    wxComboBox& ItemTypes() { return *FindControl<wxComboBox>(SelectionForm(), IDC_ITEM_TYPE); }

    // Picks the entry of an item type in the list as a choice from the drop-down list does.
    void ChooseItemType(int type)
    {
        const int position = ListPosition(type);
        ItemTypes().SetSelection(position);
        wxCommandEvent chosen(wxEVT_COMBOBOX, IDC_ITEM_TYPE);
        chosen.SetEventObject(&ItemTypes());
        chosen.SetInt(position);
        ItemTypes().ProcessWindowEvent(chosen);
        Settle();
    }

    int ListPosition(int type)
    {
        for (unsigned i = 0; i < ItemTypes().GetCount(); ++i)
            if (reinterpret_cast<std::intptr_t>(ItemTypes().GetClientData(i)) == type)
                return static_cast<int>(i);
        return wxNOT_FOUND;
    }

    bool On(int id) { return Enabled(SelectionForm(), id); }

    void SelectAll(const std::vector<CSGNode*>& nodes)
    {
        document->m_selection.Set(nodes);
        document->UpdateAllViews();
        Settle();
    }

    std::size_t Steps() { return document->GetHistory()->GetCommands().GetCount(); }
};

// Whether the node's values are those `expected` ends at.
bool EndsAt(const ObjectValues& expected, CSGNode& node)
{
    return std::visit(
        [](const auto& want, const auto& now) {
            if constexpr (std::is_same_v<decltype(want), decltype(now)>)
                return SameState(want.after, now.before);
            return false;
        },
        expected, *CaptureValues(node));
}

const int EVERY_CONTROL[] = {IDC_SELECTION_TEXTURE_BROWSE, IDC_TEXTURE_PROPERTIES,
                             IDC_SELECTION_WIDTH, IDC_SELECTION_DEPTH, IDC_POSITION_X,
                             IDC_POSITION_Z, IDC_ROTATION_ANGLE, IDC_ITEM_TYPE, IDC_RESPAWN_TIME,
                             IDC_TTL_BEFORE_PICKED, IDC_AMOUNT, IDC_APPLY};
const int EVERY_EDIT[] = {IDC_SELECTION_TEXTURE_PATH, IDC_SELECTION_WIDTH, IDC_SELECTION_DEPTH,
                          IDC_POSITION_X, IDC_POSITION_Z, IDC_ROTATION_ANGLE,
                          IDC_RESPAWN_TIME, IDC_TTL_BEFORE_PICKED, IDC_AMOUNT};

TEST_F(SelectionFormTest, NothingSelectedShowsNoneWithEverythingDisabledAndEmpty)
{
    AddWall();
    Select(nullptr);
    EXPECT_EQ(KindLabel(), "NONE");
    for (int id : EVERY_CONTROL)
        EXPECT_FALSE(On(id)) << id;
    for (int id : EVERY_EDIT)
        EXPECT_EQ(Field(id), "") << id;
    EXPECT_EQ(ItemTypes().GetSelection(), wxNOT_FOUND);
    EXPECT_TRUE(On(IDC_SELECTION_TEXTURE_PATH)); // read-only, never disabled
}

TEST_F(SelectionFormTest, TheFloorHasOnlyItsTextureControls)
{
    Select(Scene().m_pFloor);
    EXPECT_EQ(KindLabel(), "Floor");
    EXPECT_EQ(Field(IDC_SELECTION_TEXTURE_PATH), "../data/Textures/Special/notex.tga");
    EXPECT_TRUE(On(IDC_SELECTION_TEXTURE_BROWSE));
    EXPECT_TRUE(On(IDC_TEXTURE_PROPERTIES));
    EXPECT_FALSE(On(IDC_SELECTION_WIDTH));
    EXPECT_FALSE(On(IDC_POSITION_X));
    EXPECT_FALSE(On(IDC_ROTATION_ANGLE));
    EXPECT_FALSE(On(IDC_ITEM_TYPE));
    EXPECT_FALSE(On(IDC_APPLY));
}

TEST_F(SelectionFormTest, AWallIsShownAndAppliedWithItsRanges)
{
    Wall* wall = AddWall();
    EXPECT_EQ(KindLabel(), "Wall");
    EXPECT_EQ(Field(IDC_SELECTION_WIDTH), "4.00");
    EXPECT_EQ(Field(IDC_SELECTION_DEPTH), "1.00");
    EXPECT_EQ(Field(IDC_ROTATION_ANGLE), "0.00");
    EXPECT_TRUE(On(IDC_APPLY));
    EXPECT_FALSE(On(IDC_ITEM_TYPE));

    MessageBoxRecorder boxes;
    Type(SelectionForm(), IDC_SELECTION_WIDTH, "0.5");
    Type(SelectionForm(), IDC_SELECTION_DEPTH, "100");
    Type(SelectionForm(), IDC_ROTATION_ANGLE, "450");
    Apply();
    EXPECT_EQ(boxes.Texts(),
              (std::vector<wxString>{
                  "Not a valid value for selection width! (valid range: 1-99 units)",
                  "Not a valid value for selection height! (valid range: 1-99 units)"}));
    EXPECT_FLOAT_EQ(wall->Width, 4.0f);
    EXPECT_FLOAT_EQ(wall->Depth, 1.0f);
    EXPECT_FLOAT_EQ(wall->OrientationAngle, 90.0f);
    EXPECT_EQ(Field(IDC_ROTATION_ANGLE), "90.00");
    EXPECT_TRUE(HasFocus(SelectionForm(), IDC_SELECTION_DEPTH));

    Type(SelectionForm(), IDC_SELECTION_WIDTH, "1");
    Type(SelectionForm(), IDC_SELECTION_DEPTH, "99");
    Type(SelectionForm(), IDC_ROTATION_ANGLE, "-30");
    Apply();
    EXPECT_EQ(boxes.shown.size(), 2u);
    EXPECT_FLOAT_EQ(wall->Width, 1.0f);
    EXPECT_FLOAT_EQ(wall->Depth, 99.0f);
    EXPECT_FLOAT_EQ(wall->OrientationAngle, -30.0f);
}

TEST_F(SelectionFormTest, PositionsThatAreNoNumbersAreRefusedWithTheirMessages)
{
    Wall* wall = AddWall();
    MessageBoxRecorder boxes;
    Type(SelectionForm(), IDC_POSITION_X, "5x");
    Type(SelectionForm(), IDC_POSITION_Z, "1,5,0");
    Apply();
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_TRUE(boxes.Texts()[0].StartsWith("Not a valid value for position X!")) << boxes.Texts()[0];
    EXPECT_TRUE(boxes.Texts()[1].StartsWith("Not a valid value for position Z!")) << boxes.Texts()[1];
    EXPECT_FLOAT_EQ(wall->x, 2.0f);
    EXPECT_FLOAT_EQ(wall->z, 3.0f);
    EXPECT_TRUE(HasFocus(SelectionForm(), IDC_POSITION_Z));
}

TEST_F(SelectionFormTest, RotationsThatAreNotNumbersKeepTheStoredAngleSilently)
{
    Wall* wall = AddWall();
    wall->OrientationAngle = 15.0f;
    MessageBoxRecorder boxes;
    Type(SelectionForm(), IDC_ROTATION_ANGLE, "nan");
    Apply();
    EXPECT_FLOAT_EQ(wall->OrientationAngle, 15.0f);
    Type(SelectionForm(), IDC_ROTATION_ANGLE, "-inf");
    Apply();
    EXPECT_FLOAT_EQ(wall->OrientationAngle, 15.0f);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SelectionFormTest, TheStartPositionTurnsByWholeTurnsOnly)
{
    Select(document->m_pStartMarker);
    EXPECT_EQ(KindLabel(), "Start position");
    EXPECT_TRUE(On(IDC_ROTATION_ANGLE));
    EXPECT_FALSE(On(IDC_SELECTION_TEXTURE_BROWSE));
    EXPECT_TRUE(On(IDC_APPLY));
    Type(SelectionForm(), IDC_ROTATION_ANGLE, "720");
    Apply();
    EXPECT_FLOAT_EQ(document->m_pStartMarker->angle, 0.0f);
    EXPECT_EQ(Field(IDC_ROTATION_ANGLE), "0.00");
}

TEST_F(SelectionFormTest, ANewSpecialItemShowsItsTypeWithoutAmount)
{
    AddAndSelect(new Item(1.0f, 0.0f, 1.0f, ITEM_LIFE_EXTRA));
    EXPECT_EQ(KindLabel(), "Extra life");
    ASSERT_EQ(ItemTypes().GetCount(), 6u);
    EXPECT_EQ(ItemTypes().GetString(0), "Normal");
    EXPECT_EQ(ItemTypes().GetString(5), "Slower");
    EXPECT_EQ(ItemTypes().GetSelection(), ListPosition(ITEM_LIFE_EXTRA));
    EXPECT_EQ(Field(IDC_RESPAWN_TIME), "20.00");
    EXPECT_EQ(Field(IDC_TTL_BEFORE_PICKED), "1.00");
    EXPECT_FALSE(On(IDC_AMOUNT));
    EXPECT_EQ(Field(IDC_AMOUNT), "");
    EXPECT_FALSE(On(IDC_SELECTION_TEXTURE_BROWSE));
    EXPECT_TRUE(On(IDC_APPLY));

    // The default TTL passes Apply.
    MessageBoxRecorder boxes;
    Apply();
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(SelectionFormTest, TheItemTypeListSetsTypeAndAmountAtOnce)
{
    Item* item = AddAndSelect(new Item(1.0f, 0.0f, 1.0f, ITEM_LIFE_EXTRA));
    for (unsigned i = 0; i < 6; ++i)
        EXPECT_EQ(reinterpret_cast<std::intptr_t>(ItemTypes().GetClientData(i)), ITEM_NORMAL + int(i));

    ChooseItemType(ITEM_NO_GROWTH);
    EXPECT_EQ(item->ItemTypeID, ITEM_NO_GROWTH);
    EXPECT_FLOAT_EQ(item->Amount, 5.0f);
    EXPECT_EQ(KindLabel(), "No growth");
    EXPECT_EQ(Field(IDC_AMOUNT), "5.00");
    EXPECT_TRUE(On(IDC_AMOUNT));

    MessageBoxRecorder boxes;
    Type(SelectionForm(), IDC_AMOUNT, "25");
    Apply();
    EXPECT_EQ(boxes.Texts(),
              std::vector<wxString>{
                  "Not a valid value for amount value! (valid values range: 5.00-20.00)"});
    EXPECT_FLOAT_EQ(item->Amount, 5.0f);

    const float expected[] = {0.5f, 0.1f, 0.1f};
    for (int type = ITEM_DECREASE_LENGTH; type <= ITEM_DECREASE_SPEED; ++type) {
        ChooseItemType(type);
        EXPECT_EQ(item->ItemTypeID, type);
        EXPECT_FLOAT_EQ(item->Amount, expected[type - ITEM_DECREASE_LENGTH]);
    }
    // Back to an extra life: the amount stays stored, only hidden.
    ChooseItemType(ITEM_LIFE_EXTRA);
    EXPECT_EQ(item->ItemTypeID, ITEM_LIFE_EXTRA);
    EXPECT_FLOAT_EQ(item->Amount, 0.1f);
    EXPECT_EQ(Field(IDC_AMOUNT), "");
    EXPECT_TRUE(document->IsModified());
}

TEST_F(SelectionFormTest, ItemFieldsAreCheckedOneByOne)
{
    Item* item = AddAndSelect(new Item(1.0f, 0.0f, 1.0f, ITEM_DECREASE_LENGTH));
    MessageBoxRecorder boxes;
    Type(SelectionForm(), IDC_RESPAWN_TIME, "121");
    Type(SelectionForm(), IDC_TTL_BEFORE_PICKED, "0.5");
    Type(SelectionForm(), IDC_AMOUNT, "2.5");
    Apply();
    EXPECT_EQ(boxes.Texts(),
              (std::vector<wxString>{
                  "Not a valid value for item respawn time! (valid range: 20-120 seconds)",
                  "Not a valid value for item TTL before picked! (valid range: 1-20 seconds)"}));
    EXPECT_FLOAT_EQ(item->RespawnTime, 20.0f);
    EXPECT_FLOAT_EQ(item->TTLBeforePicked, 1.0f);
    EXPECT_FLOAT_EQ(item->Amount, 2.5f);
    EXPECT_TRUE(HasFocus(SelectionForm(), IDC_TTL_BEFORE_PICKED));

    Type(SelectionForm(), IDC_RESPAWN_TIME, "120");
    Type(SelectionForm(), IDC_TTL_BEFORE_PICKED, "20");
    Type(SelectionForm(), IDC_AMOUNT, "0.49");
    Apply();
    EXPECT_FLOAT_EQ(item->RespawnTime, 120.0f);
    EXPECT_FLOAT_EQ(item->TTLBeforePicked, 20.0f);
    EXPECT_EQ(boxes.Texts().back(),
              "Not a valid value for amount value! (valid values range: 0.50-2.50)");
}

TEST_F(SelectionFormTest, ANormalItemIsShownAndEditedLikeTheOthers)
{
    Item* item = AddAndSelect(new Item(1.0f, 0.0f, 1.0f, ITEM_NORMAL));
    EXPECT_EQ(KindLabel(), "Normal");
    EXPECT_EQ(ItemTypes().GetSelection(), ListPosition(ITEM_NORMAL));
    for (int id : {IDC_ITEM_TYPE, IDC_RESPAWN_TIME, IDC_TTL_BEFORE_PICKED, IDC_POSITION_X, IDC_APPLY})
        EXPECT_TRUE(On(id)) << id;
    EXPECT_FALSE(On(IDC_AMOUNT));

    Type(SelectionForm(), IDC_POSITION_X, "3");
    Apply();
    EXPECT_FLOAT_EQ(item->x, 3.0f);
    ChooseItemType(ITEM_LIFE_EXTRA);
    EXPECT_EQ(item->ItemTypeID, ITEM_LIFE_EXTRA);
    ChooseItemType(ITEM_NORMAL);
    EXPECT_EQ(item->ItemTypeID, ITEM_NORMAL);
    EXPECT_EQ(KindLabel(), "Normal");
}

TEST_F(SelectionFormTest, TextureBrowseGivesTheSelectedWallItsImage)
{
    Wall* wall = AddWall();
    FileDialogAnswerer files;
    files.answers = {wxString("/images/brick.jpg")};
    Click(SelectionForm(), IDC_SELECTION_TEXTURE_BROWSE);
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].filter, "Image files (*.jpg;*.jpeg;*.png;*.tga)|*.jpg;*.jpeg;*.png;*.tga");
    EXPECT_EQ(wall->GetTextureID(), 1);
    EXPECT_EQ(document->m_textures[1].path, "/images/brick.jpg");
    EXPECT_EQ(document->m_textures[0].refCount, 1); // the floor's reference only
    EXPECT_EQ(Field(IDC_SELECTION_TEXTURE_PATH), "/images/brick.jpg");
    EXPECT_EQ(KindLabel(), "Wall");

    MessageBoxRecorder boxes;
    files.answers = {wxString("/images/\"brick\".jpg")};
    Click(SelectionForm(), IDC_SELECTION_TEXTURE_BROWSE);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(wall->GetTextureID(), 1);
}

TEST_F(SelectionFormTest, DeletingAWallClosesItsTextureDialogs)
{
    Select(Scene().m_pFloor);
    Click(SelectionForm(), IDC_TEXTURE_PROPERTIES);
    ASSERT_EQ(TextureDialogs().size(), 1u);
    TextureDialogs()[0]->Move(0, 0);
    Wall* wall = AddWall();
    Click(SelectionForm(), IDC_TEXTURE_PROPERTIES);
    ASSERT_EQ(TextureDialogs().size(), 2u);
    EXPECT_EQ(TextureDialogs()[1]->GetEditedMapping(), wall);

    document->OnDelete();
    Settle();
    ASSERT_EQ(TextureDialogs().size(), 1u);
    EXPECT_EQ(TextureDialogs()[0]->GetEditedMapping(), Scene().m_pFloor);
    EXPECT_EQ(KindLabel(), "NONE");
}

// A selection of walls ('W'), a "No growth" item ('I') and the start position ('S'), each
// wall and item at its own X and all at Z 3, and one field typed over.
struct MultiApplyCase {
    const char* kinds;
    const char* label;
    int edited;
    const char* typed;
    float stored; // what the edited field of each object that has it holds after Apply
};

const MultiApplyCase MULTI_APPLY_CASES[] = {
    {"WWW", "3 Walls", IDC_ROTATION_ANGLE, "30", 30.0f},
    {"WWI", "2 Walls, 1 Item", IDC_POSITION_X, "1.5", 1.5f},
    {"WSW", "2 Walls, Start position", IDC_ROTATION_ANGLE, "400", 40.0f},
    {"IIW", "1 Wall, 2 Items", IDC_TTL_BEFORE_PICKED, "7", 7.0f},
};

TEST_F(SelectionFormTest, OneApplyOnSeveralObjectsWritesOnlyTheTypedFieldToEachAsOneStep)
{
    for (const MultiApplyCase& row : MULTI_APPLY_CASES) {
        SCOPED_TRACE(row.kinds);
        std::vector<CSGNode*> nodes;
        for (const char* kind = row.kinds; *kind; ++kind) {
            const float x = static_cast<float>(nodes.size());
            if (*kind == 'W')
                nodes.push_back(AddWall());
            else if (*kind == 'I')
                nodes.push_back(AddAndSelect(new Item(x, 0.0f, 3.0f, ITEM_NO_GROWTH)));
            else
                nodes.push_back(document->m_pStartMarker);
            dynamic_cast<LevelObject&>(*nodes.back()).x = x;
            dynamic_cast<LevelObject&>(*nodes.back()).z = 3.0f;
        }
        SelectAll(nodes);
        EXPECT_EQ(KindLabel(), row.label);
        EXPECT_EQ(Field(IDC_POSITION_Z), "3.00");
        EXPECT_EQ(Field(IDC_POSITION_X), "");

        std::vector<ObjectValues> originals;
        for (CSGNode* node : nodes)
            originals.push_back(*CaptureValues(*node));
        const SelectionField& field =
            *std::find_if(std::begin(SELECTION_FIELDS), std::end(SELECTION_FIELDS),
                          [&row](const SelectionField& f) { return f.editId == row.edited; });
        std::vector<ObjectValues> expected = originals;
        std::vector<CSGNode*> acted;
        for (std::size_t i = 0; i < nodes.size(); ++i)
            if (float* slot = FieldSlot(expected[i], field, true)) {
                *slot = row.stored;
                acted.push_back(nodes[i]);
            }

        const std::size_t steps = Steps();
        Type(SelectionForm(), row.edited, row.typed);
        Apply();
        EXPECT_EQ(Steps(), steps + 1);
        for (std::size_t i = 0; i < nodes.size(); ++i)
            EXPECT_TRUE(EndsAt(expected[i], *nodes[i])) << "object " << i;

        // Undo puts back every value and selects the objects the step changed.
        SelectAll({});
        document->GetHistory()->Undo();
        Settle();
        for (std::size_t i = 0; i < nodes.size(); ++i)
            EXPECT_TRUE(EndsAt(originals[i], *nodes[i])) << "object " << i;
        EXPECT_EQ(document->m_selection.Nodes(), acted);

        SelectAll(nodes);
        document->OnDelete(); // the start position stays for the next row
        Settle();
    }
}

TEST_F(SelectionFormTest, ATextureChosenForThreeWallsIsOneStepWithExactCounts)
{
    std::vector<CSGNode*> walls = {AddWall(), AddWall(), AddWall()};
    SelectAll(walls);
    EXPECT_FALSE(On(IDC_TEXTURE_PROPERTIES)); // it edits one mapping
    const std::size_t steps = Steps();
    FileDialogAnswerer files;
    files.answers = {wxString("/images/brick.jpg"), wxString("/images/brick.jpg")};
    Click(SelectionForm(), IDC_SELECTION_TEXTURE_BROWSE);
    EXPECT_EQ(Steps(), steps + 1);
    EXPECT_EQ(Field(IDC_SELECTION_TEXTURE_PATH), "/images/brick.jpg");
    Click(SelectionForm(), IDC_SELECTION_TEXTURE_BROWSE); // the image they show already: no step
    EXPECT_EQ(Steps(), steps + 1);

    const char* const paths[] = {"../data/Textures/Special/notex.tga", "/images/brick.jpg"};
    for (bool undo : {true, false}) {
        SelectAll({});
        undo ? document->GetHistory()->Undo() : document->GetHistory()->Redo();
        Settle();
        for (CSGNode* wall : walls)
            EXPECT_EQ(document->PathOfRow(static_cast<Wall*>(wall)->GetTextureID()), paths[!undo]);
        EXPECT_EQ(TableMismatch(*document), "");
        EXPECT_EQ(document->m_selection.Nodes(), walls);
    }
}

TEST_F(SelectionFormTest, TheItemTypeListSetsTheTypeOfEverySelectedItem)
{
    std::vector<CSGNode*> items = {AddAndSelect(new Item(1.0f, 0.0f, 1.0f, ITEM_NO_GROWTH)),
                                   AddAndSelect(new Item(2.0f, 0.0f, 1.0f, ITEM_INCREASE_SPEED)), AddWall()};
    SelectAll(items);
    EXPECT_EQ(ItemTypes().GetSelection(), wxNOT_FOUND);
    EXPECT_FALSE(On(IDC_AMOUNT)); // their amounts take different ranges
    const std::size_t steps = Steps();
    ChooseItemType(ITEM_DECREASE_SPEED);
    EXPECT_EQ(Steps(), steps + 1);
    for (int i : {0, 1})
        EXPECT_EQ(static_cast<Item*>(items[i])->ItemTypeID, ITEM_DECREASE_SPEED);
    EXPECT_EQ(ItemTypes().GetSelection(), ListPosition(ITEM_DECREASE_SPEED));
    EXPECT_EQ(Field(IDC_AMOUNT), "0.10");
}

TEST(NormaliseAngle, ReducesByWholeTurnsOutsideOneTurn)
{
    EXPECT_FLOAT_EQ(NormaliseAngle(360.0f), 0.0f);
    EXPECT_FLOAT_EQ(NormaliseAngle(725.5f), 5.5f);
    EXPECT_FLOAT_EQ(NormaliseAngle(-400.0f), -40.0f);
    EXPECT_FLOAT_EQ(NormaliseAngle(-360.0f), 0.0f);
    EXPECT_FLOAT_EQ(NormaliseAngle(359.9f), 359.9f);
    EXPECT_FLOAT_EQ(NormaliseAngle(-359.5f), -359.5f);
    // Beyond the int range the result is still the remainder of whole turns.
    EXPECT_FLOAT_EQ(NormaliseAngle(1e10f), std::fmod(1e10f, 360.0f));
    EXPECT_FLOAT_EQ(NormaliseAngle(-3e9f), std::fmod(-3e9f, 360.0f));
    EXPECT_FLOAT_EQ(NormaliseAngle(2147483520.0f), std::fmod(2147483520.0f, 360.0f));
}

} // namespace
