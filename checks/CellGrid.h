#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "geometry/Footprint.h"

// The floor cut into square cells, for the question where a snake can go: a cell is free when
// no wall covers its centre, and a free cell is reached when a path of free cells, each the
// left, right, upper or lower neighbour of the one before, leads to it from the start's cell.
class CellGrid {
public:
    static constexpr float kCellSize = 0.5f;

    explicit CellGrid(const LevelRect& floor);

    // Marks the cells whose centres the footprint covers, looking only at the cells of its
    // bounding rectangle.
    void Cover(const Footprint& wall);
    // Finds every cell reached from the cell at (x, z); false, with nothing reached, when that
    // cell is not free.
    bool FloodFrom(float x, float z);
    // Whether the cell at (x, z), or the nearest cell of the floor, was reached.
    bool Reached(float x, float z) const;

private:
    enum State : std::uint8_t { kFree, kCovered, kReached };

    std::size_t CellAt(float x, float z) const;
    // The columns (or rows) whose centres lie within [low, high] along an axis starting at
    // `origin` with `count` cells; empty (first > last) when none do.
    static void CentresWithin(float low, float high, float origin, int count, int& first, int& last);

    LevelRect m_floor;
    int m_columns;
    int m_rows;
    std::vector<State> m_cells;
};
