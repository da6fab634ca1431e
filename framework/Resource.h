#pragma once

#include <wx/translation.h>

#include "framework/StandardIds.h"

// Resource ids, command ids and texts of the editor.

constexpr int IDR_MAINFRAME = 128; // menu, accelerators, tool bar, icon, template strings
constexpr int IDD_ABOUTBOX = 100;

// Document template string: window title, document name, new-document name, filter name,
// default extension, file-type id, file-type name.
constexpr const char* IDR_MAINFRAME_STRINGS =
    wxTRANSLATE("Trelkan\n\nlevel map\nLevel Map Files (*.xml)\n.xml\nTrelkan.Document\nTrelkan.Document");
constexpr const char* APP_TITLE = "Trelkan";
// The catalog of the interface texts in other languages: <language>/LC_MESSAGES/trelkan.mo.
constexpr const char* CATALOG_DOMAIN = "trelkan";
// Where the file dialogs of levels start when no level folder is known yet.
constexpr const char* LEVEL_FOLDER = "../data/Levels";

// Commands of the editor.
constexpr int ID_MODE_SELECT = 134;
constexpr int ID_MODE_CREATE_WALL = 135;
constexpr int ID_GRID_SIZE_1 = 140;
constexpr int ID_GRID_SIZE_2 = 141;
constexpr int ID_GRID_SIZE_5 = 142;
constexpr int ID_GRID_SIZE_10 = 143;
constexpr int ID_GRID_SNAP = 144;
constexpr int ID_INSERT_SPECIAL_ITEM = 147;
constexpr int ID_EDIT_DELETE = 152;
constexpr int ID_TOGGLE_ANIMATION = 155;
constexpr int ID_VIEW_ZOOM_FIT = 156;
constexpr int ID_EDIT_SELECT_ALL = 157;
constexpr int ID_EDIT_DUPLICATE = 158;
constexpr int ID_VIEW_PROBLEMS = 159;
constexpr int ID_VIEW_TEXTURES = 160;
constexpr int ID_PLAY_DRIVE = 173;
constexpr int ID_PLAY_LAUNCH_GAME = 174;
constexpr int ID_EDIT_PREFERENCES = 175;
// Insert one item of a kind, in the order of the item type numbers (Normal ... Slower).
constexpr int ID_INSERT_ITEM_FIRST = 161;
constexpr int ID_INSERT_ITEM_LAST = 166;
constexpr int ID_VIEW_ACTUAL_SIZE = 167;
constexpr int ID_TOOLS_MEASURE = 168;
constexpr int ID_VIEW_TEXTURED_TOP = 176;
constexpr int ID_VIEW_LEVEL = 170;
constexpr int ID_VIEW_SELECTION = 171;
constexpr int ID_VIEW_RESET_LAYOUT = 172;
