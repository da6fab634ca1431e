#pragma once

#include <vector>

class CSGNode;

// Draws the eight handles of each wall among `nodes` whose sides are at least `leastSide` long
// (other nodes have none) as squares of `half` level units to each side of their places, over
// everything drawn before, with the current matrices in level coordinates. Leaves the state as
// it found it.
void DrawWallHandles(const std::vector<CSGNode*>& nodes, float half, float leastSide);
