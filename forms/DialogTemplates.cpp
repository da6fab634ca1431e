#include "forms/DialogTemplates.h"

#include <iterator>

namespace {

using K = ControlKind;

const ControlRow LEVEL_FORM_ROWS[] = {
    {ID_STATIC, K::GroupBox, wxTRANSLATE("Level Floor"), 10, 7, 301, 55, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Floor texture:"), 19, 19, 45, 9, STYLE_NONE},
    {IDC_FLOOR_TEXTURE_PATH, K::Edit, "", 69, 16, 212, 12, STYLE_READ_ONLY},
    {IDC_FLOOR_TEXTURE_BROWSE, K::Button, wxTRANSLATE("..."), 288, 16, 17, 12, STYLE_NONE},
    {ID_STATIC, K::GroupBox, wxTRANSLATE("Size"), 18, 31, 170, 25, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Level Width"), 24, 42, 40, 8, STYLE_NONE},
    {IDC_LEVEL_WIDTH, K::Edit, "", 69, 39, 13, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Level Height"), 122, 41, 40, 11, STYLE_NONE},
    {IDC_LEVEL_HEIGHT, K::Edit, "", 167, 39, 13, 12, STYLE_NONE},
    {IDC_TEXTURE_PROPERTIES, K::Button, wxTRANSLATE("Texture properties..."), 212, 37, 93, 14, STYLE_NONE},
    {ID_STATIC, K::GroupBox, wxTRANSLATE("CubeMap"), 10, 67, 301, 57, STYLE_NONE},
    {IDC_USE_CUBEMAP, K::CheckBox, wxTRANSLATE("Use CubeMap"), 18, 82, 60, 10, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Base Texture:"), 19, 101, 45, 9, STYLE_NONE},
    {IDC_CUBEMAP_BASE, K::Edit, "", 69, 98, 212, 12, STYLE_READ_ONLY},
    {IDC_CUBEMAP_BROWSE, K::Button, wxTRANSLATE("..."), 288, 98, 17, 12, STYLE_NONE},
    {ID_STATIC, K::GroupBox, wxTRANSLATE("Game settings"), 10, 131, 212, 77, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Normal items number (1-10)"), 19, 147, 94, 9, STYLE_NONE},
    {IDC_NORMAL_ITEMS, K::Edit, "", 180, 144, 28, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Snake turning angle (20-90)"), 19, 161, 94, 8, STYLE_NONE},
    {IDC_TURNING_ANGLE, K::Edit, "", 180, 158, 28, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Snake initial length (8-20)"), 19, 175, 94, 9, STYLE_NONE},
    {IDC_INITIAL_LENGTH, K::Edit, "", 180, 172, 28, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Snake initial velocity (2-5)"), 19, 189, 94, 9, STYLE_NONE},
    {IDC_INITIAL_VELOCITY, K::Edit, "", 180, 186, 28, 12, STYLE_NONE},
    {IDC_APPLY, K::Button, wxTRANSLATE("Apply"), 251, 192, 60, 15, STYLE_DEFAULT},
};

const ControlRow SELECTION_FORM_ROWS[] = {
    {ID_STATIC, K::Label, wxTRANSLATE("Current selection type:"), 12, 13, 74, 10, STYLE_NONE},
    {IDC_SELECTION_KIND, K::Label, "", 90, 10, 104, 12, STYLE_CENTRED | STYLE_BORDER},
    {ID_STATIC, K::GroupBox, "", 11, 24, 184, 46, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Texture:"), 16, 35, 29, 10, STYLE_NONE},
    {IDC_SELECTION_TEXTURE_PATH, K::Edit, "", 48, 33, 119, 12, STYLE_READ_ONLY},
    {IDC_SELECTION_TEXTURE_BROWSE, K::Button, wxTRANSLATE("..."), 173, 33, 17, 12, STYLE_NONE},
    {IDC_TEXTURE_PROPERTIES, K::Button, wxTRANSLATE("Texture properties..."), 97, 51, 93, 14, STYLE_NONE},
    {ID_STATIC, K::GroupBox, "", 11, 72, 184, 55, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Selection Width"), 16, 85, 51, 8, STYLE_NONE},
    {IDC_SELECTION_WIDTH, K::Edit, "", 70, 81, 27, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Selection Height"), 108, 85, 51, 8, STYLE_NONE},
    {IDC_SELECTION_DEPTH, K::Edit, "", 163, 81, 27, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Position X"), 16, 99, 51, 8, STYLE_NONE},
    {IDC_POSITION_X, K::Edit, "", 70, 95, 27, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Position Z"), 108, 99, 51, 8, STYLE_NONE},
    {IDC_POSITION_Z, K::Edit, "", 163, 95, 27, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Rotation angle (deg)"), 16, 113, 68, 8, STYLE_NONE},
    {IDC_ROTATION_ANGLE, K::Edit, "", 163, 109, 27, 12, STYLE_NONE},
    {ID_STATIC, K::GroupBox, wxTRANSLATE("Item properties"), 11, 129, 184, 79, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Item type"), 16, 143, 34, 11, STYLE_NONE},
    {IDC_ITEM_TYPE, K::ComboBox, "", 77, 142, 113, 63, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Respawn time"), 16, 168, 66, 8, STYLE_NONE},
    {IDC_RESPAWN_TIME, K::Edit, "", 137, 164, 53, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("TTL before picked"), 16, 181, 66, 8, STYLE_NONE},
    {IDC_TTL_BEFORE_PICKED, K::Edit, "", 137, 177, 53, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Amount"), 16, 194, 66, 8, STYLE_NONE},
    {IDC_AMOUNT, K::Edit, "", 137, 190, 53, 12, STYLE_NONE},
    {IDC_APPLY, K::Button, wxTRANSLATE("Apply"), 135, 214, 60, 15, STYLE_DEFAULT},
};

const ControlRow TEXTURE_PROPERTIES_ROWS[] = {
    {ID_STATIC, K::GroupBox, "", 11, 5, 164, 99, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Horizontal translation"), 24, 18, 68, 10, STYLE_NONE},
    {IDC_TEX_TX, K::Edit, "", 109, 16, 42, 12, STYLE_NONE},
    {IDC_TEX_TX_SPIN, K::SpinButton, "", 151, 16, 11, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Vertical translation"), 24, 35, 68, 10, STYLE_NONE},
    {IDC_TEX_TY, K::Edit, "", 109, 33, 42, 12, STYLE_NONE},
    {IDC_TEX_TY_SPIN, K::SpinButton, "", 151, 33, 11, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Horizontal scaling"), 24, 52, 68, 10, STYLE_NONE},
    {IDC_TEX_SCALE_X, K::Edit, "", 109, 50, 42, 12, STYLE_NONE},
    {IDC_TEX_SCALE_X_SPIN, K::SpinButton, "", 151, 50, 11, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Vertical scaling"), 24, 69, 68, 10, STYLE_NONE},
    {IDC_TEX_SCALE_Y, K::Edit, "", 109, 67, 42, 12, STYLE_NONE},
    {IDC_TEX_SCALE_Y_SPIN, K::SpinButton, "", 151, 67, 11, 12, STYLE_NONE},
    {ID_STATIC, K::Label, wxTRANSLATE("Rotation angle (deg)"), 24, 86, 68, 10, STYLE_NONE},
    {IDC_TEX_ROTATION, K::Edit, "", 109, 84, 42, 12, STYLE_NONE},
    {IDC_TEX_ROTATION_SPIN, K::SpinButton, "", 151, 84, 11, 12, STYLE_NONE},
    {IDC_CANCEL, K::Button, wxTRANSLATE("Cancel"), 8, 117, 50, 14, STYLE_NONE},
    {IDC_APPLY, K::Button, wxTRANSLATE("Apply"), 68, 117, 50, 14, STYLE_NONE},
    {IDC_OK, K::Button, wxTRANSLATE("OK"), 128, 117, 50, 14, STYLE_DEFAULT},
};

} // namespace

const DialogTemplate LEVEL_FORM_TEMPLATE = {IDD_LEVEL_FORM, 325, 224, "", LEVEL_FORM_ROWS,
                                            std::size(LEVEL_FORM_ROWS)};
const DialogTemplate SELECTION_FORM_TEMPLATE = {IDD_SELECTION_FORM, 205, 240, "",
                                                SELECTION_FORM_ROWS,
                                                std::size(SELECTION_FORM_ROWS)};
const DialogTemplate TEXTURE_PROPERTIES_TEMPLATE = {IDD_TEXTURE_PROPERTIES, 187, 143,
                                                    wxTRANSLATE("Texture Properties"),
                                                    TEXTURE_PROPERTIES_ROWS,
                                                    std::size(TEXTURE_PROPERTIES_ROWS)};
