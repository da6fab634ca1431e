// The main frame: panes, layout, menus, tool bar, status bar and mode commands.
#include <fstream>
#include <functional>

#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "app/CAboutDlg.h"
#include "forms/CMainFormView.h"
#include "forms/CSelectionFormView.h"
#include "framework/CStaticSplitter.h"
#include "level/LevelFloor.h"
#include "level/LevelScene.h"
#include "tests/app/MainFrameFixture.h"
#include "tests/support/TempFolder.h"
#include "views/C3DGLView.h"

namespace {

TEST_F(MainFrameTest, TheViewsAndTheInspectorAreViewsOfTheOneDocumentInOrder)
{
    EXPECT_TRUE(frame->m_splitterReady);
    CStaticSplitter& splitter = *frame->m_wndSplitter;
    EXPECT_EQ(splitter.GetPane(0, 0), frame->m_pEditView->GetWindow());
    EXPECT_EQ(splitter.GetPane(0, 1), frame->m_p3DView->GetWindow());
    EXPECT_EQ(frame->m_docking.GetPane(frame->m_pMainFormView->GetWindow()).caption, "Level");
    EXPECT_EQ(frame->m_docking.GetPane(frame->m_pSelectionFormView->GetWindow()).caption, "Selection");
    std::vector<CView*> expected{frame->m_pEditView, frame->m_p3DView, frame->m_pMainFormView,
                                 frame->m_pSelectionFormView};
    EXPECT_EQ(document->GetViewList(), expected);
    EXPECT_EQ(frame->GetTitle(), "Untitled - Trelkan");
    EXPECT_EQ(frame->m_pEditView->m_mode, CEditGLView::MODE_SELECT);
}

TEST_F(MainFrameTest, SelectAndCreateWallActAsARadioPairAndSpecialItemGreysOut)
{
    UpdateCommandStates();
    EXPECT_FALSE(MenuEnabled(ID_MODE_SELECT));
    EXPECT_TRUE(MenuChecked(ID_MODE_SELECT));
    EXPECT_TRUE(MenuEnabled(ID_MODE_CREATE_WALL));
    EXPECT_FALSE(MenuChecked(ID_MODE_CREATE_WALL));
    EXPECT_TRUE(ToolEnabled(ID_INSERT_SPECIAL_ITEM));

    EXPECT_TRUE(Command(ID_MODE_CREATE_WALL));
    UpdateCommandStates();
    EXPECT_EQ(frame->m_pEditView->m_mode, CEditGLView::MODE_CREATE_WALL);
    EXPECT_TRUE(MenuEnabled(ID_MODE_SELECT));
    EXPECT_FALSE(MenuChecked(ID_MODE_SELECT));
    EXPECT_FALSE(ToolChecked(ID_MODE_SELECT));
    EXPECT_FALSE(MenuEnabled(ID_MODE_CREATE_WALL));
    EXPECT_TRUE(MenuChecked(ID_MODE_CREATE_WALL));
    EXPECT_TRUE(ToolChecked(ID_MODE_CREATE_WALL));

    EXPECT_TRUE(Command(ID_INSERT_SPECIAL_ITEM));
    UpdateCommandStates();
    EXPECT_EQ(frame->m_pEditView->m_mode, CEditGLView::MODE_INSERT_ITEM);
    EXPECT_FALSE(MenuEnabled(ID_INSERT_SPECIAL_ITEM));
    EXPECT_FALSE(ToolEnabled(ID_INSERT_SPECIAL_ITEM));
    EXPECT_FALSE(MenuChecked(ID_MODE_SELECT) || MenuChecked(ID_MODE_CREATE_WALL));

    // Placing the item puts the edit view back into select mode.
    frame->m_pEditView->m_mode = CEditGLView::MODE_SELECT;
    UpdateCommandStates();
    EXPECT_TRUE(ToolEnabled(ID_INSERT_SPECIAL_ITEM));
    EXPECT_TRUE(ToolChecked(ID_MODE_SELECT));
}

TEST_F(MainFrameTest, EditCommandsWithNothingToActOnAreDisabled)
{
    UpdateCommandStates();
    // A new level: no history, no selection; Paste tries whatever the clipboard holds.
    for (int id : {StandardId::EditUndo, StandardId::EditRedo, StandardId::EditCut, StandardId::EditCopy, ID_EDIT_DELETE})
        EXPECT_FALSE(MenuEnabled(id)) << id;
    for (int id : {StandardId::EditCut, StandardId::EditCopy})
        EXPECT_FALSE(ToolEnabled(id)) << id;
    EXPECT_TRUE(ToolEnabled(StandardId::EditPaste));
    EXPECT_TRUE(MenuEnabled(StandardId::FileSave));
    EXPECT_TRUE(MenuChecked(StandardId::ViewToolBar));
    EXPECT_TRUE(MenuChecked(StandardId::ViewStatusBar));
}

TEST_F(MainFrameTest, MenusCarryTheEditorsTextsInOrder)
{
    wxMenuBar& bar = *frame->GetMenuBar();
    std::vector<wxString> titles;
    for (size_t i = 0; i < bar.GetMenuCount(); ++i)
        titles.push_back(bar.GetMenuLabel(i));
    EXPECT_EQ(titles, (std::vector<wxString>{"&File", "&Edit", "&View", "Insert", "Grid", "Options", "&Play", "Tools", "&Help"}));

    auto labels = [](const wxMenu& menu) {
        std::vector<wxString> texts;
        for (const wxMenuItem* item : menu.GetMenuItems())
            texts.push_back(item->IsSeparator() ? wxString("-") : item->GetItemLabel());
        return texts;
    };
    EXPECT_EQ(labels(*bar.GetMenu(0)), (std::vector<wxString>{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S",
                                                              "Save &As...", "-", "Recent File", "-", "E&xit"}));
    EXPECT_EQ(labels(*bar.GetMenu(1)), (std::vector<wxString>{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                                              "&Paste\tCtrl+V", "&Delete\tDel", "-", "D&uplicate\tCtrl+D",
                                                              "Select &All\tCtrl+A", "-", "Pre&ferences..."}));
    EXPECT_EQ(labels(*bar.GetMenu(4)), (std::vector<wxString>{"Size", "Snap to grid"}));
    EXPECT_EQ(labels(*bar.GetMenu(4)->FindItemByPosition(0)->GetSubMenu()),
              (std::vector<wxString>{"1 unit", "2 units", "5 units", "10 units"}));
    EXPECT_EQ(labels(*bar.GetMenu(5)), (std::vector<wxString>{"Select\tS", "Create Wall\tW"}));
    EXPECT_EQ(labels(*bar.GetMenu(6)), (std::vector<wxString>{"&Drive\tF5", "&Launch Game\tCtrl+R"}));
    EXPECT_EQ(bar.GetHelpString(ID_MODE_CREATE_WALL), "Enable wall creation mode");
    EXPECT_EQ(labels(*bar.GetMenu(3)), (std::vector<wxString>{"&Item\tI", "-", "Normal\t1", "Extra life\t2", "No growth\t3",
                                                              "Shorter snake\t4", "Faster\t5", "Slower\t6"}));
    EXPECT_EQ(labels(*bar.GetMenu(7)), (std::vector<wxString>{"&Measure\tM"}));
    EXPECT_EQ(frame->GetToolBar()->GetToolShortHelp(ID_INSERT_SPECIAL_ITEM), "Insert Item");
    EXPECT_EQ(frame->GetToolBar()->GetToolLongHelp(ID_MODE_SELECT), "Enable item insertion mode");
    EXPECT_EQ(frame->GetToolBar()->GetToolsCount(), 17u);
}

TEST_F(MainFrameTest, StatusBarHasTheMessagePaneThreeLockIndicatorsTheProblemCountAndThePointerPane)
{
    wxStatusBar& bar = *frame->GetStatusBar();
    ASSERT_EQ(bar.GetFieldsCount(), 6);
    EXPECT_EQ(bar.GetStatusText(0), "Ready");
    // The pointer pane is empty while the pointer is not over the edit view.
    wxUIActionSimulator().MouseMove(frame->GetScreenRect().GetBottomRight() + wxPoint(40, 40));
    PumpFor(100);
    EXPECT_EQ(bar.GetStatusText(5), "");
}

TEST_F(MainFrameTest, ImageTooLargeForATextureIsNamedInTheStatusBar)
{
    TempFolder folder;
    const std::string path = folder.File("huge.tga");
    // A TGA header declaring 65535 x 65535 pixels, and nothing more.
    const unsigned char header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 24, 0};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(header), sizeof header);
    ASSERT_TRUE(document->AssignTextureFile(*document->m_pScene->m_pFloor, path));
    document->UpdateAllViews(nullptr);
    wxStatusBar& bar = *frame->GetStatusBar();
    EXPECT_TRUE(PumpUntil([&] { return bar.GetStatusText(0).Contains(path); })) << bar.GetStatusText(0);
    EXPECT_TRUE(bar.GetStatusText(0).Contains("65535 x 65535")) << bar.GetStatusText(0);
}

