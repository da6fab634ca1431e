#include "batching/MeshCache.h"

void MeshCache::Finish()
{
    m_slots.resize(m_next);
    m_vertices.resize(m_next * BOX_MESH_VERTICES);
}
