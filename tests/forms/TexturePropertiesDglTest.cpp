#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <memory>
#include <cstdlib>
#include <random>
#include <string>

#include <wx/button.h>
#include <wx/display.h>
#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "forms/CTexturePropertiesDgl.h"
#include "forms/DialogTemplates.h"
#include "forms/StepButton.h"
#include "document/CLevelMapDoc.h"
#include "document/MappingEditors.h"
#include "document/EditStates.h"
#include "framework/CCommandProcessor.h"
#include "level/LevelFloor.h"
#include "level/LevelGroupNode.h"
#include "level/Wall.h"
#include "tests/forms/FormTestSupport.h"

namespace {

// A floor is also a level object: the mapping part of its values.
MappingValues MappingValuesOf(const TextureMapping& mapping)
{
    return Capture(mapping);
}

// An owner frame and one texture dialog on a floor's mapping, driven by simulated mouse and
// keyboard input.
class TextureDialogTest : public ::testing::Test {
public:
    void SetUp() override
    {
        m_owner = new wxFrame(nullptr, wxID_ANY, "owner", wxPoint(0, 0), wxSize(400, 300));
        m_owner->Show();
        m_dialog = Open(&m_floor);
    }

    void TearDown() override
    {
        m_owner->Destroy();
        Settle();
        EXPECT_EQ(OpenMappingEditorCount(), 0);
    }

    CTexturePropertiesDgl* Open(TextureMapping* mapping)
    {
        auto* dialog = new CTexturePropertiesDgl(m_document, mapping, m_owner);
        Settle();
        return dialog;
    }

    wxTextCtrl& Edit(int id) { return *FindControl<wxTextCtrl>(*m_dialog, id); }
    wxString Text(int id) { return Edit(id).GetValue(); }

    void ClickAt(wxPoint screenPoint)
    {
        m_input.MouseMove(screenPoint);
        Settle();
        m_input.MouseClick();
        Settle();
    }

    // A click in the upper (or lower) arrow of a spin.
    void ClickSpin(int spinId, bool up)
    {
        const wxRect rect = FindControl<StepButton>(*m_dialog, spinId)->GetScreenRect();
        const int y = up ? rect.y + rect.height / 4 : rect.y + rect.height * 3 / 4;
        ClickAt(wxPoint(rect.x + rect.width / 2, y));
        // Apart from the next click, so that no two are taken for a double click.
        wxMilliSleep(50);
    }

    void ClickButton(int id)
    {
        ClickAt(FindControl<wxButton>(*m_dialog, id)->GetScreenRect().GetPosition() +
                wxPoint(5, 5));
    }

    void Type(int id, const char* text)
    {
        wxTextCtrl& edit = Edit(id);
        edit.SetFocus();
        edit.SelectAll();
        Settle();
        m_input.Text(text);
        Settle();
    }

    bool DialogIsOpen() const { return OpenMappingEditorCount() > 0; }

