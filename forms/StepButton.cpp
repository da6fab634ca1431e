#include "forms/StepButton.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/renderer.h>
#include <wx/settings.h>
#include <wx/spinbutt.h>

StepButton::StepButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size)
    : wxControl(parent, id, pos, size, wxBORDER_NONE | wxWANTS_CHARS)
{
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, &StepButton::OnPaint, this);
    // A quick second click arrives as a double click; it is one more step all the same.
    Bind(wxEVT_LEFT_DOWN, &StepButton::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &StepButton::OnLeftDown, this);
    Bind(wxEVT_KEY_DOWN, &StepButton::OnKeyDown, this);
}

void StepButton::Step(bool up)
{
    wxSpinEvent event(up ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, GetId());
    event.SetEventObject(this);
    ProcessWindowEvent(event);
}

wxSize StepButton::DoGetBestSize() const
{
    return FromDIP(wxSize(16, 22));
}

void StepButton::OnLeftDown(wxMouseEvent& event)
{
    SetFocus();
    Step(event.GetY() < GetClientSize().y / 2);
}

void StepButton::OnKeyDown(wxKeyEvent& event)
{
    switch (event.GetKeyCode()) {
    case WXK_UP:
    case WXK_NUMPAD_UP:
        Step(true);
        break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        Step(false);
        break;
    default:
        event.Skip();
    }
}

void StepButton::OnPaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    const wxSize size = GetClientSize();
    const int upperHeight = size.y / 2;
    DrawHalf(dc, wxRect(0, 0, size.x, upperHeight), true);
    DrawHalf(dc, wxRect(0, upperHeight, size.x, size.y - upperHeight), false);
}

void StepButton::DrawHalf(wxDC& dc, const wxRect& rect, bool up)
{
    const int flags = IsEnabled() ? 0 : static_cast<int>(wxCONTROL_DISABLED);
    wxRendererNative::Get().DrawPushButton(this, dc, rect, flags);
    const wxSystemColour text = IsEnabled() ? wxSYS_COLOUR_BTNTEXT : wxSYS_COLOUR_GRAYTEXT;
    const wxColour colour = wxSystemSettings::GetColour(text);
    dc.SetPen(colour);
    dc.SetBrush(colour);
    const int half = std::max(1, std::min(rect.width, rect.height) / 4);
    const wxPoint centre(rect.x + rect.width / 2, rect.y + rect.height / 2);
    const int tip = up ? -half : half;
    const wxPoint arrow[] = {
        {centre.x - half, centre.y - tip / 2},
        {centre.x + half, centre.y - tip / 2},
        {centre.x, centre.y + tip / 2},
    };
    dc.DrawPolygon(3, arrow);
}
