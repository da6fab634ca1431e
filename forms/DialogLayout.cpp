#include "forms/DialogLayout.h"

#include "forms/StepButton.h"

#include <algorithm>
#include <vector>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/sizer.h>
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
    return (style & STYLE_CENTRED) ? wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE : 0;
}

// A framed label: the toolkit draws no border around a plain label, so the label stands,
// vertically centred, in a framed pane of the table's place. The pane is what is returned.
wxWindow* CreateFramedLabel(wxWindow& parent, const ControlRow& row, const wxString& text,
                            const wxPoint& pos, const wxSize& size)
{
    auto* frame = new wxPanel(&parent, wxID_ANY, pos, size, wxBORDER_SIMPLE);
    const int textHeight = parent.GetTextExtent(text.empty() ? wxString("X") : text).y;
    auto* label = new wxStaticText(frame, row.id, text, wxDefaultPosition, wxSize(-1, textHeight), LabelStyle(row.style));
    // A sizer keeps the text centred in a frame whose size a table or a column gives.
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->AddStretchSpacer();
    column->Add(label, 0, wxEXPAND);
    column->AddStretchSpacer();
    frame->SetSizer(column);
    frame->Layout();
    return frame;
}

} // namespace

wxWindow* CreateTableControl(wxWindow& parent, const ControlRow& row, const wxPoint& pos, const wxSize& size)
{
    // Edits start empty; every other text is shown in the desktop's language.
    const wxString text = *row.text ? wxGetTranslation(row.text) : wxString();
    switch (row.kind) {
    case ControlKind::GroupBox:
        return new wxStaticBox(&parent, row.id, text, pos, size);
    case ControlKind::Label:
        if (row.style & STYLE_BORDER)
            return CreateFramedLabel(parent, row, text, pos, size);
        return new wxStaticText(&parent, row.id, text, pos, size, LabelStyle(row.style));
    case ControlKind::Edit:
        return new wxTextCtrl(&parent, row.id, text, pos, size, EditStyle(row.style));
    case ControlKind::Button: {
        // No padding of the toolkit's own: the table gives every button its size, and a
        // narrow one ("...") would otherwise have no room left for its text.
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

namespace {


// The toolkit draws wider frames around edits, check boxes and labels than the dialog units
// allow for, so a control narrower or lower than it needs to show its content whole is
// widened (and heightened) to that size, about the middle of its table place. The content of
// an edit is the text room that its table width leaves inside a frame of two dialog units a
// side; a label needs its text; a check box its box and text.
wxSize ContentSize(wxWindow& control, const ControlRow& row, const wxSize& tableSize)
{
    switch (row.kind) {
    case ControlKind::Edit: {
        const int frame = DialogUnitsToPixels(*control.GetParent(), wxSize(4, 0)).x;
        const int room = std::max(tableSize.x - frame, 0);
        return wxSize(static_cast<wxTextCtrl&>(control).GetSizeFromTextSize(room).x, 0);
    }
    case ControlKind::Label:
        return wxSize(control.GetTextExtent(control.GetLabel()).x, 0);
    case ControlKind::CheckBox:
        return control.GetBestSize();
    default:
        return wxSize(0, 0);
    }
}

// Where the grown control goes along one axis: about the table place's middle, or, when
// `keepEnd` is set, ending where the table place ends (a spin button adjoins it there).
int GrownStart(int start, int tableLength, int length, bool keepEnd)
{
    const int growth = length - tableLength;
    return keepEnd ? start - growth : start - growth / 2;
}

// Whether `next` starts right at the end of `row`, on the same line: a spin button bound to
// the edit before it.
bool AdjoinsOnTheRight(const ControlRow& row, const ControlRow* next)
{
    return next && next->kind == ControlKind::SpinButton && next->x == row.x + row.width &&
           next->y == row.y;
}

void FitContent(wxWindow& control, const ControlRow& row, const wxRect& table,
                const ControlRow* next)
{
    const wxSize needed = ContentSize(control, row, table.GetSize());
    if (needed.x <= table.width && needed.y <= table.height)
        return;
    const wxSize size(std::max(needed.x, table.width), std::max(needed.y, table.height));
    // A label's text starts at its left edge; a centred one grows to both sides.
    const bool leftAligned = row.kind == ControlKind::Label && !(row.style & STYLE_CENTRED);
    const int x = leftAligned ? table.x
                              : GrownStart(table.x, table.width, size.x, AdjoinsOnTheRight(row, next));
    const int y = GrownStart(table.y, table.height, size.y, false);
    control.SetSize(x, y, size.x, size.y);
}

// The fields of a built dialog, in table order: the controls that take the focus now, also
// those inside the panels that hold part of a form (a scrolled body, a foot).
void CollectFocusableFields(const wxWindow& window, std::vector<wxWindow*>& fields)
{
    for (wxWindow* child : window.GetChildren()) {
        if (!dynamic_cast<wxControl*>(child)) {
            if (child->IsShown())
                CollectFocusableFields(*child, fields);
        } else if (child->IsShown() && child->IsEnabled() && child->AcceptsFocusFromKeyboard()) {
            fields.push_back(child);
        }
    }
}

std::vector<wxWindow*> FocusableFields(const wxWindow& window)
{
    std::vector<wxWindow*> fields;
    CollectFocusableFields(window, fields);
    return fields;
}

// Moves the focus from the field that has it to the next (or previous) field, round the end.
void MoveFocusAmongFields(wxWindow& window, bool forward)
{
    const std::vector<wxWindow*> fields = FocusableFields(window);
    if (fields.empty())
        return;
    // The focus may sit inside a field (the text of a combo box).
    wxWindow* focus = wxWindow::FindFocus();
    while (focus && focus != &window && std::find(fields.begin(), fields.end(), focus) == fields.end())
        focus = focus->GetParent();
    const std::size_t count = fields.size();
    const auto found = std::find(fields.begin(), fields.end(), focus);
    std::size_t next = forward ? 0 : count - 1;
    if (found != fields.end())
        next = (static_cast<std::size_t>(found - fields.begin()) + (forward ? 1 : count - 1)) % count;
    fields[next]->SetFocusFromKbd();
}

// Tab and Shift+Tab go round the dialog's own fields in table order, also in a pane that is
// no dialog: the toolkit's traversal would follow screen positions and, in a pane, leave it
// for the neighbouring panes after the last field.
void OnTabKey(wxWindow& window, wxKeyEvent& event)
{
    if (event.GetKeyCode() != WXK_TAB || event.ControlDown() || event.AltDown()) {
        event.Skip();
        return;
    }
    MoveFocusAmongFields(window, !event.ShiftDown());
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
        // Both corners converted, so that places adjoining in the table adjoin in pixels too.
        const wxPoint pos = DialogUnitsToPixels(window, wxPoint(row.x, row.y));
        const wxPoint end = DialogUnitsToPixels(window, wxPoint(row.x + row.width, row.y + row.height));
        const wxSize size(end.x - pos.x, end.y - pos.y);
        wxWindow* control = CreateTableControl(window, row, pos, size);
        FitContent(*control, row, wxRect(pos, size),
                   i + 1 < dialog.rowCount ? &dialog.rows[i + 1] : nullptr);
    }
    BindDialogKeys(window, dialog);
}

void BindDialogKeys(wxWindow& window, const DialogTemplate& dialog)
{
    for (std::size_t i = 0; i < dialog.rowCount; ++i) {
        const ControlRow& row = dialog.rows[i];
        if (row.kind == ControlKind::Button && (row.style & STYLE_DEFAULT)) {
            const int id = row.id;
            window.Bind(wxEVT_TEXT_ENTER, [&window, id](wxCommandEvent&) { PressButton(window, id); });
        }
    }
    window.Bind(wxEVT_CHAR_HOOK, [&window](wxKeyEvent& event) { OnTabKey(window, event); });
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
