#pragma once

#include <wx/control.h>

// A pair of arrow buttons, one above the other, that carries no value: each click on the upper
// arrow (or the Up key while it has the focus) sends one wxEVT_SPIN_UP with the control's id,
// each click on the lower arrow (or the Down key) one wxEVT_SPIN_DOWN. The toolkit's own spin
// button keeps a position with limits and needs more room than a dialog row offers.
class StepButton : public wxControl {
public:
    StepButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size);

    // Sends the step as a click would.
    void Step(bool up);

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void DrawHalf(wxDC& dc, const wxRect& rect, bool up);
};
