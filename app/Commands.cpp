#include "app/Commands.h"

#include <map>

#include <wx/menu.h>

#include "document/ObjectNames.h"
#include "framework/Resource.h"
#include "scenegraph/NodeType.h"
#include "app/res/about.xpm"
#include "app/res/copy.xpm"
#include "app/res/cut.xpm"
#include "app/res/duplicate.xpm"
#include "app/res/fit.xpm"
#include "app/res/item.xpm"
#include "app/res/new.xpm"
#include "app/res/open.xpm"
#include "app/res/paste.xpm"
#include "app/res/save.xpm"
#include "app/res/select.xpm"
#include "app/res/trelkan.xpm"
#include "app/res/wall.xpm"

namespace {

// "status\ntool tip", as the string table holds them.
const std::map<int, const char*>& PromptTable()
{
    static const std::map<int, const char*> prompts{
        {StandardId::FileNew, wxTRANSLATE("Create a new document\nNew")},
        {StandardId::FileOpen, wxTRANSLATE("Open an existing document\nOpen")},
        {StandardId::FileSave, wxTRANSLATE("Save the active document\nSave")},
        {StandardId::FileSaveAs, wxTRANSLATE("Save the active document with a new name\nSave As")},
        {StandardId::AppExit, wxTRANSLATE("Quit the application; prompts to save documents\nExit")},
        {StandardId::EditUndo, wxTRANSLATE("Undo the last action\nUndo")},
        {StandardId::EditRedo, wxTRANSLATE("Redo the previously undone action\nRedo")},
        {StandardId::EditCut, wxTRANSLATE("Cut the selection and put it on the Clipboard\nCut")},
        {StandardId::EditCopy, wxTRANSLATE("Copy the selection and put it on the Clipboard\nCopy")},
        {StandardId::EditPaste, wxTRANSLATE("Insert Clipboard contents\nPaste")},
        {StandardId::ViewToolBar, wxTRANSLATE("Show or hide the toolbar\nToggle ToolBar")},
        {StandardId::ViewStatusBar, wxTRANSLATE("Show or hide the status bar\nToggle StatusBar")},
        {StandardId::NextPane, wxTRANSLATE("Switch to the next window pane\nNext Pane")},
        {StandardId::PrevPane, wxTRANSLATE("Switch back to the previous window pane\nPrevious Pane")},
        {StandardId::AppAbout, wxTRANSLATE("Display program information and version number\nAbout")},
        {ID_MODE_SELECT, wxTRANSLATE("Enable item insertion mode\nCheck to enable selection mode")},
        {ID_MODE_CREATE_WALL, wxTRANSLATE("Enable wall creation mode\nCheck to enable wall creation mode")},
        {ID_GRID_SNAP, wxTRANSLATE("Toggle snap to grid\n Check to enable/disable snap to grid")},
        {ID_INSERT_SPECIAL_ITEM, wxTRANSLATE("Insert an item of the kind chosen last\nInsert Item")},
        {ID_EDIT_DELETE, wxTRANSLATE("Delete current selection\nDelete")},
        {ID_VIEW_ZOOM_FIT, wxTRANSLATE("Show the whole floor in both views\nZoom to Fit")},
        {ID_VIEW_PROBLEMS, wxTRANSLATE("Show or hide the level's problems\nProblems")},
        {ID_VIEW_TEXTURES, wxTRANSLATE("Show or hide the texture browser\nTextures")},
        {ID_VIEW_ACTUAL_SIZE, wxTRANSLATE("Show the level at the default scale, the origin in the middle\nActual Size")},
        {ID_TOOLS_MEASURE, wxTRANSLATE("Measure a distance by dragging in the edit view\nMeasure")},
        {ID_VIEW_TEXTURED_TOP, wxTRANSLATE("Show the images of the floor and the walls in the top view\nTextured Top View")},
        {ID_VIEW_LEVEL, wxTRANSLATE("Show or hide the level's properties\nLevel")},
        {ID_VIEW_SELECTION, wxTRANSLATE("Show or hide the selection's properties\nSelection")},
        {ID_VIEW_RESET_LAYOUT, wxTRANSLATE("Put the panels and the views back where they start\nReset Layout")},
        {ID_EDIT_DUPLICATE, wxTRANSLATE("Copy the selected walls and items one grid step aside\nDuplicate")},
        {ID_EDIT_SELECT_ALL, wxTRANSLATE("Select every wall and item\nSelect All")},
        {ID_EDIT_PREFERENCES, wxTRANSLATE("Set the game to launch and its command line\nPreferences")},
        {ID_PLAY_DRIVE, wxTRANSLATE("Drive the snake through the level in the preview\nDrive")},
        {ID_PLAY_LAUNCH_GAME, wxTRANSLATE("Save the level and start the game with it\nLaunch Game")},
    };
    return prompts;
}

enum class ItemKind { Normal, Check, Separator, RecentFiles };

struct MenuEntry {
    int id;
    const char* text;
    ItemKind kind;
};

const MenuEntry SEPARATOR{0, "", ItemKind::Separator};

void AppendEntries(wxMenu* menu, const std::vector<MenuEntry>& entries)
{
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
        case ItemKind::Separator:
            menu->AppendSeparator();
            break;
        case ItemKind::RecentFiles:
            // The document manager puts the recent files in place of this item.
            menu->Append(entry.id, wxGetTranslation(entry.text))->Enable(false);
            break;
        case ItemKind::Check:
            menu->AppendCheckItem(entry.id, wxGetTranslation(entry.text), PromptOf(entry.id).status);
            break;
        case ItemKind::Normal:
            menu->Append(entry.id, wxGetTranslation(entry.text), PromptOf(entry.id).status);
            break;
        }
    }
}

