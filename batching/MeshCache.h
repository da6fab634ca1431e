#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "level/BoxGeometry.h"

// What a mesh is made from: equal keys make equal meshes.
using MeshKey = std::array<float, 12>;

// The corners of the preview's meshes, kept from frame to frame in one array that OpenGL draws
// from. A frame's walk asks for its meshes in its own order; a place whose key is unchanged
// keeps its corners, any other is built again. So a frame costs only what changed since the
// last one, whoever changed it and whether or not anybody was told.
class MeshCache {
public:
    // A frame's walk starts.
    void Rewind() { m_next = 0; }
    // The walk's next mesh: its first corner, with the number of corners in `count`. `build`
    // writes at most BOX_MESH_VERTICES corners and returns how many.
    template <typename Build> std::size_t Next(const MeshKey& key, Build build, int& count)
    {
        if (m_next == m_slots.size()) {
            m_slots.push_back({key, 0, false});
            m_vertices.resize(m_slots.size() * BOX_MESH_VERTICES);
        }
        Slot& slot = m_slots[m_next];
        const std::size_t first = m_next * BOX_MESH_VERTICES;
        if (!slot.built || slot.key != key) {
            slot = {key, build(&m_vertices[first]), true};
            ++m_builds;
        }
        ++m_next;
        count = slot.count;
        return first;
    }
    // The walk has ended: places it no longer reached go.
    void Finish();

    const MeshVertex* Vertices() const { return m_vertices.data(); }
    // Meshes built since the cache was made.
    unsigned long Builds() const { return m_builds; }

private:
    struct Slot {
        MeshKey key;
        int count;
        bool built;
    };

    std::vector<Slot> m_slots;
    std::vector<MeshVertex> m_vertices;
    std::size_t m_next = 0;
    unsigned long m_builds = 0;
};
