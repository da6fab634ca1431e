#pragma once

#include <cstddef>

#include <wx/window.h>

// Dialogs described as tables, in the dialog units of their layout: a dialog unit is a quarter
// of the dialog font's average character width horizontally and an eighth of its height
// vertically, so the layout keeps its proportions whatever font the system offers.

enum class ControlKind {
    GroupBox,
    Label,
    Edit,
    Button,
    CheckBox,
    ComboBox,
    SpinButton, // a StepButton: one step up or down per click, no value of its own
};

// Style flags of a control row.
enum ControlStyle : unsigned {
    STYLE_NONE = 0,
    STYLE_READ_ONLY = 1u << 0,  // edit: shows text the user cannot change
    STYLE_CENTRED = 1u << 1,    // label: text centred in its box
    STYLE_BORDER = 1u << 2,     // label: framed
    STYLE_DEFAULT = 1u << 3,    // button: pressed by Enter
};

// Id of the labels and group boxes that no code addresses.
constexpr int ID_STATIC = -1;

struct ControlRow {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, width, height; // dialog units
    unsigned style;
};

struct DialogTemplate {
    int id;
    int width, height; // dialog units
    const char* title; // empty for a form without caption
    const ControlRow* rows;
    std::size_t rowCount;
};

// Gives `window` the dialog font (the system's GUI font at 8 points), which every control made
// on it inherits and from which its dialog units are measured.
void SetDialogFont(wxWindow& window);

// Creates every control of the template as a child of `window`, in table order (so the tab
// order follows the table), at the table's positions converted with the window's font. An
// edit, label or check box that the toolkit cannot show whole in its place grows about it.
// Enter in an edit presses the template's default button while that button is enabled; Tab and
// Shift+Tab go round the enabled fields in table order.
void BuildDialog(wxWindow& window, const DialogTemplate& dialog);

// One control of a table row, as a child of `parent`, at `pos` and `size` in pixels (a default
// position and size let a sizer place it).
wxWindow* CreateTableControl(wxWindow& parent, const ControlRow& row, const wxPoint& pos, const wxSize& size);

// The keys of a built dialog, for controls anywhere below `window`: Enter in an edit presses the
// template's default button while that button is enabled; Tab and Shift+Tab go round the
// enabled fields in table order.
void BindDialogKeys(wxWindow& window, const DialogTemplate& dialog);

// Dialog units in pixels of `window`'s own font.
wxPoint DialogUnitsToPixels(const wxWindow& window, const wxPoint& units);
wxSize DialogUnitsToPixels(const wxWindow& window, const wxSize& units);
// The size of the whole template in pixels of `window`'s font.
wxSize DialogSizeInPixels(const wxWindow& window, const DialogTemplate& dialog);

// The control with `id` below `window`, or null when there is none of that class.
template <class Control>
Control* FindControl(const wxWindow& window, int id)
{
    return dynamic_cast<Control*>(window.FindWindow(id));
}