wxMenu* MakeMenu(const std::vector<MenuEntry>& entries)
{
    auto* menu = new wxMenu;
    AppendEntries(menu, entries);
    return menu;
}

} // namespace

CommandPrompt PromptOf(int commandId)
{
    auto found = PromptTable().find(commandId);
    if (found == PromptTable().end())
        return {};
    wxString text = wxGetTranslation(found->second);
    return {text.BeforeFirst('\n'), text.AfterFirst('\n')};
}

wxMenuBar* CreateMainMenuBar()
{
    using K = ItemKind;
    auto* bar = new wxMenuBar;
    bar->Append(MakeMenu({{StandardId::FileNew, wxTRANSLATE("&New\tCtrl+N"), K::Normal},
                          {StandardId::FileOpen, wxTRANSLATE("&Open...\tCtrl+O"), K::Normal},
                          {StandardId::FileSave, wxTRANSLATE("&Save\tCtrl+S"), K::Normal},
                          {StandardId::FileSaveAs, wxTRANSLATE("Save &As..."), K::Normal},
                          SEPARATOR,
                          {StandardId::RecentFile1, wxTRANSLATE("Recent File"), K::RecentFiles},
                          SEPARATOR,
                          {StandardId::AppExit, wxTRANSLATE("E&xit"), K::Normal}}),
                _("&File"));
    bar->Append(MakeMenu({{StandardId::EditUndo, wxTRANSLATE("&Undo\tCtrl+Z"), K::Normal},
                          {StandardId::EditRedo, wxTRANSLATE("&Redo\tCtrl+Y"), K::Normal},
                          SEPARATOR,
                          {StandardId::EditCut, wxTRANSLATE("Cu&t\tCtrl+X"), K::Normal},
                          {StandardId::EditCopy, wxTRANSLATE("&Copy\tCtrl+C"), K::Normal},
                          {StandardId::EditPaste, wxTRANSLATE("&Paste\tCtrl+V"), K::Normal},
                          {ID_EDIT_DELETE, wxTRANSLATE("&Delete\tDel"), K::Normal},
                          SEPARATOR,
                          // Menu keys, not accelerators: a focused text field keeps them.
                          {ID_EDIT_DUPLICATE, wxTRANSLATE("D&uplicate\tCtrl+D"), K::Normal},
                          {ID_EDIT_SELECT_ALL, wxTRANSLATE("Select &All\tCtrl+A"), K::Normal},
                          SEPARATOR,
                          {ID_EDIT_PREFERENCES, wxTRANSLATE("Pre&ferences..."), K::Normal}}),
                _("&Edit"));
    bar->Append(MakeMenu({{StandardId::ViewToolBar, wxTRANSLATE("&Toolbar"), K::Check},
                          {StandardId::ViewStatusBar, wxTRANSLATE("&Status Bar"), K::Check},
                          {ID_VIEW_PROBLEMS, wxTRANSLATE("&Problems"), K::Check},
                          {ID_VIEW_TEXTURES, wxTRANSLATE("Te&xtures"), K::Check},
                          {ID_VIEW_LEVEL, wxTRANSLATE("&Level"), K::Check},
                          {ID_VIEW_SELECTION, wxTRANSLATE("S&election"), K::Check},
                          {ID_VIEW_RESET_LAYOUT, wxTRANSLATE("&Reset Layout"), K::Normal},
                          {ID_VIEW_TEXTURED_TOP, wxTRANSLATE("Te&xtured Top View"), K::Check},
                          SEPARATOR,
                          // Home stays out of the accelerator table, which would take it from
                          // the text fields: as a menu key it acts only where no field uses it.
                          {ID_VIEW_ZOOM_FIT, wxTRANSLATE("Zoom to &Fit\tHome"), K::Normal},
                          {ID_VIEW_ACTUAL_SIZE, wxTRANSLATE("&Actual Size\tCtrl+0"), K::Normal}}),
                _("&View"));
    // The mode keys are menu keys too: they act where no field takes the letter.
    wxMenu* insert = MakeMenu({{ID_INSERT_SPECIAL_ITEM, wxTRANSLATE("&Item\tI"), K::Normal}, SEPARATOR});
    AppendItemKinds(*insert);
    bar->Append(insert, _("Insert"));
    wxMenu* grid = MakeMenu({});
    grid->AppendSubMenu(MakeMenu({{ID_GRID_SIZE_1, wxTRANSLATE("1 unit"), K::Check},
                                  {ID_GRID_SIZE_2, wxTRANSLATE("2 units"), K::Check},
                                  {ID_GRID_SIZE_5, wxTRANSLATE("5 units"), K::Check},
                                  {ID_GRID_SIZE_10, wxTRANSLATE("10 units"), K::Check}}),
                        _("Size"));
    AppendEntries(grid, {{ID_GRID_SNAP, wxTRANSLATE("Snap to grid"), K::Check}});
    bar->Append(grid, _("Grid"));
    bar->Append(MakeMenu({{ID_MODE_SELECT, wxTRANSLATE("Select\tS"), K::Check},
                          {ID_MODE_CREATE_WALL, wxTRANSLATE("Create Wall\tW"), K::Check}}),
                _("Options"));
    bar->Append(MakeMenu({{ID_PLAY_DRIVE, wxTRANSLATE("&Drive\tF5"), K::Check},
                          {ID_PLAY_LAUNCH_GAME, wxTRANSLATE("&Launch Game\tCtrl+R"), K::Normal}}),
                _("&Play"));
    bar->Append(MakeMenu({{ID_TOOLS_MEASURE, wxTRANSLATE("&Measure\tM"), K::Check}}), _("Tools"));
    bar->Append(MakeMenu({{StandardId::AppAbout, wxTRANSLATE("&About Trelkan..."), K::Normal}}), _("&Help"));
    return bar;
}

