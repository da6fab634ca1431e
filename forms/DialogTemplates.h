#pragma once

#include <wx/defs.h>

#include "forms/DialogLayout.h"

// The dialog templates of the editor and the ids of their controls.

// Buttons shared by several templates.
constexpr int IDC_APPLY = 1003;
constexpr int IDC_TEXTURE_PROPERTIES = 1020;

// Dialog 101, the level properties form.
constexpr int IDD_LEVEL_FORM = 101;
constexpr int IDC_LEVEL_WIDTH = 1000;
constexpr int IDC_LEVEL_HEIGHT = 1001;
constexpr int IDC_FLOOR_TEXTURE_BROWSE = 1002;
constexpr int IDC_CUBEMAP_BROWSE = 1004;
constexpr int IDC_USE_CUBEMAP = 1023;
constexpr int IDC_CUBEMAP_BASE = 1024;
constexpr int IDC_FLOOR_TEXTURE_PATH = 1025;
constexpr int IDC_NORMAL_ITEMS = 1027;
constexpr int IDC_TURNING_ANGLE = 1033;
constexpr int IDC_INITIAL_LENGTH = 1034;
constexpr int IDC_INITIAL_VELOCITY = 1035;

// Dialog 102, the selection properties form.
constexpr int IDD_SELECTION_FORM = 102;
constexpr int IDC_SELECTION_KIND = 1010;
constexpr int IDC_SELECTION_TEXTURE_BROWSE = 1017;
constexpr int IDC_SELECTION_WIDTH = 1021;
constexpr int IDC_SELECTION_DEPTH = 1022;
constexpr int IDC_SELECTION_TEXTURE_PATH = 1026;
constexpr int IDC_ROTATION_ANGLE = 1027;
constexpr int IDC_ITEM_TYPE = 1028;
constexpr int IDC_RESPAWN_TIME = 1029;
constexpr int IDC_TTL_BEFORE_PICKED = 1030;
constexpr int IDC_AMOUNT = 1032;
constexpr int IDC_POSITION_X = 1036;
constexpr int IDC_POSITION_Z = 1037;

// Dialog 138, the texture properties dialog. OK and Cancel carry the toolkit's own ids, which
// give them the Enter and Escape keys.
constexpr int IDD_TEXTURE_PROPERTIES = 138;
constexpr int IDC_OK = wxID_OK;
constexpr int IDC_CANCEL = wxID_CANCEL;
constexpr int IDC_TEX_TY = 1005;
constexpr int IDC_TEX_SCALE_X = 1006;
constexpr int IDC_TEX_SCALE_Y = 1007;
constexpr int IDC_TEX_ROTATION = 1008;
constexpr int IDC_TEX_TY_SPIN = 1009;
constexpr int IDC_TEX_SCALE_X_SPIN = 1010;
constexpr int IDC_TEX_SCALE_Y_SPIN = 1011;
constexpr int IDC_TEX_ROTATION_SPIN = 1012;
constexpr int IDC_TEX_TX = 1013;
constexpr int IDC_TEX_TX_SPIN = 1014;

extern const DialogTemplate LEVEL_FORM_TEMPLATE;
extern const DialogTemplate SELECTION_FORM_TEMPLATE;
extern const DialogTemplate TEXTURE_PROPERTIES_TEMPLATE;
