#pragma once

#include <cstddef>
#include <vector>

// One hit of a selection render: the record's minimum depth scaled to [0, 1) and its name
// stack, bottom first.
struct PickHit {
    double depth;
    std::vector<int> names;
};

// Entries of the one selection buffer that every pick shares.
constexpr std::size_t kSelectionBufferSize = 16384;

// Reads `hitCount` hit records from the first `size` entries of a selection buffer. A record
// that would reach past the buffer ends the reading, so a damaged count never reads outside it.
std::vector<PickHit> ParseHitRecords(const unsigned* buffer, std::size_t size, int hitCount);

// The names of every hit, nearest first as NearestHitPath orders them.
std::vector<std::vector<int>> PathsNearestFirst(std::vector<PickHit> hits);

// The names of the nearest hit: smallest depth first, then the lexicographically smaller name
// list. [-1] when there is no hit.
std::vector<int> NearestHitPath(std::vector<PickHit> hits);
