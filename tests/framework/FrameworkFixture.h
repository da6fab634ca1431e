#pragma once

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/panel.h>

#include "framework/CDocManager.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CStaticSplitter.h"
#include "framework/CView.h"
#include "framework/StandardIds.h"
#include "tests/support/WindowTestSupport.h"

// A document that keeps its text in a file and records the steps the framework runs.
class StepDocument : public CDocument {
public:
    std::vector<std::string> steps;
    std::string text;

    bool DeleteContents() override
    {
        steps.push_back("DeleteContents");
        text.clear();
        return true;
    }
    bool OnNewDocument() override
    {
        if (!CDocument::OnNewDocument())
            return false;
        steps.push_back("OnNewDocument");
        text = "new";
        return true;
    }
    bool OnOpenDocument(const wxString& path) override
    {
        if (!CDocument::OnOpenDocument(path))
            return false;
        steps.push_back("OnOpenDocument");
        text = ReadWholeFile(path.ToStdString());
        return true;
    }
    bool OnSaveDocument(const wxString& path) override
    {
        steps.push_back("OnSaveDocument");
        WriteWholeFile(path.ToStdString(), text);
        return CDocument::OnSaveDocument(path);
    }
};

// A pane that records what reaches it.
class RecordingView : public CView {
public:
    int updates = 0;
    int initialUpdates = 0;
    wxView* lastSender = nullptr;

    void OnInitialUpdate() override
    {
        ++initialUpdates;
        CView::OnInitialUpdate();
    }
    void OnUpdate(wxView* sender, wxObject* hint) override
    {
        ++updates;
        lastSender = sender;
        CView::OnUpdate(sender, hint);
    }

protected:
    wxWindow* CreateViewWindow(wxWindow* parent) override { return new wxPanel(parent); }
};

// A frame with a File menu and two panes side by side, both views of the document.
class TwoPaneFrame : public CFrameWnd {
public:
    CStaticSplitter* splitter = nullptr;
    RecordingView* left = nullptr;
    RecordingView* right = nullptr;

    bool Create(CDocManager& manager, CDocument& document)
    {
        if (!CFrameWnd::Create(&manager, "Test", wxSize(400, 300)))
            return false;
        auto* file = new wxMenu;
        file->Append(StandardId::FileNew, "&New");
        file->Append(StandardId::FileOpen, "&Open...");
        file->Append(StandardId::FileSave, "&Save");
        file->AppendSeparator();
        file->Append(StandardId::RecentFile1, "Recent File");
        file->AppendSeparator();
        file->Append(StandardId::AppExit, "E&xit");
        auto* bar = new wxMenuBar;
        bar->Append(file, "&File");
        SetMenuBar(bar);
        manager.SetRecentFileMenu(bar);
        CreateStatusBarWithIndicators({{WXK_CAPITAL, "CAP"}});
        wxAcceleratorEntry keys[] = {{wxACCEL_NORMAL, WXK_F6, StandardId::NextPane},
                                     {wxACCEL_SHIFT, WXK_F6, StandardId::PrevPane}};
        SetAcceleratorTable(wxAcceleratorTable(2, keys));
        splitter = new CStaticSplitter;
        splitter->Create(this, 1, 2);
        left = MakePane(document, 0);
        right = MakePane(document, 1);
        return left && right;
    }

protected:
    void ActivateNextPane(bool previous) override { splitter->ActivateNextPane(previous); }

private:
    RecordingView* MakePane(CDocument& document, int column)
    {
        auto* view = new RecordingView;
        if (!view->Create(splitter, &document)) {
            delete view;
            return nullptr;
        }
        splitter->SetPane(0, column, view->GetWindow());
        splitter->SetColumnInfo(column, 190, 10);
        return view;
    }
};

// A document manager with the test template; the first New makes the document and frame.
class FrameworkTest : public testing::Test {
protected:
    static constexpr const char* STRINGS = "Trelkan\n\ntext\nText Files (*.txt)\n.txt\nTest.Document\nTest";

    void SetUp() override { MakeManager(); }

    void TearDown() override { DestroyManager(); }

    void MakeManager(size_t recentFiles = 4)
    {
        manager = std::make_unique<CDocManager>(recentFiles);
        new CDocTemplate(
            manager.get(), 128, STRINGS, [] { return new StepDocument; },
            [this](CDocManager& owner, CDocument& document) -> CFrameWnd* {
                auto* made = new TwoPaneFrame;
                if (!made->Create(owner, document)) {
                    delete made;
                    return nullptr;
                }
                frame = made;
                return made;
            },
            "RecordingView");
    }

    void DestroyManager()
    {
        if (manager && manager->GetFrame()) {
            manager->GetFrame()->Destroy();
            PumpUntil([this] { return manager->GetFrame() == nullptr; });
        }
        frame = nullptr;
        manager.reset();
    }

    StepDocument* NewDocument()
    {
        return static_cast<StepDocument*>(manager->OpenDocumentFile(wxString()));
    }

    // Sends a menu command to the frame as a menu choice would.
    bool Command(int id)
    {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(frame);
        return frame->ProcessWindowEvent(event);
    }

    std::unique_ptr<CDocManager> manager;
    TwoPaneFrame* frame = nullptr;
    TempFolder folder;
};
