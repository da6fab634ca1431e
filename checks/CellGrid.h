#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "checks/FootprintMath.h"

// The floor cut into square cells, for the question where a snake can go: a cell is free when
// no wall covers its centre, and a free cell is reached when a path of free cells, each the
// left, right, upper or lower neighbour of the one before, leads to it from the start. A point
// on a boundary between cells lies in every cell that touches it, so that the answers do not
// change when the level is mirrored.
class CellGrid {
public:
    static constexpr double kCellSize = 0.5;

    explicit CellGrid(const LevelRect& floor);

    // Marks the cells whose centres lie inside the footprint, looking only at the cells of its
    // bounding rectangle.
    void Cover(const TurnedFootprint& wall);
    // Finds every cell reached from the cells of (x, z). The point is on free floor, so its own
    // cells count as free even where a wall covers their centres.
    void FloodFrom(double x, double z);
    // Whether an object on free floor at (x, z) is reached: one of its cells, or a neighbour of
    // one, is reached. With `inWall`, only its own cells count.
    bool Reached(double x, double z, bool inWall) const;

private:
    enum State : std::uint8_t { kFree, kCovered, kReached };

    // At most four cells: those that hold a point, or a cell's neighbours.
    struct Cells {
        std::size_t cells[4];
        int count = 0;
    };
    // The cells whose closed squares hold (x, z), up to the tolerance; the nearest cells of the
    // floor for a point off it.
    Cells CellsAt(double x, double z) const;
    // The cell's neighbours on the floor, left, right, up and down.
    Cells NeighboursOf(std::size_t cell) const;
    // The columns (or rows) whose centres lie within [low, high] along an axis starting at
    // `origin` with `count` cells; empty (first > last) when none do.
    static void CentresWithin(double low, double high, double origin, int count, int& first, int& last);
    // The columns (or rows) whose closed spans hold `value`.
    static void SpansHolding(double value, double origin, int count, int& first, int& last);

    LevelRect m_floor;
    int m_columns;
    int m_rows;
    std::vector<State> m_cells;
};