void AppendItemKinds(wxMenu& menu)
{
    // In the order of the type numbers, each with its digit, which the edit view takes too.
    for (int type = ITEM_NORMAL; type <= ITEM_DECREASE_SPEED; ++type) {
        const int id = ID_INSERT_ITEM_FIRST + (type - ITEM_NORMAL);
        menu.AppendCheckItem(id, wxString::Format("%s\t%d", wxGetTranslation(KindName(type)), type - ITEM_NORMAL + 1),
                             _("The next click in the edit view inserts an item of this kind"));
    }
}

wxMenu* ItemKindMenu()
{
    auto* menu = new wxMenu;
    AppendItemKinds(*menu);
    return menu;
}

std::vector<wxAcceleratorEntry> MainAccelerators()
{
    return {
        {wxACCEL_CTRL, 'C', StandardId::EditCopy},
        {wxACCEL_CTRL, WXK_INSERT, StandardId::EditCopy},
        {wxACCEL_SHIFT, WXK_DELETE, StandardId::EditCut},
        {wxACCEL_CTRL, 'X', StandardId::EditCut},
        {wxACCEL_CTRL, 'V', StandardId::EditPaste},
        {wxACCEL_SHIFT, WXK_INSERT, StandardId::EditPaste},
        {wxACCEL_ALT, WXK_BACK, StandardId::EditUndo},
        {wxACCEL_CTRL, 'Z', StandardId::EditUndo},
        {wxACCEL_CTRL, 'Y', StandardId::EditRedo},
        {wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', StandardId::EditRedo},
        {wxACCEL_CTRL, 'N', StandardId::FileNew},
        {wxACCEL_CTRL, 'O', StandardId::FileOpen},
        {wxACCEL_CTRL, 'S', StandardId::FileSave},
        {wxACCEL_NORMAL, WXK_F6, StandardId::NextPane},
        {wxACCEL_SHIFT, WXK_F6, StandardId::PrevPane},
        {wxACCEL_NORMAL, WXK_DELETE, ID_EDIT_DELETE},
    };
}

const std::vector<ToolButton>& MainToolButtons()
{
    static const std::vector<ToolButton> buttons{
        {StandardId::FileNew, new_xpm, false},
        {StandardId::FileOpen, open_xpm, false},
        {StandardId::FileSave, save_xpm, false},
        {0, nullptr, false},
        {StandardId::EditCut, cut_xpm, false},
        {StandardId::EditCopy, copy_xpm, false},
        {StandardId::EditPaste, paste_xpm, false},
        {ID_EDIT_DUPLICATE, duplicate_xpm, false},
        {0, nullptr, false},
        {ID_MODE_SELECT, select_xpm, true},
        {ID_MODE_CREATE_WALL, wall_xpm, true},
        {0, nullptr, false},
        {ID_INSERT_SPECIAL_ITEM, item_xpm, false, true},
        {0, nullptr, false},
        {ID_VIEW_ZOOM_FIT, fit_xpm, false},
        {0, nullptr, false},
        {StandardId::AppAbout, about_xpm, false},
    };
    return buttons;
}

const char* const* AppIconXpm()
{
    return trelkan_xpm;
}
