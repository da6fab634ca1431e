#include "checks/CellGrid.h"

#include <algorithm>
#include <cmath>


namespace {

int CellCount(double length)
{
    return std::max(1, static_cast<int>(std::ceil(length / CellGrid::kCellSize - kTolerance)));
}

// An index within [0, count - 1], clamped as a double first: a huge wall must not overflow it.
int Clamped(double index, int low, int count)
{
    return static_cast<int>(std::clamp(index, static_cast<double>(low), static_cast<double>(count - 1)));
}

} // namespace

CellGrid::CellGrid(const LevelRect& floor)
    : m_floor(floor), m_columns(CellCount(floor.maxX - floor.minX)), m_rows(CellCount(floor.maxZ - floor.minZ)),
      m_cells(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows), kFree)
{
}

void CellGrid::CentresWithin(double low, double high, double origin, int count, int& first, int& last)
{
    first = Clamped(std::ceil((low - origin) / kCellSize - 0.5), 0, count + 1);
    last = Clamped(std::floor((high - origin) / kCellSize - 0.5), -1, count);
}

void CellGrid::SpansHolding(double value, double origin, int count, int& first, int& last)
{
    const double at = (value - origin) / kCellSize;
    const double slack = kTolerance / kCellSize;
    first = Clamped(std::ceil(at - slack) - 1.0, 0, count);
    last = std::max(first, Clamped(std::floor(at + slack), 0, count));
}

void CellGrid::Cover(const TurnedFootprint& wall)
{
    const LevelRect bounds = wall.footprint.Bounds();
    int firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0;
    CentresWithin(bounds.minX, bounds.maxX, m_floor.minX, m_columns, firstColumn, lastColumn);
    CentresWithin(bounds.minZ, bounds.maxZ, m_floor.minZ, m_rows, firstRow, lastRow);
    for (int row = firstRow; row <= lastRow; ++row) {
        const double z = m_floor.minZ + (row + 0.5) * kCellSize;
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const double x = m_floor.minX + (column + 0.5) * kCellSize;
            if (wall.Holds(x, z))
                m_cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column)] = kCovered;
        }
    }
}

CellGrid::Cells CellGrid::CellsAt(double x, double z) const
{
    // The tolerance is far below a cell, so a point lies in at most two columns and two rows.
    int firstColumn = 0, lastColumn = 0, firstRow = 0, lastRow = 0;
    SpansHolding(x, m_floor.minX, m_columns, firstColumn, lastColumn);
    SpansHolding(z, m_floor.minZ, m_rows, firstRow, lastRow);
    Cells found{};
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column)
            found.cells[found.count++] =
                static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column);
    return found;
}

CellGrid::Cells CellGrid::NeighboursOf(std::size_t cell) const
{
    const auto columns = static_cast<std::size_t>(m_columns);
    const std::size_t column = cell % columns;
    Cells found{};
    const auto add = [&found](bool onFloor, std::size_t neighbour) {
        if (onFloor)
            found.cells[found.count++] = neighbour;
    };
    add(column > 0, cell - 1);
    add(column + 1 < columns, cell + 1);
    add(cell >= columns, cell - columns);
    add(cell + columns < m_cells.size(), cell + columns);
    return found;
}

void CellGrid::FloodFrom(double x, double z)
{
    // Each cell enters the queue once, when it is first reached: linear in the cells.
    const Cells start = CellsAt(x, z);
    std::vector<std::size_t> queue(start.cells, start.cells + start.count);
    for (std::size_t cell : queue)
        m_cells[cell] = kReached;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const Cells neighbours = NeighboursOf(queue[next]);
        for (int i = 0; i < neighbours.count; ++i)
            if (m_cells[neighbours.cells[i]] == kFree) {
                m_cells[neighbours.cells[i]] = kReached;
                queue.push_back(neighbours.cells[i]);
            }
    }
}

bool CellGrid::Reached(double x, double z, bool inWall) const
{
    const Cells own = CellsAt(x, z);
    for (int i = 0; i < own.count; ++i) {
        if (m_cells[own.cells[i]] == kReached)
            return true;
        if (inWall)
            continue;
        const Cells neighbours = NeighboursOf(own.cells[i]);
        for (int n = 0; n < neighbours.count; ++n)
            if (m_cells[neighbours.cells[n]] == kReached)
                return true;
    }
    return false;
}
