#include "checks/BucketGrid.h"

#include <algorithm>
#include <cmath>

namespace {

const std::vector<int> kNone;

} // namespace

BucketGrid::BucketGrid(const LevelRect& area, double bucketSize)
    : m_area(area),
      m_size(std::max({bucketSize, (area.maxX - area.minX) / kMaxSide, (area.maxZ - area.minZ) / kMaxSide})),
      m_columns(std::clamp(static_cast<int>(std::ceil((area.maxX - area.minX) / m_size)), 1, kMaxSide)),
      m_rows(std::clamp(static_cast<int>(std::ceil((area.maxZ - area.minZ) / m_size)), 1, kMaxSide)),
      m_buckets(static_cast<std::size_t>(m_columns * m_rows))
{
}

int BucketGrid::Index(double value, double origin, int count) const
{
    return static_cast<int>(std::clamp(std::floor((value - origin) / m_size), 0.0, static_cast<double>(count - 1)));
}

template <class Use>
void BucketGrid::ForBuckets(const LevelRect& rect, Use use) const
{
    if (rect.maxX < m_area.minX || rect.minX > m_area.maxX || rect.maxZ < m_area.minZ || rect.minZ > m_area.maxZ)
        return;
    const int lastColumn = Index(rect.maxX, m_area.minX, m_columns);
    const int lastRow = Index(rect.maxZ, m_area.minZ, m_rows);
    for (int row = Index(rect.minZ, m_area.minZ, m_rows); row <= lastRow; ++row)
        for (int column = Index(rect.minX, m_area.minX, m_columns); column <= lastColumn; ++column)
            use(static_cast<std::size_t>(row * m_columns + column));
}

void BucketGrid::Insert(int id, const LevelRect& bounds)
{
    ForBuckets(bounds, [&](std::size_t bucket) { m_buckets[bucket].push_back(id); });
}

const std::vector<int>& BucketGrid::Near(double x, double z) const
{
    if (!(x >= m_area.minX && x <= m_area.maxX && z >= m_area.minZ && z <= m_area.maxZ))
        return kNone;
    return m_buckets[static_cast<std::size_t>(Index(z, m_area.minZ, m_rows) * m_columns +
                                              Index(x, m_area.minX, m_columns))];
}

std::vector<int> BucketGrid::Within(const LevelRect& rect) const
{
    std::vector<int> ids;
    ForBuckets(rect, [&](std::size_t bucket) { ids.insert(ids.end(), m_buckets[bucket].begin(), m_buckets[bucket].end()); });
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}
