#include "checks/CellGrid.h"

#include <algorithm>
#include <cmath>

#include "checks/FootprintMath.h"

namespace {

int CellCount(float length)
{
    return std::max(1, static_cast<int>(std::ceil(length / CellGrid::kCellSize)));
}

} // namespace

CellGrid::CellGrid(const LevelRect& floor)
    : m_floor(floor), m_columns(CellCount(floor.maxX - floor.minX)), m_rows(CellCount(floor.maxZ - floor.minZ)),
      m_cells(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows), kFree)
{
}

void CellGrid::CentresWithin(float low, float high, float origin, int count, int& first, int& last)
{
    // Clamped as floats first: a huge wall must not overflow the conversion.
    const float from = std::clamp(std::ceil((low - origin) / kCellSize - 0.5f), 0.0f, static_cast<float>(count));
    const float to = std::clamp(std::floor((high - origin) / kCellSize - 0.5f), -1.0f, static_cast<float>(count - 1));
    first = static_cast<int>(from);
    last = static_cast<int>(to);
}

void CellGrid::Cover(const Footprint& wall)
{
    const LevelRect bounds = wall.Bounds();
    int firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0;
    CentresWithin(bounds.minX, bounds.maxX, m_floor.minX, m_columns, firstColumn, lastColumn);
    CentresWithin(bounds.minZ, bounds.maxZ, m_floor.minZ, m_rows, firstRow, lastRow);
    const TurnedFootprint turned(wall);
    for (int row = firstRow; row <= lastRow; ++row) {
        const float z = m_floor.minZ + (static_cast<float>(row) + 0.5f) * kCellSize;
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const float x = m_floor.minX + (static_cast<float>(column) + 0.5f) * kCellSize;
            if (turned.Holds(x, z, true))
                m_cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column)] = kCovered;
        }
    }
}

std::size_t CellGrid::CellAt(float x, float z) const
{
    const float column = std::clamp(std::floor((x - m_floor.minX) / kCellSize), 0.0f, static_cast<float>(m_columns - 1));
    const float row = std::clamp(std::floor((z - m_floor.minZ) / kCellSize), 0.0f, static_cast<float>(m_rows - 1));
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column);
}

bool CellGrid::FloodFrom(float x, float z)
{
    const std::size_t start = CellAt(x, z);
    if (m_cells[start] != kFree)
        return false;
    // Each cell enters the queue once, when it is first reached: linear in the cells.
    std::vector<std::size_t> queue{start};
    m_cells[start] = kReached;
    const auto columns = static_cast<std::size_t>(m_columns);
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const std::size_t cell = queue[next];
        const std::size_t column = cell % columns;
        const std::size_t neighbours[4] = {column > 0 ? cell - 1 : cell, column + 1 < columns ? cell + 1 : cell,
                                           cell >= columns ? cell - columns : cell,
                                           cell + columns < m_cells.size() ? cell + columns : cell};
        for (std::size_t neighbour : neighbours) {
            if (m_cells[neighbour] == kFree) {
                m_cells[neighbour] = kReached;
                queue.push_back(neighbour);
            }
        }
    }
    return true;
}

bool CellGrid::Reached(float x, float z) const
{
    return m_cells[CellAt(x, z)] == kReached;
}
