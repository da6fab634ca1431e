#pragma once

#include <wx/scrolwin.h>

struct DialogTemplate;

// A pane that holds a dialog template's controls at their places, in the dialog font, and
// scrolls when it is smaller than the template.
class FormPane : public wxScrolledWindow {
public:
    FormPane(wxWindow* parent, const DialogTemplate& dialog);

    // Keeps the shown part of the form where the scroll position says it is, also when a
    // larger pane needs less scrolling than before.
    void AdjustScrollbars() override;

protected:
    // The whole form, with nothing to scroll.
    wxSize DoGetBestSize() const override { return m_formSize; }

private:
    wxSize m_formSize;
};
