#pragma once

#include <cstddef>
#include <vector>

#include "geometry/Footprint.h"

// Objects sorted into square buckets over an area by their bounding rectangles, so that the
// objects near a point are found without looking at all of them. At most 256 x 256 buckets,
// whatever the area.
class BucketGrid {
public:
    BucketGrid(const LevelRect& area, double bucketSize);

    // Files `id` in every bucket its bounds touch within the area.
    void Insert(int id, const LevelRect& bounds);
    // The ids filed in the bucket of (x, z): none outside the area.
    const std::vector<int>& Near(double x, double z) const;
    // The ids filed in the buckets the rectangle touches, each once, in ascending order.
    std::vector<int> Within(const LevelRect& rect) const;

private:
    static constexpr int kMaxSide = 256;

    // The bucket column (or row) of a coordinate along an axis, clamped to the area.
    int Index(double value, double origin, int count) const;
    // Calls `use` with each bucket the rectangle touches within the area.
    template <class Use>
    void ForBuckets(const LevelRect& rect, Use use) const;

    LevelRect m_area;
    double m_size;
    int m_columns;
    int m_rows;
    std::vector<std::vector<int>> m_buckets;
};
