#include "app/CTexturePropertiesDgl.h"

#include <algorithm>
#include <cmath>

#include <wx/button.h>
#include <wx/display.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "app/DialogTemplates.h"
#include "app/FieldText.h"
#include "level/TextureMapping.h"

// One edited value: its edit, its spin, its step per spin click and its accessors.
struct CTexturePropertiesDgl::MappingRow {
    int editId;
    int spinId;
    float step;
    float (TextureMapping::*get)() const;
    void (TextureMapping::*set)(float);
};

namespace {

using MappingRow = CTexturePropertiesDgl::MappingRow;

const MappingRow ROWS[] = {
    {IDC_TEX_TX, IDC_TEX_TX_SPIN, 0.05f, &TextureMapping::GetTexTX, &TextureMapping::SetTexTX},
    {IDC_TEX_TY, IDC_TEX_TY_SPIN, 0.05f, &TextureMapping::GetTexTY, &TextureMapping::SetTexTY},
    {IDC_TEX_SCALE_X, IDC_TEX_SCALE_X_SPIN, 0.05f, &TextureMapping::GetTexScaleX,
     &TextureMapping::SetTexScaleX},
    {IDC_TEX_SCALE_Y, IDC_TEX_SCALE_Y_SPIN, 0.05f, &TextureMapping::GetTexScaleY,
     &TextureMapping::SetTexScaleY},
    {IDC_TEX_ROTATION, IDC_TEX_ROTATION_SPIN, 0.5f, &TextureMapping::GetTexRotationAngleDeg,
     &TextureMapping::SetTexRotationAngleDeg},
};

constexpr const char* VALUE_FORMAT = "%4.4f";

} // namespace

CTexturePropertiesDgl::CTexturePropertiesDgl(TextureMapping* mapping, wxWindow* owner)
    : m_pMapping(mapping)
{
    Create(owner, wxID_ANY, wxString::FromUTF8(TEXTURE_PROPERTIES_TEMPLATE.title));
    SetDialogFont(*this);
    SetClientSize(DialogSizeInPixels(*this, TEXTURE_PROPERTIES_TEMPLATE));
    BuildDialog(*this, TEXTURE_PROPERTIES_TEMPLATE);

    for (const MappingRow& row : ROWS) {
        const MappingRow* r = &row;
        Bind(wxEVT_SPIN_UP, [this, r](wxSpinEvent&) { OnSpin(*r, +1.0f); }, row.spinId);
        Bind(wxEVT_SPIN_DOWN, [this, r](wxSpinEvent&) { OnSpin(*r, -1.0f); }, row.spinId);
    }
    Bind(wxEVT_BUTTON, &CTexturePropertiesDgl::OnApply, this, IDC_APPLY);
    Bind(wxEVT_BUTTON, &CTexturePropertiesDgl::OnOK, this, IDC_OK);
    Bind(wxEVT_BUTTON, &CTexturePropertiesDgl::OnCancel, this, IDC_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, &CTexturePropertiesDgl::OnClose, this);

    RegisterMappingEditor(*this);
    ShowValues();
    PlaceOnMousePointer();
    Show();
}

CTexturePropertiesDgl::~CTexturePropertiesDgl()
{
    UnregisterMappingEditor(*this);
}

void CTexturePropertiesDgl::CloseEditor()
{
    m_pMapping = nullptr;
    UnregisterMappingEditor(*this);
    Destroy();
}

void CTexturePropertiesDgl::ShowValues()
{
    for (const MappingRow& row : ROWS)
        ShowValue(row);
}

void CTexturePropertiesDgl::ShowValue(const MappingRow& row)
{
    if (!m_pMapping)
        return;
    const float value = (m_pMapping->*row.get)();
    FindControl<wxTextCtrl>(*this, row.editId)->ChangeValue(FormatFloat(VALUE_FORMAT, value));
}

void CTexturePropertiesDgl::ApplyEdits()
{
    if (!m_pMapping)
        return;
    for (const MappingRow& row : ROWS) {
        const float value = ReadFloat(*FindControl<wxTextCtrl>(*this, row.editId));
        if (std::isfinite(value))
            (m_pMapping->*row.set)(value);
    }
    ShowValues();
}

void CTexturePropertiesDgl::OnSpin(const MappingRow& row, float direction)
{
    if (!m_pMapping)
        return;
    (m_pMapping->*row.set)((m_pMapping->*row.get)() + direction * row.step);
    ShowValue(row);
}

void CTexturePropertiesDgl::OnApply(wxCommandEvent&)
{
    ApplyEdits();
}

void CTexturePropertiesDgl::OnOK(wxCommandEvent&)
{
    ApplyEdits();
    CloseEditor();
}

void CTexturePropertiesDgl::OnCancel(wxCommandEvent&)
{
    CloseEditor();
}

void CTexturePropertiesDgl::OnClose(wxCloseEvent&)
{
    CloseEditor();
}

void CTexturePropertiesDgl::PlaceOnMousePointer()
{
    // Centred on the pointer, but kept whole on the pointer's screen.
    const wxPoint pointer = wxGetMousePosition();
    const int index = wxDisplay::GetFromPoint(pointer);
    const wxRect screen = wxDisplay(index == wxNOT_FOUND ? 0u : unsigned(index)).GetClientArea();
    const wxSize size = GetSize();
    wxPoint corner = pointer - wxPoint(size.x / 2, size.y / 2);
    corner.x = std::max(screen.x, std::min(corner.x, screen.GetRight() + 1 - size.x));
    corner.y = std::max(screen.y, std::min(corner.y, screen.GetBottom() + 1 - size.y));
    Move(corner);
}
