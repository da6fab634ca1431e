#include "forms/CTexturePropertiesDgl.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/display.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "forms/DialogTemplates.h"
#include "forms/FieldText.h"
#include "document/CLevelMapDoc.h"
#include "document/ValueCommand.h"
#include "framework/CView.h"
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

CTexturePropertiesDgl::CTexturePropertiesDgl(CLevelMapDoc& document, TextureMapping* mapping, wxWindow* owner)
    : m_document(document), m_pMapping(mapping), m_kept(Capture(*mapping))
{
    Create(owner, wxID_ANY, wxGetTranslation(TEXTURE_PROPERTIES_TEMPLATE.title));
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
    ShowAllValues();
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
    // Its own step leaves the text typed into the other rows alone.
    if (m_committing || !m_pMapping)
        return;
    if (!m_previewing)
        m_kept = Capture(*m_pMapping);
    ShowAllValues();
}

void CTexturePropertiesDgl::ShowAllValues()
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
    // The setters normalise (the rotation); a scratch copy gives the values they store. A row
    // whose text still shows its value keeps the value itself, not the text's four decimals.
    TextureMapping edited = *m_pMapping;
    for (const MappingRow& row : ROWS) {
        wxTextCtrl& edit = *FindControl<wxTextCtrl>(*this, row.editId);
        if (edit.GetValue() == FormatFloat(VALUE_FORMAT, (edited.*row.get)()))
            continue;
        if (const std::optional<float> value = ReadNumber(edit, false))
            (edited.*row.set)(*value);
    }
    Preview(Capture(edited));
    ShowAllValues();
}

void CTexturePropertiesDgl::OnSpin(const MappingRow& row, float direction)
{
    if (!m_pMapping)
        return;
    TextureMapping edited = *m_pMapping;
    (edited.*row.set)((edited.*row.get)() + direction * row.step);
    Preview(Capture(edited));
    ShowValue(row);
}

void CTexturePropertiesDgl::Preview(const MappingValues& values)
{
    m_document.CancelGesture();
    ::Restore(m_document, *m_pMapping, values);
    m_previewing = true;
    RefreshViews();
}

void CTexturePropertiesDgl::RefreshViews()
{
    // Only the pictures change: the forms keep what is typed into them.
    for (CView* view : m_document.GetViewList())
        view->GetWindow()->Refresh(false);
}

void CTexturePropertiesDgl::CommitEdits()
{
    if (!m_pMapping || !m_previewing)
        return;
    using MappingStep = ValueCommand<TextureMapping, MappingValues>;
    const MappingValues shown = Capture(*m_pMapping);
    m_committing = true;
    m_previewing = false;
    m_document.Submit(new MappingStep(m_document, _("Edit Texture Mapping"), *m_pMapping, m_kept, shown));
    m_kept = shown;
    m_committing = false;
}

void CTexturePropertiesDgl::OnApply(wxCommandEvent&)
{
    ApplyEdits();
}

void CTexturePropertiesDgl::OnOK(wxCommandEvent&)
{
    ApplyEdits();
    CommitEdits();
    CloseEditor();
}

void CTexturePropertiesDgl::OnCancel(wxCommandEvent&)
{
    Cancel();
}

void CTexturePropertiesDgl::OnClose(wxCloseEvent&)
{
    Cancel();
}

void CTexturePropertiesDgl::Cancel()
{
    if (m_pMapping && m_previewing) {
        ::Restore(m_document, *m_pMapping, m_kept);
        RefreshViews();
    }
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