TEST_F(MainFrameTest, KeyboardShortcutsReachTheCommands)
{
    document->SetModifiedFlag();
    MessageBoxRecorder boxes;
    boxes.answers = {wxCANCEL};
    frame->m_pEditView->GetWindow()->SetFocus();
    PressKey('N', wxMOD_CONTROL);
    EXPECT_TRUE(PumpUntil([&] { return !boxes.shown.empty(); }, 2000));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Save changes to Untitled?");
}

// The mode keys act in the edit view (as its own keys) and from the menu, but never while a
// text field has the focus (the form's number fields refuse the letter, and it acts nowhere).
TEST_F(MainFrameTest, ModeKeysActInTheEditViewButNeverFromATextField)
{
    CEditGLView& edit = *frame->m_pEditView;
    edit.GetWindow()->SetFocus();
    const std::pair<int, int> keys[] = {{'W', CEditGLView::MODE_CREATE_WALL},
                                        {'I', CEditGLView::MODE_INSERT_ITEM},
                                        {'S', CEditGLView::MODE_SELECT}};
    for (const auto& [key, mode] : keys) {
        PressKey(key);
        EXPECT_TRUE(PumpUntil([&] { return edit.m_mode == mode; }, 2000)) << char(key);
    }
    std::function<wxTextCtrl*(wxWindow&)> firstField = [&](wxWindow& window) -> wxTextCtrl* {
        if (auto* text = dynamic_cast<wxTextCtrl*>(&window))
            return text;
        for (wxWindow* child : window.GetChildren())
            if (wxTextCtrl* text = firstField(*child))
                return text;
        return nullptr;
    };
    wxTextCtrl* field = firstField(*frame->m_pMainFormView->GetWindow());
    ASSERT_NE(field, nullptr);
    field->SetFocus();
    PumpFor(50);
    PressKey('W');
    PumpFor(200);
    EXPECT_EQ(edit.m_mode, CEditGLView::MODE_SELECT);
    EXPECT_EQ(wxWindow::FindFocus(), field);
}

