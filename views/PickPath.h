#pragma once

#include <vector>

class CSGGroup;
class CSGNode;
class LevelScene;

// Picking in the current context and reading a pick's name path ([0, k, j, ...] below the level group, or [-1] for no hit).

// The node the path names: [0, k] is the level group's child k, [0, k, j] the child j of that
// child, and so on. Null for a miss, for the bare [0], and for a path that names no child at
// any of its levels (an index past the end, or one that steps into a node that is no group).
CSGNode* NodeAtPath(const CSGGroup& levelGroup, const std::vector<int>& path);

// The name path of the nearest object of the scene's level group under pixel (x, y) (physical
// pixels from the top left) with the matrices of the last frame drawn in the current context;
// a click inside an outline counts as a hit.
std::vector<int> PickLevelPath(LevelScene& scene, int x, int y, float time);
