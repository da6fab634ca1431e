#include "forms/InspectorColumn.h"

#include <vector>

#include <wx/font.h>
#include <wx/gbsizer.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "forms/DialogLayout.h"

namespace {

constexpr int GAP = 4;      // pixels between neighbouring controls
constexpr int MARGIN = 8;   // pixels round the column
// Characters of room in a short field: the longest value a form shows ("-999.99").
constexpr int SHORT_FIELD_CHARACTERS = 8;

bool IsField(const ControlRow& row)
{
    return row.kind == ControlKind::Edit || row.kind == ControlKind::ComboBox ||
           (row.kind == ControlKind::Label && (row.style & STYLE_BORDER));
}

bool IsPath(const ControlRow& row)
{
    return row.kind == ControlKind::Edit && (row.style & STYLE_READ_ONLY);
}

// Lays the rows out on a grid of two columns, the second growing with the panel.
class ColumnBuilder {
public:
    ColumnBuilder(wxWindow& body, wxWindow& foot, const DialogTemplate& dialog)
        : m_body(body), m_foot(foot), m_rows(dialog.rows), m_count(dialog.rowCount)
    {
    }

    void Build()
    {
        for (m_next = 0; m_next < m_count;)
            Place(m_rows[m_next++]);
        // Once the grid has its two columns.
        m_grid->AddGrowableCol(1);
        auto* outer = new wxBoxSizer(wxVERTICAL);
        outer->Add(m_grid, 1, wxEXPAND | wxALL, MARGIN);
        m_body.SetSizer(outer);
        auto* footRow = new wxBoxSizer(wxHORIZONTAL);
        footRow->AddStretchSpacer();
        for (wxWindow* button : m_footButtons)
            footRow->Add(button, 0, wxALL, GAP);
        m_foot.SetSizer(footRow);
    }

private:
    const ControlRow* Peek() const { return m_next < m_count ? &m_rows[m_next] : nullptr; }
    wxWindow* Make(wxWindow& parent, const ControlRow& row)
    {
        return CreateTableControl(parent, row, wxDefaultPosition, wxDefaultSize);
    }

    void Place(const ControlRow& row)
    {
        switch (row.kind) {
        case ControlKind::GroupBox:
            return PlaceSection(row);
        case ControlKind::Label:
            if (const ControlRow* next = Peek(); next && IsField(*next) && !IsField(row)) {
                ++m_next;
                return PlaceLabelled(row, *next);
            }
            return PlaceWide(Make(m_body, row));
        case ControlKind::Button:
            if (row.style & STYLE_DEFAULT) {
                m_footButtons.push_back(Make(m_foot, row));
                return;
            }
            return PlaceWide(Make(m_body, row), wxALIGN_RIGHT);
        default:
            return PlaceWide(Make(m_body, row));
        }
    }

    void PlaceSection(const ControlRow& row)
    {
        const int top = m_line == 0 ? 0 : 2 * GAP;
        if (!*row.text) {
            if (m_line > 0)
                AddSpanning(new wxStaticLine(&m_body), wxEXPAND | wxTOP, top);
            return;
        }
        wxWindow* caption = Make(m_body, ControlRow{row.id, ControlKind::Label, row.text, 0, 0, 0, 0, STYLE_NONE});
        caption->SetFont(caption->GetFont().Bold());
        AddSpanning(caption, wxTOP, top);
    }

    void PlaceLabelled(const ControlRow& label, const ControlRow& field)
    {
        wxWindow* labelControl = Make(m_body, label);
        if (IsPath(field)) {
            AddSpanning(labelControl, 0, 0);
            auto* row = new wxBoxSizer(wxHORIZONTAL);
            row->Add(Make(m_body, field), 1, wxALIGN_CENTRE_VERTICAL);
            if (const ControlRow* browse = Peek(); browse && browse->kind == ControlKind::Button) {
                ++m_next;
                row->Add(Make(m_body, *browse), 0, wxALIGN_CENTRE_VERTICAL | wxLEFT, GAP);
            }
            AddSpanning(row, wxEXPAND, 0);
            return;
        }
        m_grid->Add(labelControl, wxGBPosition(m_line, 0), wxDefaultSpan, wxALIGN_CENTRE_VERTICAL | wxBOTTOM, GAP);
        wxWindow* fieldControl = Make(m_body, field);
        int flags = wxALIGN_CENTRE_VERTICAL | wxBOTTOM;
        if (field.kind == ControlKind::Edit)
            fieldControl->SetMinSize(static_cast<wxTextCtrl*>(fieldControl)->GetSizeFromTextSize(
                fieldControl->GetTextExtent(wxString('0', SHORT_FIELD_CHARACTERS)).x));
        else
            flags |= wxEXPAND;
        m_grid->Add(fieldControl, wxGBPosition(m_line++, 1), wxDefaultSpan, flags, GAP);
    }

    void PlaceWide(wxWindow* control, int align = 0) { AddSpanning(control, align | wxBOTTOM, GAP); }

    template <class Item> void AddSpanning(Item* item, int flags, int border)
    {
        m_grid->Add(item, wxGBPosition(m_line++, 0), wxGBSpan(1, 2), flags, border);
    }

    wxWindow& m_body;
    wxWindow& m_foot;
    const ControlRow* m_rows;
    std::size_t m_count;
    std::size_t m_next = 0;
    int m_line = 0;
    wxGridBagSizer* m_grid = new wxGridBagSizer(GAP, 2 * GAP);
    std::vector<wxWindow*> m_footButtons;
};

} // namespace

void BuildColumn(wxWindow& body, wxWindow& foot, const DialogTemplate& dialog)
{
    ColumnBuilder(body, foot, dialog).Build();
}