TEST_F(MainFrameTest, OpenLeavesTheCurrentDirectoryAndCancelLeavesEverything)
{
    TempFolder elsewhere;
    std::string path = elsewhere.File("other.xml");
    ASSERT_TRUE(document->OnSaveDocument(path));
    ASSERT_TRUE(manager->OpenDocumentFile(wxString()) != nullptr);
    const wxString start = wxGetCwd();
    const LevelScene* scene = document->m_pScene.get();
    FileDialogAnswerer dialogs;

    dialogs.answers = {std::nullopt};
    EXPECT_TRUE(Command(StandardId::FileOpen));
    EXPECT_EQ(document->m_pScene.get(), scene);

    dialogs.answers = {wxString(path)};
    EXPECT_TRUE(Command(StandardId::FileOpen));
    ASSERT_EQ(dialogs.requests.size(), 2u);
    EXPECT_FALSE(dialogs.requests[1].save);
    EXPECT_EQ(dialogs.requests[1].filter, "Level Map Files (*.xml)|*.xml");
    EXPECT_EQ(document->GetPathName(), path);
    EXPECT_EQ(frame->GetTitle(), "other.xml - Trelkan");
    EXPECT_EQ(wxGetCwd(), start);
}

TEST_F(MainFrameTest, SaveAsAsksWithTheLevelFilterAndAdoptsTheFile)
{
    TempFolder elsewhere;
    FileDialogAnswerer dialogs;
    dialogs.answers = {wxString(elsewhere.File("copy"))};
    document->SetModifiedFlag();

    EXPECT_TRUE(Command(StandardId::FileSaveAs));

    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_TRUE(dialogs.requests[0].save);
    EXPECT_EQ(dialogs.requests[0].defaultExt, "xml");
    EXPECT_TRUE(dialogs.requests[0].defaultName.empty());
    EXPECT_FALSE(ReadWholeFile(elsewhere.File("copy.xml")).empty());
    EXPECT_EQ(frame->GetTitle(), "copy.xml - Trelkan");
    EXPECT_EQ(document->GetPathName(), elsewhere.File("copy.xml"));
    EXPECT_FALSE(document->IsModified());
    EXPECT_EQ(manager->GetHistoryFilesCount(), 1u);
}

TEST(AboutBoxTest, ShowsTheProgramNameAndVersion)
{
    CAboutDlg about(nullptr);
    EXPECT_EQ(about.GetTitle(), "About Trelkan");
    bool found = false;
    for (wxWindow* child : about.GetChildren())
        found = found || child->GetLabel() == "Trelkan Version 1.0";
    EXPECT_TRUE(found);
    EXPECT_NE(about.FindWindow(wxID_OK), nullptr);
}

} // namespace