    wxFrame* m_owner = nullptr;
    CLevelMapDoc m_document;
    LevelFloor m_floor;
    CTexturePropertiesDgl* m_dialog = nullptr;
    wxUIActionSimulator m_input;
};

TEST_F(TextureDialogTest, ShowsTheDefaultMappingWithFourDecimals)
{
    EXPECT_EQ(Text(IDC_TEX_TX), "0.0000");
    EXPECT_EQ(Text(IDC_TEX_TY), "0.0000");
    EXPECT_EQ(Text(IDC_TEX_SCALE_X), "1.0000");
    EXPECT_EQ(Text(IDC_TEX_SCALE_Y), "1.0000");
    EXPECT_EQ(Text(IDC_TEX_ROTATION), "0.0000");
    EXPECT_EQ(m_dialog->GetTitle(), "Texture Properties");
}

TEST_F(TextureDialogTest, SpinClicksStepTheMappingAtOnce)
{
    const char* expected[] = {"1.0500", "1.1000", "1.1500"};
    for (const char* text : expected) {
        ClickSpin(IDC_TEX_SCALE_X_SPIN, true);
        EXPECT_EQ(Text(IDC_TEX_SCALE_X), text);
    }
    EXPECT_NEAR(m_floor.GetTexScaleX(), 1.15f, 1e-5f);

    ClickSpin(IDC_TEX_ROTATION_SPIN, false);
    EXPECT_EQ(Text(IDC_TEX_ROTATION), "-0.5000");
    EXPECT_FLOAT_EQ(m_floor.GetTexRotationAngleDeg(), -0.5f);

    ClickSpin(IDC_TEX_TY_SPIN, false);
    EXPECT_EQ(Text(IDC_TEX_TY), "-0.0500");
}

TEST_F(TextureDialogTest, ArrowKeysOnASpinStepLikeClicks)
{
    FindControl<StepButton>(*m_dialog, IDC_TEX_TX_SPIN)->SetFocus();
    Settle();
    m_input.Char(WXK_UP);
    m_input.Char(WXK_UP);
    m_input.Char(WXK_DOWN);
    Settle();
    EXPECT_EQ(Text(IDC_TEX_TX), "0.0500");
}

TEST_F(TextureDialogTest, ApplyWritesEveryEditAndShowsTheReducedRotation)
{
    Type(IDC_TEX_ROTATION, "370");
    Type(IDC_TEX_TX, "0.25");
    Type(IDC_TEX_SCALE_Y, "-2");
    ClickButton(IDC_APPLY);
    EXPECT_EQ(Text(IDC_TEX_ROTATION), "10.0000");
    EXPECT_EQ(Text(IDC_TEX_TX), "0.2500");
    EXPECT_EQ(Text(IDC_TEX_SCALE_Y), "-2.0000");
    EXPECT_FLOAT_EQ(m_floor.GetTexRotationAngleDeg(), 10.0f);
    EXPECT_FLOAT_EQ(m_floor.GetTexScaleY(), -2.0f);
    EXPECT_TRUE(DialogIsOpen());
}

TEST_F(TextureDialogTest, ASpinKeepsTheTextTypedIntoOtherRows)
{
    Type(IDC_TEX_TX, "3");
    Type(IDC_TEX_TY, "4");
    ClickSpin(IDC_TEX_SCALE_X_SPIN, true);
    EXPECT_EQ(Text(IDC_TEX_TX), "3");
    EXPECT_EQ(Text(IDC_TEX_TY), "4");
    EXPECT_FLOAT_EQ(m_floor.GetTexTX(), 0.0f);
    ClickButton(IDC_APPLY);
    EXPECT_FLOAT_EQ(m_floor.GetTexTX(), 3.0f);
    EXPECT_FLOAT_EQ(m_floor.GetTexTY(), 4.0f);
    EXPECT_NEAR(m_floor.GetTexScaleX(), 1.05f, 1e-5f);
}

TEST_F(TextureDialogTest, ValuesThatAreNoNumbersKeepTheStoredValue)
{
    Type(IDC_TEX_TX, "inf");
    Type(IDC_TEX_ROTATION, "nan");
    Type(IDC_TEX_SCALE_X, "text");
    Type(IDC_TEX_SCALE_Y, "2x");
    ClickButton(IDC_APPLY);
    EXPECT_EQ(Text(IDC_TEX_TX), "0.0000");
    EXPECT_EQ(Text(IDC_TEX_ROTATION), "0.0000");
    EXPECT_EQ(Text(IDC_TEX_SCALE_X), "1.0000");
    EXPECT_EQ(Text(IDC_TEX_SCALE_Y), "1.0000");
}

// Five clicks on the upper arrows of seeded random rows, then each way to end the dialog: Cancel,
// Escape and the close box put the mapping back as it was and leave no step; OK keeps the values
// shown as one step, which one undo takes back.
TEST_F(TextureDialogTest, EachEndingAfterFiveSpinClicksKeepsOneStepOrNone)
{
    struct Ending {
        const char* name;
        void (*end)(TextureDialogTest&);
        bool keeps;
    };
    const Ending endings[] = {
        {"Cancel", [](TextureDialogTest& test) { test.ClickButton(IDC_CANCEL); }, false},
        {"Escape", [](TextureDialogTest& test) { test.m_input.Char(WXK_ESCAPE); }, false},
        {"close box", [](TextureDialogTest& test) { test.m_dialog->Close(); }, false},
        {"OK", [](TextureDialogTest& test) { test.ClickButton(IDC_OK); }, true},
    };
    const int spins[] = {IDC_TEX_TX_SPIN, IDC_TEX_TY_SPIN, IDC_TEX_SCALE_X_SPIN, IDC_TEX_SCALE_Y_SPIN,
                         IDC_TEX_ROTATION_SPIN};
    // TRELKAN_TEXTURE_DIALOG_SEED replays a run.
    const char* replay = std::getenv("TRELKAN_TEXTURE_DIALOG_SEED");
    const auto seed = replay ? static_cast<unsigned>(std::strtoul(replay, nullptr, 10)) : static_cast<unsigned>(std::time(nullptr));
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    CCommandProcessor& history = *m_document.GetHistory();
    for (const Ending& ending : endings) {
        SCOPED_TRACE(ending.name);
        if (!DialogIsOpen())
            m_dialog = Open(&m_floor);
        const MappingValues before = MappingValuesOf(m_floor);
        const std::size_t steps = history.GetCommands().GetCount();
        for (int click = 0; click < 5; ++click)
            ClickSpin(spins[std::uniform_int_distribution<int>(0, 4)(random)], true);
        const MappingValues shown = MappingValuesOf(m_floor);
        ASSERT_FALSE(SameState(shown, before));
        ending.end(*this);
        Settle();
        EXPECT_FALSE(DialogIsOpen());
        EXPECT_TRUE(SameState(MappingValuesOf(m_floor), ending.keeps ? shown : before));
        EXPECT_EQ(history.GetCommands().GetCount(), steps + (ending.keeps ? 1 : 0));
        if (ending.keeps) {
            history.Undo();
            EXPECT_TRUE(SameState(MappingValuesOf(m_floor), before));
        }
    }
}

// A command on the level while the dialog is open keeps what it shows as a step first; Cancel
// then goes back only as far as that.
TEST_F(TextureDialogTest, ACommandKeepsThePreviewAsAStepBeforeItActs)
{
    CCommandProcessor& history = *m_document.GetHistory();
    ClickSpin(IDC_TEX_TX_SPIN, true);
    EXPECT_EQ(history.GetCommands().GetCount(), 0u);
    EXPECT_TRUE(m_document.CommitPendingEdits());
    EXPECT_EQ(history.GetCommands().GetCount(), 1u);
    ClickSpin(IDC_TEX_TY_SPIN, true);
    ClickButton(IDC_CANCEL);
    EXPECT_FLOAT_EQ(m_floor.GetTexTX(), 0.05f);
    EXPECT_FLOAT_EQ(m_floor.GetTexTY(), 0.0f);
    EXPECT_EQ(history.GetCommands().GetCount(), 1u);
}

TEST_F(TextureDialogTest, EscapeCancelsAndEnterIsOK)
{
    Type(IDC_TEX_TX, "7");
    m_input.Char(WXK_ESCAPE);
    Settle();
    EXPECT_FALSE(DialogIsOpen());
    EXPECT_FLOAT_EQ(m_floor.GetTexTX(), 0.0f);

    m_dialog = Open(&m_floor);
    Type(IDC_TEX_TY, "2.5");
    m_input.Char(WXK_RETURN);
    Settle();
    EXPECT_FALSE(DialogIsOpen());
    EXPECT_FLOAT_EQ(m_floor.GetTexTY(), 2.5f);
}

TEST_F(TextureDialogTest, OpensOnTheMousePointerButWholeOnTheScreen)
{
    const wxRect screen = wxDisplay(0u).GetClientArea();
    m_input.MouseMove(screen.GetRight() - 2, screen.GetBottom() - 2);
    Settle();
    CTexturePropertiesDgl* cornered = Open(&m_floor);
    EXPECT_TRUE(screen.Contains(cornered->GetRect()));

    const wxPoint middle(screen.x + screen.width / 2, screen.y + screen.height / 2);
    m_input.MouseMove(middle);
    Settle();
    CTexturePropertiesDgl* centred = Open(&m_floor);
    const wxRect rect = centred->GetRect();
    EXPECT_NEAR(rect.x + rect.width / 2, middle.x, 2);
    EXPECT_NEAR(rect.y + rect.height / 2, middle.y, 2);
}

TEST_F(TextureDialogTest, OKAppliesAndCloses)
{
    Type(IDC_TEX_SCALE_X, "0");
    ClickButton(IDC_OK);
    EXPECT_FALSE(DialogIsOpen());
    EXPECT_FLOAT_EQ(m_floor.GetTexScaleX(), 0.0f);
}

TEST_F(TextureDialogTest, SeveralDialogsMayEditOneMapping)
{
    CTexturePropertiesDgl* second = Open(&m_floor);
    EXPECT_EQ(OpenMappingEditorCount(), 2);
    ClickSpin(IDC_TEX_TX_SPIN, true);
    second->ShowValues();
    EXPECT_EQ(FindControl<wxTextCtrl>(*second, IDC_TEX_TX)->GetValue(), "0.0500");
}

TEST_F(TextureDialogTest, ADialogClosesWhenItsNodeIsDeleted)
{
    LevelGroupNode group;
    auto* wall = new Wall(0.0f, 0.0f, 2.0f, 1.0f);
    auto* inner = new LevelGroupNode;
    inner->AppendChild(wall);
    group.AppendChild(inner);
    CTexturePropertiesDgl* wallDialog = Open(wall);
    EXPECT_EQ(OpenMappingEditorCount(), 2);

    // Deleting the group that holds the wall closes the wall's dialog, not the floor's.
    CloseMappingEditorsBelow(*inner);
    EXPECT_EQ(wallDialog->GetEditedMapping(), nullptr);
    group.DeleteDescendant(inner);
    Settle();
    EXPECT_EQ(OpenMappingEditorCount(), 1);
    EXPECT_EQ(m_dialog->GetEditedMapping(), &m_floor);

    CloseAllMappingEditors();
    Settle();
    EXPECT_FALSE(DialogIsOpen());
}

} // namespace
