#include "checks/BucketGrid.h"

#include <algorithm>
#include <cmath>

namespace {

const std::vector<int> kNone;

} // namespace

BucketGrid::BucketGrid(const LevelRect& area, float bucketSize)
    : m_area(area),
      m_size(std::max({bucketSize, (area.maxX - area.minX) / kMaxSide, (area.maxZ - area.minZ) / kMaxSide})),
      m_columns(std::clamp(static_cast<int>(std::ceil((area.maxX - area.minX) / m_size)), 1, kMaxSide)),
      m_rows(std::clamp(static_cast<int>(std::ceil((area.maxZ - area.minZ) / m_size)), 1, kMaxSide)),
      m_buckets(static_cast<std::size_t>(m_columns * m_rows))
{
}

int BucketGrid::Index(float value, float origin, int count) const
{
    return static_cast<int>(std::clamp(std::floor((value - origin) / m_size), 0.0f, static_cast<float>(count - 1)));
}

void BucketGrid::Insert(int id, const LevelRect& bounds)
{
    if (bounds.maxX < m_area.minX || bounds.minX > m_area.maxX || bounds.maxZ < m_area.minZ ||
        bounds.minZ > m_area.maxZ)
        return;
    const int lastColumn = Index(bounds.maxX, m_area.minX, m_columns);
    const int lastRow = Index(bounds.maxZ, m_area.minZ, m_rows);
    for (int row = Index(bounds.minZ, m_area.minZ, m_rows); row <= lastRow; ++row)
        for (int column = Index(bounds.minX, m_area.minX, m_columns); column <= lastColumn; ++column)
            m_buckets[static_cast<std::size_t>(row * m_columns + column)].push_back(id);
}

const std::vector<int>& BucketGrid::Near(float x, float z) const
{
    if (!(x >= m_area.minX && x <= m_area.maxX && z >= m_area.minZ && z <= m_area.maxZ))
        return kNone;
    return m_buckets[static_cast<std::size_t>(Index(z, m_area.minZ, m_rows) * m_columns +
                                              Index(x, m_area.minX, m_columns))];
}
