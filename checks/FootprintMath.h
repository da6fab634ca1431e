#pragma once

#include "geometry/Footprint.h"

// Point and ray questions about a footprint, in level units.

// A footprint with the cosine and sine of its turn worked out once, for many questions.
struct TurnedFootprint {
    explicit TurnedFootprint(const Footprint& footprint);

    // Whether (x, z) lies inside the footprint: strictly, or with `closed` on its edge too.
    bool Holds(float x, float z, bool closed) const;

    Footprint footprint;
    FootprintAxes axes;
};

bool FootprintHolds(const Footprint& footprint, float x, float z, bool closed);

// How far from (x, z) along the unit direction (dx, dz) the ray first meets the footprint: 0
// from inside, a negative value when it never does.
float RayDistanceTo(const Footprint& footprint, float x, float z, float dx, float dz);

// How far from (x, z), inside the rectangle, along the unit direction (dx, dz) its edge is.
float RayDistanceToEdge(const LevelRect& rect, float x, float z, float dx, float dz);
