#pragma once

#include <memory>

#include <gtest/gtest.h>
#include <wx/confbase.h>
#include <wx/menu.h>
#include <wx/toolbar.h>

#include "app/CMainFrame.h"
#include "framework/Resource.h"
#include "document/CLevelMapDoc.h"
#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "tests/support/WindowTestApp.h"
#include "tests/support/WindowTestSupport.h"
#include "views/CEditGLView.h"

// The editor's template with the real main frame and level document, started with New, at the
// window's first-run place and size.
class MainFrameTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (wxConfigBase* settings = TestApp().GetSettings())
            settings->DeleteGroup("/MainFrame");
        OpenEditor();
    }

    void TearDown() override { CloseEditor(); }

    void OpenEditor()
    {
        manager = std::make_unique<CDocManager>(4);
        auto* levels = new CDocTemplate(
            manager.get(), IDR_MAINFRAME, IDR_MAINFRAME_STRINGS, [] { return new CLevelMapDoc; },
            [](CDocManager& owner, CDocument& level) -> CFrameWnd* {
                auto* made = new CMainFrame;
                if (!made->Create(&owner, &level)) {
                    delete made;
                    return nullptr;
                }
                return made;
            },
            "C3DGLView");
        levels->SetDirectory(LEVEL_FOLDER);
        document = static_cast<CLevelMapDoc*>(manager->OpenDocumentFile(wxString()));
        ASSERT_NE(document, nullptr);
        frame = static_cast<CMainFrame*>(manager->GetFrame());
        ASSERT_TRUE(WaitUntilShown(*frame));
    }

    void CloseEditor()
    {
        if (manager->GetFrame()) {
            manager->GetFrame()->Close(true);
            PumpUntil([this] { return manager->GetFrame() == nullptr; });
        }
        manager.reset();
    }

    bool Command(int id)
    {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(frame);
        return frame->ProcessWindowEvent(event);
    }

    // Runs the update handlers of the menu and the tool bar, as the idle time does.
    void UpdateCommandStates()
    {
        frame->GetMenuBar()->UpdateMenus();
        frame->GetToolBar()->UpdateWindowUI();
    }

    bool MenuEnabled(int id) { return frame->GetMenuBar()->IsEnabled(id); }
    bool MenuChecked(int id) { return frame->GetMenuBar()->IsChecked(id); }
    bool ToolEnabled(int id) { return frame->GetToolBar()->GetToolEnabled(id); }
    bool ToolChecked(int id) { return frame->GetToolBar()->GetToolState(id); }

    std::unique_ptr<CDocManager> manager;
    CLevelMapDoc* document = nullptr;
    CMainFrame* frame = nullptr;
};
