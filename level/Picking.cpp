#include "level/Picking.h"

#include <algorithm>

#include <GL/gl.h>
#include <GL/glu.h>

#include "level/LevelGroupNode.h"
#include "level/LevelScene.h"
#include "level/PickWalk.h"

namespace {

// Allocated once for the whole run; OpenGL fills it during each selection render.
GLuint g_selectionBuffer[kSelectionBufferSize];

constexpr double kDepthScale = 4294967296.0; // 2^32
constexpr std::size_t kRecordHeader = 3;    // name count, minimum depth, maximum depth
const std::vector<int> kMiss = {-1};

bool NearerHit(const PickHit& a, const PickHit& b)
{
    if (a.depth != b.depth)
        return a.depth < b.depth;
    return a.names < b.names;
}

} // namespace

std::vector<PickHit> ParseHitRecords(const unsigned* buffer, std::size_t size, int hitCount)
{
    std::vector<PickHit> hits;
    std::size_t pos = 0;
    for (int i = 0; i < hitCount; ++i) {
        if (size - pos < kRecordHeader)
            break;
        const std::size_t nameCount = buffer[pos];
        if (size - pos - kRecordHeader < nameCount)
            break;
        PickHit hit;
        hit.depth = buffer[pos + 1] / kDepthScale;
        const unsigned* names = buffer + pos + kRecordHeader;
        hit.names.assign(names, names + nameCount);
        hits.push_back(std::move(hit));
        pos += kRecordHeader + nameCount;
    }
    return hits;
}

std::vector<std::vector<int>> PathsNearestFirst(std::vector<PickHit> hits)
{
    std::sort(hits.begin(), hits.end(), NearerHit);
    std::vector<std::vector<int>> paths;
    paths.reserve(hits.size());
    for (PickHit& hit : hits)
        paths.push_back(std::move(hit.names));
    return paths;
}

std::vector<int> NearestHitPath(std::vector<PickHit> hits)
{
    std::vector<std::vector<int>> paths = PathsNearestFirst(std::move(hits));
    return paths.empty() ? kMiss : paths.front();
}

std::vector<int> LevelScene::Pick(int x, int y, const float& time)
{
    std::vector<std::vector<int>> paths = PickAll(x, y, time);
    return paths.empty() ? kMiss : paths.front();
}

std::vector<std::vector<int>> LevelScene::PickAll(int x, int y, const float& time)
{
    if (!m_pLevelGroup)
        return {};
    glSelectBuffer(static_cast<GLsizei>(kSelectionBufferSize), g_selectionBuffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    // [0, object]: the level group, then the object's place in the walk's list.
    glPushName(0);
    glPushName(0);

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble projection[16];
    glMatrixMode(GL_PROJECTION);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(x, viewport[3] - y, 4.0, 4.0, viewport);
    glMultMatrixd(projection);

    glMatrixMode(GL_MODELVIEW);
    // The groups' own lighting scopes are skipped: the state a pick leaves is all put back here.
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    PickWalk walk(time);
    walk.Group(*m_pLevelGroup);
    glPopAttrib();

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    const GLint hitCount = glRenderMode(GL_RENDER);
    // A miss, or an overflow that OpenGL reports as -1: both deselect.
    if (hitCount <= 0)
        return {};
    std::vector<PickHit> hits = ParseHitRecords(g_selectionBuffer, kSelectionBufferSize, hitCount);
    for (PickHit& hit : hits)
        hit.names = walk.PathOf(hit.names);
    return PathsNearestFirst(std::move(hits));
}
