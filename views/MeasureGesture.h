#pragma once

#include <vector>

#include <wx/gdicmn.h>
#include <wx/mousestate.h>
#include <wx/string.h>

#include "views/EditGestures.h"
#include "views/MeasureFigures.h"

// A measured line of the edit view, from where the press was to where the pointer went.
struct MeasureLine {
    MeasurePoint from, to;
};

// The figures of a measured line in one status line: "6.5 units, 3.25 s at velocity 2; ΔX 6.5,
// ΔZ 0, angle 0°".
wxString MeasureStatus(const MeasureFigures& figures, double velocity);

// Measures from the press to the pointer; the line and its figures stay in the view after the
// release, until Escape or the next measure. Both ends snap to the nearest object corner within
// a few pixels, or else to the grid while snapping is on; Shift holds the line's direction to
// steps of 15°. It changes nothing of the level.
class MeasureGesture : public EditGesture {
public:
    MeasureGesture(CEditGLView& view, double velocity, std::vector<MeasurePoint> corners, const wxPoint& press);
    Kind GetKind() const override { return Kind::Measure; }
    int Button() const override { return wxMOUSE_BTN_LEFT; }
    void Update(const wxPoint& point) override;
    void Commit() override;
    void Cancel() override;

private:
    MeasurePoint Snapped(const wxPoint& point) const;

    CEditGLView& m_view;
    double m_velocity;
    std::vector<MeasurePoint> m_corners;
    MeasurePoint m_from;
};
