#include <gtest/gtest.h>

#include <set>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/DialogTemplates.h"
#include "app/StepButton.h"
#include "tests/app/FormTestSupport.h"

namespace {

const DialogTemplate* const TEMPLATES[] = {&LEVEL_FORM_TEMPLATE, &SELECTION_FORM_TEMPLATE,
                                           &TEXTURE_PROPERTIES_TEMPLATE};

// Controls are looked up by id: two addressed controls of one template must never share one.
TEST(DialogTemplates, AddressedControlsHaveDistinctIds)
{
    for (const DialogTemplate* dialog : TEMPLATES) {
        std::set<int> ids;
        for (std::size_t i = 0; i < dialog->rowCount; ++i) {
            const ControlRow& row = dialog->rows[i];
            if (row.id != ID_STATIC) {
                EXPECT_TRUE(ids.insert(row.id).second)
                    << "dialog " << dialog->id << " id " << row.id;
            }
        }
    }
}

class DialogBuildTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_frame = new wxFrame(nullptr, wxID_ANY, "forms", wxPoint(0, 0), wxSize(800, 600));
        m_panel = new wxPanel(m_frame);
        SetDialogFont(*m_panel);
        m_frame->Show();
    }
    void TearDown() override
    {
        m_frame->Destroy();
        Settle();
    }

    wxFrame* m_frame = nullptr;
    wxPanel* m_panel = nullptr;
};

TEST_F(DialogBuildTest, ControlsStandAtTheirDialogUnitsInTheWindowFont)
{
    BuildDialog(*m_panel, LEVEL_FORM_TEMPLATE);
    auto* apply = FindControl<wxButton>(*m_panel, IDC_APPLY);
    ASSERT_NE(apply, nullptr);
    EXPECT_EQ(apply->GetLabel(), "Apply");
    EXPECT_EQ(apply->GetPosition(), DialogUnitsToPixels(*m_panel, wxPoint(251, 192)));
    EXPECT_EQ(apply->GetSize(), DialogUnitsToPixels(*m_panel, wxSize(60, 15)));
    EXPECT_EQ(m_panel->GetFont().GetPointSize(), 8);
    EXPECT_EQ(DialogSizeInPixels(*m_panel, LEVEL_FORM_TEMPLATE),
              DialogUnitsToPixels(*m_panel, wxSize(325, 224)));

    // Eight vertical units are one line of the panel's font (not the frame's).
    int width = 0;
    int height = 0;
    m_panel->GetTextExtent("Xy", &width, &height);
    EXPECT_EQ(DialogUnitsToPixels(*m_panel, wxSize(4, 8)).y, height);
}

TEST_F(DialogBuildTest, ALargerFontGivesAProportionallyLargerLayout)
{
    const wxPoint small = DialogUnitsToPixels(*m_panel, wxPoint(300, 200));
    wxFont font = m_panel->GetFont();
    font.SetPointSize(16);
    m_panel->SetFont(font);
    const wxPoint large = DialogUnitsToPixels(*m_panel, wxPoint(300, 200));
    EXPECT_NEAR(double(large.x) / small.x, 2.0, 0.3);
    EXPECT_NEAR(double(large.y) / small.y, 2.0, 0.3);
}

TEST_F(DialogBuildTest, EveryKindBecomesItsControl)
{
    BuildDialog(*m_panel, SELECTION_FORM_TEMPLATE);
    EXPECT_NE(FindControl<wxStaticText>(*m_panel, IDC_SELECTION_KIND), nullptr);
    EXPECT_TRUE(FindControl<wxTextCtrl>(*m_panel, IDC_SELECTION_TEXTURE_PATH)->HasFlag(wxTE_READONLY));
    EXPECT_FALSE(FindControl<wxTextCtrl>(*m_panel, IDC_SELECTION_WIDTH)->HasFlag(wxTE_READONLY));
    EXPECT_NE(FindControl<wxComboBox>(*m_panel, IDC_ITEM_TYPE), nullptr);
    EXPECT_EQ(FindControl<wxButton>(*m_panel, IDC_TEXTURE_PROPERTIES)->GetLabel(),
              "Texture properties...");

    wxPanel* other = new wxPanel(m_frame);
    BuildDialog(*other, LEVEL_FORM_TEMPLATE);
    EXPECT_EQ(FindControl<wxCheckBox>(*other, IDC_USE_CUBEMAP)->GetLabel(), "Use CubeMap");

    wxPanel* third = new wxPanel(m_frame);
    BuildDialog(*third, TEXTURE_PROPERTIES_TEMPLATE);
    EXPECT_NE(FindControl<StepButton>(*third, IDC_TEX_ROTATION_SPIN), nullptr);
    EXPECT_EQ(FindControl<wxButton>(*third, IDC_APPLY)->GetLabel(), "Applica");
}

TEST_F(DialogBuildTest, EnterInAnEditPressesTheEnabledDefaultButton)
{
    BuildDialog(*m_panel, LEVEL_FORM_TEMPLATE);
    int presses = 0;
    m_panel->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { ++presses; }, IDC_APPLY);
    auto* edit = FindControl<wxTextCtrl>(*m_panel, IDC_LEVEL_WIDTH);
    wxCommandEvent enter(wxEVT_TEXT_ENTER, IDC_LEVEL_WIDTH);
    enter.SetEventObject(edit);
    edit->ProcessWindowEvent(enter);
    EXPECT_EQ(presses, 1);

    FindControl<wxButton>(*m_panel, IDC_APPLY)->Disable();
    edit->ProcessWindowEvent(enter);
    EXPECT_EQ(presses, 1);
}

} // namespace
