#pragma once

#include "geometry/Footprint.h"

// Point, ray and area questions about footprints, in level units. The file keeps six decimals,
// so values closer than kTolerance count as equal: a point on a face touches the footprint but
// is not inside, and two shapes that share only an edge do not overlap.
constexpr double kTolerance = 1e-6;

// A footprint with the cosine and sine of its turn worked out once, for many questions.
struct TurnedFootprint {
    explicit TurnedFootprint(const Footprint& footprint);

    // Whether (x, z) lies inside the footprint, farther than the tolerance from its faces.
    bool Holds(double x, double z) const;

    Footprint footprint;
    FootprintAxes axes;
};

// Whether the two share an area, not just an edge or a corner (separating axes).
bool FootprintsOverlap(const TurnedFootprint& a, const TurnedFootprint& b);
// Whether the footprint shares an area with the rectangle.
bool OverlapsRect(const TurnedFootprint& footprint, const LevelRect& rect);
// Whether the rectangle holds the footprint, up to the tolerance.
bool RectHolds(const LevelRect& rect, const Footprint& footprint);
bool RectHoldsPoint(const LevelRect& rect, double x, double z);

// How far from (x, z) along the unit direction (dx, dz) the ray first enters the footprint's
// inside: 0 from inside or from a face it runs into, a negative value when it never does (a ray
// that leaves the footprint where it starts, or only grazes it, hits nothing).
double RayDistanceTo(const Footprint& footprint, double x, double z, double dx, double dz);

// How far from (x, z), on the rectangle, along the unit direction (dx, dz) its edge is.
double RayDistanceToEdge(const LevelRect& rect, double x, double z, double dx, double dz);
