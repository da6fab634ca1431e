#pragma once

#include <cstddef>
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
// The name paths of every object there, nearest first.
std::vector<std::vector<int>> PickLevelPaths(LevelScene& scene, int x, int y, float time);

// Which of the walls, items and start marker under one spot a click takes: the one with the
// smallest footprint, and at a second click on the same spot without a move in between, the
// next one under it, round and round.
class PickCycle {
public:
    // The objects ordered as clicks take them: smallest footprint first, then nearest first
    // (the start marker counts as small).
    static std::vector<CSGNode*> BySize(std::vector<CSGNode*> nearestFirst);
    // The place in `objects` (ordered by BySize) that a click at pixel (x, y) takes, when
    // `selected` is the one object selected now; `otherwise` when the click does not repeat the
    // last one. Remembers the answer for the next click.
    std::size_t Take(int x, int y, const std::vector<CSGNode*>& objects, const CSGNode* selected, std::size_t otherwise);

private:
    int m_x = 0, m_y = 0;
    // Compared with, never followed: the nodes may have left the level since.
    std::vector<const CSGNode*> m_objects;
    std::size_t m_index = 0;
};
