#pragma once

#include <cmath>

#include <wx/glcanvas.h>
#include <wx/statusbr.h>
#include <wx/uiaction.h>

#include "document/NodeListCommand.h"
#include "framework/CStaticSplitter.h"
#include "level/Item.h"
#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/Wall.h"
#include "panels/CTexturePanel.h"
#include "tests/app/MainFrameFixture.h"
#include "views/C3DGLView.h"
#include "views/CEditGLView.h"

// Both OpenGL panes of the frame draw a frame now, so that picking and unprojection see the
// current camera.
inline void RedrawGLPanes(CMainFrame& frame)
{
    for (wxWindow* canvas : {static_cast<wxWindow*>(frame.m_pEditView->GetCanvas()),
                             static_cast<wxWindow*>(frame.m_p3DView->GetCanvas())}) {
        canvas->Refresh(false);
        canvas->Update();
    }
    PumpFor(60);
}

// The edit view's client pixel that shows level point (x, z) with its current camera.
inline wxPoint EditViewPixel(const CEditGLView& edit, double x, double z)
{
    const wxSize size = edit.GetCanvas()->GetClientSize();
    const double a = static_cast<double>(size.x) / size.y;
    const double px = ((x - edit.m_copX) * edit.m_zoom / a + 1.0) * size.x / 2.0;
    const double py = size.y - 1 - (1.0 - (z + edit.m_copY) * edit.m_zoom) * size.y / 2.0;
    return wxPoint(static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py)));
}

// The real main frame with the level document, and real mouse input to its OpenGL panes.
class ViewTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        if (HasFatalFailure())
            return;
        edit = frame->m_pEditView;
        preview = frame->m_p3DView;
        // The gestures are placed across a wide edit view: the Textures panel (one click away)
        // gives its room to the views, and the edit view takes most of the centre.
        if (frame->m_docking.GetPane(frame->m_pTextures).IsShown())
            Command(ID_VIEW_TEXTURES);
        frame->m_wndSplitter->SetColumnInfo(0, 0.78, CMainFrame::PANE_MINIMUM);
        frame->m_wndSplitter->SetColumnInfo(1, 0.22, CMainFrame::PANE_MINIMUM);
        frame->m_wndSplitter->RecalcLayout();
        ASSERT_TRUE(WaitUntilShown(*edit->GetCanvas()));
        ASSERT_TRUE(WaitUntilShown(*preview->GetCanvas()));
        Redraw();
    }

    void Redraw() { RedrawGLPanes(*frame); }

    // Close up (a pixel is a small part of a grid step), three walls in a row at z = -4 and a
    // Normal item at (6, 4), added as one step.
    void AddRowOfWallsAndAnItem()
    {
        edit->m_zoom = 0.12f;
        std::vector<NodeListCommand::Addition> additions;
        const std::size_t end = LevelGroup().ChildCount();
        for (float x : {-6.0f, -2.0f, 2.0f})
            additions.push_back({&LevelGroup(), end + additions.size(), std::make_unique<Wall>(x, -4.0f, 2.0f, 1.0f), {}});
        additions.push_back({&LevelGroup(), end + 3, std::make_unique<Item>(6.0f, 0.0f, 4.0f, ITEM_NORMAL), {}});
        document->Submit(NodeListCommand::Adding(*document, "Add", std::move(additions)));
        Redraw();
    }

    LevelGroupNode& LevelGroup() { return *document->m_pScene->m_pLevelGroup; }
    wxString Status() const { return frame->m_wndStatusBar->GetStatusText(0); }

    wxPoint EditPixel(double x, double z) const { return EditViewPixel(*edit, x, z); }

    // Real pointer input, in client coordinates of a pane's canvas.
    void MoveTo(wxWindow& canvas, const wxPoint& client)
    {
        input.MouseMove(canvas.ClientToScreen(client));
        PumpFor(60);
    }
    void MoveToLevel(double x, double z) { MoveTo(*edit->GetCanvas(), EditPixel(x, z)); }
    void Press(int button = wxMOUSE_BTN_LEFT)
    {
        input.MouseDown(button);
        PumpFor(60);
    }
    void Release(int button = wxMOUSE_BTN_LEFT)
    {
        input.MouseUp(button);
        PumpFor(60);
    }
    // A left drag in the edit view between two level points, through their middle.
    void DragLevel(double x0, double z0, double x1, double z1)
    {
        MoveToLevel(x0, z0);
        Press();
        MoveToLevel((x0 + x1) / 2, (z0 + z1) / 2);
        MoveToLevel(x1, z1);
        Release();
    }

    CEditGLView* edit = nullptr;
    C3DGLView* preview = nullptr;
    wxUIActionSimulator input;
};
