#include "views/MeasureGesture.h"

#include <algorithm>

#include <wx/glcanvas.h>
#include <wx/utils.h>

#include "document/ObjectNames.h"
#include "views/CEditGLView.h"

namespace {

// An end snaps to an object's corner this close to the pointer.
constexpr double kCornerReachPixels = 8.0;
constexpr double kHeldAngleStep = 15.0;

} // namespace

wxString MeasureStatus(const MeasureFigures& figures, double velocity)
{
    const wxString length = CompactNumber(figures.length);
    const wxString speed = CompactNumber(velocity);
    const wxString covered = figures.seconds
                                 ? wxString::Format(_("%s units, %s s at velocity %s"), length,
                                                    CompactNumber(*figures.seconds), speed)
                                 : wxString::Format(_("%s units, never covered at velocity %s"), length, speed);
    // The signs are no text to translate.
    return covered + L"; \u0394X " + CompactNumber(figures.dx) + L", \u0394Z " + CompactNumber(figures.dz) + ", " +
           wxString::Format(_("angle %s"), CompactNumber(figures.angleDeg)) + L"\u00B0";
}

MeasureGesture::MeasureGesture(CEditGLView& view, double velocity, std::vector<MeasurePoint> corners,
                               const wxPoint& press)
    : m_view(view), m_velocity(velocity), m_corners(std::move(corners))
{
    m_from = Snapped(press);
    m_view.m_measureLine = MeasureLine{m_from, m_from};
    m_view.SetStatusText(MeasureStatus(Measure(m_from, m_from, m_velocity), m_velocity));
    m_view.GetCanvas()->Refresh(false);
}

MeasurePoint MeasureGesture::Snapped(const wxPoint& point) const
{
    const LevelPoint p = m_view.UnprojectPoint(point.x, point.y);
    // The view's height spans 2/z level units.
    const double unitsPerPixel = 2.0 / (m_view.m_zoom * std::max(m_view.m_height, 1));
    return SnapMeasurePoint({p.x, p.z}, m_corners, kCornerReachPixels * unitsPerPixel,
                            m_view.m_snapToGrid ? m_view.m_gridSize : 0);
}

void MeasureGesture::Update(const wxPoint& point)
{
    MeasurePoint to = Snapped(point);
    if (wxGetKeyState(WXK_SHIFT))
        to = HoldAngle(m_from, to, kHeldAngleStep);
    m_view.m_measureLine = MeasureLine{m_from, to};
    m_view.SetStatusText(MeasureStatus(Measure(m_from, to, m_velocity), m_velocity));
    m_view.GetCanvas()->Refresh(false);
}

void MeasureGesture::Commit()
{
    // The line stays, its figures in the status bar; a click measures nothing and shows none.
    const MeasureLine& line = *m_view.m_measureLine;
    if (line.from.x == line.to.x && line.from.z == line.to.z)
        Cancel();
}

void MeasureGesture::Cancel()
{
    m_view.ClearMeasure();
}
