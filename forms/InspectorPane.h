#pragma once

#include <wx/panel.h>

struct DialogTemplate;
class wxScrolledWindow;

// A form laid out as one column for a docked panel: each section of the table under its
// caption, labels beside short fields, path fields across the whole width. The column scrolls
// only up and down; the default button (Apply) stays in sight at the panel's foot.
class InspectorPane : public wxPanel {
public:
    InspectorPane(wxWindow* parent, const DialogTemplate& dialog);

    wxScrolledWindow& Body() const { return *m_body; }
    wxWindow& Foot() const { return *m_foot; }

private:
    wxScrolledWindow* m_body;
    wxPanel* m_foot;
};
