#pragma once

#include <vector>

#include <wx/accel.h>
#include <wx/string.h>

class wxMenu;
class wxMenuBar;

// The tables that tie the editor's commands together: menu 128, accelerator table 128, the
// tool bar 128 buttons and the prompt strings (status-bar text, then the tool tip after "\n").

// The prompt of a command: its status-bar text and its tool tip; both empty when it has none.
struct CommandPrompt {
    wxString status;
    wxString toolTip;
};
CommandPrompt PromptOf(int commandId);

// Menu 128, with every item's text and status prompt.
wxMenuBar* CreateMainMenuBar();

// The item kinds, Normal to Slower, each one command (ID_INSERT_ITEM_FIRST ...) and a digit key:
// appended to the Insert menu, or as a menu of their own for the tool bar's drop-down.
void AppendItemKinds(wxMenu& menu);
wxMenu* ItemKindMenu();

// Accelerator table 128.
std::vector<wxAcceleratorEntry> MainAccelerators();

// One button of tool bar 128; a command id of 0 stands for a separator.
struct ToolButton {
    int commandId;
    const char* const* xpm;
    bool checkable;
    // The button's arrow opens ItemKindMenu.
    bool itemKinds = false;
};
const std::vector<ToolButton>& MainToolButtons();

// Icon 128, the editor's icon (frame and About box).
const char* const* AppIconXpm();
