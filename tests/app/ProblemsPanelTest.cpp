// The Problems panel: a change is checked again on idle, and a click on a row selects the row's
// objects and centres the edit view on them.
#include <algorithm>

#include "app/CProblemsPanel.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/app/LevelEditing.h"

namespace {

TEST_F(MainFrameTest, AClickOnAProblemSelectsItsObjectAndCentresTheEditViewOnIt)
{
    ASSERT_TRUE(Command(ID_VIEW_PROBLEMS));
    UpdateCommandStates();
    EXPECT_TRUE(MenuChecked(ID_VIEW_PROBLEMS));
    AddWall(*document, 500.0f, -20.0f); // far off the floor
    const CSGNode* wall = document->m_pScene->m_pLevelGroup->Children().back().get();

    CProblemsPanel& panel = *frame->m_pProblems;
    const auto wallRow = [&] {
        const std::vector<Problem>& problems = panel.Problems();
        return std::find_if(problems.begin(), problems.end(),
                            [&](const Problem& p) { return !p.nodes.empty() && p.nodes.front() == wall; }) -
               problems.begin();
    };
    ASSERT_TRUE(PumpUntil([&] { return wallRow() < panel.GetItemCount(); }));
    EXPECT_NE(frame->GetStatusBar()->GetStatusText(4).Find("error"), wxNOT_FOUND);

    document->SetSelection(nullptr);
    wxRect row;
    ASSERT_TRUE(panel.GetItemRect(static_cast<long>(wallRow()), row));
    ClickAt(panel, wxPoint(row.x + 20, row.y + row.height / 2));
    ASSERT_TRUE(PumpUntil([&] { return document->SelectedNode() == wall; }));
    EXPECT_NEAR(frame->m_pEditView->Camera().copX, 500.0f, 0.01f);
    EXPECT_NEAR(frame->m_pEditView->Camera().copY, -20.0f, 0.01f);
}

} // namespace
