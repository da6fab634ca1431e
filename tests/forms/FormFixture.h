#pragma once

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/scrolwin.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

#include "forms/CMainFormView.h"
#include "forms/CSelectionFormView.h"
#include "forms/CTexturePropertiesDgl.h"
#include "forms/DialogTemplates.h"
#include "document/MappingEditors.h"
#include "level/LevelScene.h"
#include "tests/forms/FormTestSupport.h"
#include "tests/app/MainFrameFixture.h"

// The editor's main frame, large enough to show both forms whole, with helpers that type into
// the forms' edits and click their buttons through real input.
class FormTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        frame->SetClientSize(1200, 980);
        PumpUntil([this] { return frame->GetClientSize() == wxSize(1200, 980); });
        Settle();
    }

    void TearDown() override
    {
        MainFrameTest::TearDown();
        Settle();
        EXPECT_EQ(OpenMappingEditorCount(), 0);
    }

    wxWindow& LevelForm() { return *frame->m_pMainFormView->GetWindow(); }
    wxWindow& SelectionForm() { return *frame->m_pSelectionFormView->GetWindow(); }
    LevelScene& Scene() { return *document->m_pScene; }

    static wxTextCtrl& Edit(wxWindow& form, int id) { return *FindControl<wxTextCtrl>(form, id); }
    static wxString Text(wxWindow& form, int id) { return Edit(form, id).GetValue(); }
    static bool Enabled(wxWindow& form, int id) { return form.FindWindow(id)->IsEnabled(); }

    // Replaces the edit's text by typing, as the user would.
    void Type(wxWindow& form, int id, const char* text)
    {
        wxTextCtrl& edit = Edit(form, id);
        edit.SetFocus();
        edit.SelectAll();
        PumpFor(20);
        if (*text == '\0') {
            m_input.Char(WXK_DELETE);
        } else {
            m_input.Text(text);
        }
        PumpFor(20);
    }

    // A real click in the middle of a control, scrolled into view first where it scrolls.
    void Click(wxWindow& form, int id)
    {
        wxWindow& control = *form.FindWindow(id);
        if (auto* scrolled = dynamic_cast<wxScrolledWindow*>(control.GetParent())) {
            const wxPoint virtualPos = scrolled->CalcUnscrolledPosition(control.GetPosition());
            int unitX = 1;
            int unitY = 1;
            scrolled->GetScrollPixelsPerUnit(&unitX, &unitY);
            scrolled->Scroll(0, unitY > 0 ? virtualPos.y / unitY : 0);
            PumpFor(30);
        }
        ClickAt(control, wxPoint(control.GetClientSize().x / 2, control.GetClientSize().y / 2));
        Settle();
    }

    // The texture dialogs open now, oldest first.
    static std::vector<CTexturePropertiesDgl*> TextureDialogs()
    {
        std::vector<CTexturePropertiesDgl*> dialogs;
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* dialog = dynamic_cast<CTexturePropertiesDgl*>(window);
                dialog && dialog->GetEditedMapping())
                dialogs.push_back(dialog);
        return dialogs;
    }

    bool HasFocus(wxWindow& form, int id) { return wxWindow::FindFocus() == form.FindWindow(id); }

    wxUIActionSimulator m_input;
};
