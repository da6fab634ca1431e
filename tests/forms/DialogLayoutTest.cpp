#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "forms/DialogTemplates.h"
#include "forms/StepButton.h"
#include "tests/forms/FormTestSupport.h"
#include "tests/support/WindowTestSupport.h"

namespace {

const DialogTemplate* const TEMPLATES[] = {&LEVEL_FORM_TEMPLATE, &SELECTION_FORM_TEMPLATE,
                                           &TEXTURE_PROPERTIES_TEMPLATE};

// The pixels of a table place (x, y, width, height in dialog units) on `window`.
wxRect TablePlace(const wxWindow& window, int x, int y, int width, int height)
{
    return wxRect(DialogUnitsToPixels(window, wxPoint(x, y)),
                  DialogUnitsToPixels(window, wxPoint(x + width, y + height)) - wxPoint(1, 1));
}

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
        WaitUntilShown(*m_frame);
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
    EXPECT_EQ(apply->GetSize(), TablePlace(*m_panel, 251, 192, 60, 15).GetSize());
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
    EXPECT_EQ(FindControl<wxButton>(*third, IDC_APPLY)->GetLabel(), "Apply");
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

// The controls of a built template, one per table row, in table order.
std::vector<wxWindow*> BuiltControls(const wxWindow& window)
{
    const wxWindowList& children = window.GetChildren();
    return std::vector<wxWindow*>(children.begin(), children.end());
}

TEST_F(DialogBuildTest, ControlsWidenedForTheirContentStayClearOfTheirNeighbours)
{
    for (const DialogTemplate* dialog : TEMPLATES) {
        auto* panel = new wxPanel(m_frame);
        SetDialogFont(*panel);
        BuildDialog(*panel, *dialog);
        const std::vector<wxWindow*> controls = BuiltControls(*panel);
        ASSERT_EQ(controls.size(), dialog->rowCount);
        for (std::size_t i = 0; i < dialog->rowCount; ++i)
            for (std::size_t j = i + 1; j < dialog->rowCount; ++j) {
                const ControlRow& a = dialog->rows[i];
                const ControlRow& b = dialog->rows[j];
                const wxRect tableA(a.x, a.y, a.width, a.height);
                const wxRect tableB(b.x, b.y, b.width, b.height);
                if (a.kind == ControlKind::GroupBox || b.kind == ControlKind::GroupBox ||
                    tableA.Intersects(tableB))
                    continue;
                EXPECT_FALSE(controls[i]->GetRect().Intersects(controls[j]->GetRect()))
                    << "dialog " << dialog->id << ": \"" << a.text << "\" (" << a.id
                    << ") and \"" << b.text << "\" (" << b.id << ")";
            }
    }
}

// How wide the dark pixels (the text) of what the control shows on the screen spread.
int InkWidth(const wxWindow& control)
{
    const wxImage picture = ScreenPicture(control.GetScreenRect());
    int left = picture.GetWidth();
    int right = -1;
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x)
            if (picture.GetRed(x, y) + picture.GetGreen(x, y) + picture.GetBlue(x, y) < 3 * 120) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right < left ? 0 : right - left + 1;
}

TEST_F(DialogBuildTest, NarrowControlsShowTheirTextWhole)
{
    BuildDialog(*m_panel, LEVEL_FORM_TEMPLATE);
    auto* width = FindControl<wxTextCtrl>(*m_panel, IDC_LEVEL_WIDTH);
    width->ChangeValue("30");
    // The selection form below it, far enough down for its size row.
    m_panel->SetSize(800, 370);
    auto* other = new wxPanel(m_frame, wxID_ANY, wxPoint(0, 370), wxSize(800, 230));
    SetDialogFont(*other);
    BuildDialog(*other, SELECTION_FORM_TEMPLATE);
    RunEventLoopFor(300);

    // Allowing two pixels a side for the blank edges of the glyphs.
    const auto textWidth = [](const wxWindow& control, const wxString& text) {
        return control.GetTextExtent(text).x - 4;
    };
    EXPECT_GE(InkWidth(*width), textWidth(*width, "30"));
    auto* browse = FindControl<wxButton>(*m_panel, IDC_FLOOR_TEXTURE_BROWSE);
    EXPECT_GE(InkWidth(*browse), textWidth(*browse, "..."));
    wxWindow* heightLabel = FindControl<wxTextCtrl>(*other, IDC_SELECTION_DEPTH)->GetPrevSibling();
    ASSERT_EQ(heightLabel->GetLabel(), "Selection Height");
    EXPECT_GE(InkWidth(*heightLabel), textWidth(*heightLabel, "Selection Height"));
    // The edits keep the middle of their table places.
    const wxRect table = TablePlace(*m_panel, 69, 39, 13, 12);
    EXPECT_NEAR(width->GetRect().GetLeft() + width->GetRect().GetRight(),
                table.GetLeft() + table.GetRight(), 1);
}

TEST_F(DialogBuildTest, AFramedLabelShowsItsFrame)
{
    BuildDialog(*m_panel, SELECTION_FORM_TEMPLATE);
    RunEventLoopFor(300);
    auto* kind = FindControl<wxStaticText>(*m_panel, IDC_SELECTION_KIND);
    ASSERT_NE(kind, nullptr);
    // The frame is dark (nearly) all along the table place, though the label is empty.
    const wxRect place = TablePlace(*m_panel, 90, 10, 104, 12);
    EXPECT_GE(InkWidth(*kind->GetParent()), place.GetWidth() - 2);
    EXPECT_EQ(kind->GetParent()->GetRect(), place);
}

} // namespace
