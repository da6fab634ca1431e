#include "app/DialogLayout.h"

#include <algorithm>

#include "app/StepButton.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int DIALOG_FONT_POINTS = 8;

// The toolkit's own conversion measures the top-level window's font, not the font of the
// window that holds the controls; so the base units are measured here, as the average width
// of the letters and the line height of `window`'s own font.
wxSize DialogUnitBase(const wxWindow& window)
{
    static const wxString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    int width = 0;
    int height = 0;
    window.GetTextExtent(letters, &width, &height);
    return wxSize((width / 26 + 1) / 2, height);
}

// Every edit reports Enter, which presses the default button as in a dialog.
long EditStyle(unsigned style)
{
    return wxTE_PROCESS_ENTER | ((style & STYLE_READ_ONLY) ? wxTE_READONLY : 0);
}

// An edit whose text uses the whole box: GTK's own padding would leave a two-digit edit of
// the dialog showing one digit.
class CompactEdit : public wxTextCtrl {
public:
    CompactEdit(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size, long style)
        : wxTextCtrl(parent, id, wxString(), pos, size, style)
    {
#ifdef __WXGTK3__
        GTKApplyCssStyle("entry { padding: 0 2px; min-height: 0; }");
#endif
    }
};

void PressButton(wxWindow& window, int id)
{
    auto* button = FindControl<wxButton>(window, id);
    if (!button || !button->IsEnabled())
        return;
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->Command(click);
}

long LabelStyle(unsigned style)
{
    long wxStyle = 0;
    if (style & STYLE_CENTRED)
        wxStyle |= wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE;
    if (style & STYLE_BORDER)
        wxStyle |= wxBORDER_SIMPLE;
    return wxStyle;
}

wxWindow* CreateControl(wxWindow& parent, const ControlRow& row, const wxPoint& pos,
                        const wxSize& size)
{
    const wxString text = wxString::FromUTF8(row.text);
    switch (row.kind) {
    case ControlKind::GroupBox:
        return new wxStaticBox(&parent, row.id, text, pos, size);
    case ControlKind::Label: {
        // A label wider than its box in this font keeps its whole text on one line.
        auto* label = new wxStaticText(&parent, row.id, text, pos, size, LabelStyle(row.style));
        label->SetSize(wxSize(std::max(size.x, label->GetBestSize().x), size.y));
        return label;
    }
    case ControlKind::Edit:
        return new CompactEdit(&parent, row.id, pos, size, EditStyle(row.style));
    case ControlKind::Button: {
        // Exact fit drops the padding that would hide a short text in a small button.
        auto* button = new wxButton(&parent, row.id, text, pos, size, wxBU_EXACTFIT);
        if (row.style & STYLE_DEFAULT)
            button->SetDefault();
        return button;
    }
    case ControlKind::CheckBox:
        return new wxCheckBox(&parent, row.id, text, pos, size);
    case ControlKind::ComboBox:
        // The table's height is that of the dropped-down list; the closed box keeps the
        // toolkit's own height.
        return new wxComboBox(&parent, row.id, text, pos, wxSize(size.x, -1), 0, nullptr,
                              wxCB_DROPDOWN);
    case ControlKind::SpinButton:
        return new StepButton(&parent, row.id, pos, size);
    }
    return nullptr;
}

} // namespace

void SetDialogFont(wxWindow& window)
{
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    font.SetPointSize(DIALOG_FONT_POINTS);
    window.SetFont(font);
}

void BuildDialog(wxWindow& window, const DialogTemplate& dialog)
{
    for (std::size_t i = 0; i < dialog.rowCount; ++i) {
        const ControlRow& row = dialog.rows[i];
        const wxPoint pos = DialogUnitsToPixels(window, wxPoint(row.x, row.y));
        const wxSize size = DialogUnitsToPixels(window, wxSize(row.width, row.height));
        CreateControl(window, row, pos, size);
        if (row.kind == ControlKind::Button && (row.style & STYLE_DEFAULT)) {
            const int id = row.id;
            window.Bind(wxEVT_TEXT_ENTER, [&window, id](wxCommandEvent&) { PressButton(window, id); });
        }
    }
}

wxPoint DialogUnitsToPixels(const wxWindow& window, const wxPoint& units)
{
    const wxSize base = DialogUnitBase(window);
    return wxPoint(wxMulDivInt32(units.x, base.x, 4), wxMulDivInt32(units.y, base.y, 8));
}

wxSize DialogUnitsToPixels(const wxWindow& window, const wxSize& units)
{
    const wxPoint pixels = DialogUnitsToPixels(window, wxPoint(units.x, units.y));
    return wxSize(pixels.x, pixels.y);
}

wxSize DialogSizeInPixels(const wxWindow& window, const DialogTemplate& dialog)
{
    return DialogUnitsToPixels(window, wxSize(dialog.width, dialog.height));
}

wxWindow* CreateFormWindow(wxWindow* parent, const DialogTemplate& dialog)
{
    auto* form = new wxScrolledWindow(parent, wxID_ANY);
    SetDialogFont(*form);
    BuildDialog(*form, dialog);
    form->SetVirtualSize(DialogSizeInPixels(*form, dialog));
    form->SetScrollRate(8, 8);
    return form;
}
