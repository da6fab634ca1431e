#include "batching/PreviewBatch.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

#include "batching/FrontFaces.h"
#include "scenegraph/CSGNode.h"
#include "scenegraph/Matrix4.h"

namespace {

// The conflict grid's finest cell, in pixels. Parts in a common cell count as touching.
constexpr int kFinestCell = 8;
// The grid has at most this many cells per part, so that a batch of a few parts between two
// lights or groups costs no more than its parts.
constexpr int kCellsPerPart = 4;
// A part's window rectangle is widened by this many pixels. A filled polygon only covers pixels
// whose centres it holds, half a pixel in from the rectangle's pixels; the rest is room for
// the rounding between this estimate and the renderer's own arithmetic.
constexpr double kMargin = 1.0;
// A part over more cells than this counts as covering the whole window.
constexpr int kManyCells = 1024;
// A mesh this far inside the view volume needs no clipping (with room for rounding). Mesa's
// vertex stage takes another way for a draw that needs clipping anywhere, which rounds the
// window coordinates of all its corners differently; so a mesh that may need it draws alone,
// as it would by itself.
constexpr double kInsideVolume = 0.999;

struct Transform {
    Matrix4 clip; // projection times modelview, column by column
    GLint viewport[4];
};

Transform CurrentTransform()
{
    Transform transform{CurrentClipMatrix(), {}};
    glGetIntegerv(GL_VIEWPORT, transform.viewport);
    return transform;
}

} // namespace

void ApplyPreviewLook(const PreviewLook& look)
{
    if (look.texture || look.sphereMap) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, look.texture);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    if (look.sphereMap) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        glEnable(GL_TEXTURE_GEN_S);
        glEnable(GL_TEXTURE_GEN_T);
        glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        glDisable(GL_TEXTURE_GEN_S);
        glDisable(GL_TEXTURE_GEN_T);
        glDisable(GL_BLEND);
    }
}

bool PreviewBatch::Take(CSGNode& node, float t)
{
    auto* parts = dynamic_cast<PreviewParts*>(&node);
    if (!parts)
        return false;
    return parts->AddPreviewParts(*this, t);
}

BallFacets PreviewBatch::BallFacetsOf(const float centre[3], float radius)
{
    if (!m_clipKnown) {
        m_clip = CurrentClipMatrix();
        glGetIntegerv(GL_VIEWPORT, m_viewport);
        m_clipKnown = true;
    }
    return BallFacetsFor(BallPixelRadius(m_clip, m_viewport, centre, radius));
}

void PreviewBatch::AddOwnMesh(
    const PreviewLook& look, const GLfloat colour[4], const DrawnBox& box, const MeshVertex* corners, int count)
{
    AddPart(corners, look, colour, box, 0, count);
}

void PreviewBatch::AddPart(const MeshVertex* own, const PreviewLook& look, const GLfloat colour[4],
                           const DrawnBox& box, std::size_t meshFirst, int meshCount)
{
    const auto known = std::find(m_looks.begin(), m_looks.end(), look);
    const int index = static_cast<int>(known - m_looks.begin());
    if (known == m_looks.end())
        m_looks.push_back(look);
    Part added{own, index, {}, box, meshFirst, meshCount};
    std::memcpy(added.colour, colour, sizeof added.colour);
    m_parts.push_back(added);
}

namespace {

// The cells of the window that the box's pixels may fall in.
struct CellRange {
    int x0, y0, x1, y1;
    bool everywhere;
    bool nowhere;
    // Wholly inside the view volume: nothing of it needs clipping.
    bool inside;
};

// The cell size for a batch of `parts` parts.
int CellSize(const GLint* viewport, std::size_t parts)
{
    const double area = std::max(1.0, static_cast<double>(viewport[2]) * viewport[3]);
    const double cell
        = std::ceil(std::sqrt(area / (kCellsPerPart * static_cast<double>(std::max<std::size_t>(parts, 1)))));
    return std::max(kFinestCell, static_cast<int>(std::min(cell, 1.0e6)));
}

CellRange CellsOf(const DrawnBox& box, const Transform& transform, int cell)
{
    const CellRange everywhere{0, 0, 0, 0, true, false, false};
    bool inside = true;
    const float* m = transform.clip.m;
    double low[2] = {HUGE_VAL, HUGE_VAL};
    double high[2] = {-HUGE_VAL, -HUGE_VAL};
    for (int corner = 0; corner < 8; ++corner) {
        double p[3];
        for (int k = 0; k < 3; ++k)
            p[k] = static_cast<double>(box.centre[k]) + ((corner >> k) & 1 ? box.half[k] : -box.half[k]);
        const double w = m[3] * p[0] + m[7] * p[1] + m[11] * p[2] + m[15];
        // Behind or at the eye a box may reach round anywhere on the window.
        if (!(w > 1.0e-6))
            return everywhere;
        const double z = m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14];
        inside = inside && std::abs(z) < kInsideVolume * w;
        for (int axis = 0; axis < 2; ++axis) {
            const double ndc = (m[axis] * p[0] + m[4 + axis] * p[1] + m[8 + axis] * p[2] + m[12 + axis]) / w;
            inside = inside && std::abs(ndc) < kInsideVolume;
            const double window = (ndc + 1.0) * transform.viewport[2 + axis] / 2.0;
            low[axis] = std::min(low[axis], window);
            high[axis] = std::max(high[axis], window);
        }
    }
    if (!std::isfinite(low[0]) || !std::isfinite(low[1]) || !std::isfinite(high[0]) || !std::isfinite(high[1]))
        return everywhere;
    int cells[2][2];
    for (int axis = 0; axis < 2; ++axis) {
        const int size = transform.viewport[2 + axis];
        const double from = std::floor(low[axis] - kMargin);
        const double to = std::ceil(high[axis] + kMargin);
        if (to < 0.0 || from >= size)
            return {0, 0, 0, 0, false, true, false};
        cells[axis][0] = static_cast<int>(std::max(from, 0.0)) / cell;
        cells[axis][1] = static_cast<int>(std::min(to, size - 1.0)) / cell;
    }
    const CellRange range{cells[0][0], cells[1][0], cells[0][1], cells[1][1], false, false, inside};
    if ((range.x1 - range.x0 + 1) * (range.y1 - range.y0 + 1) > kManyCells)
        return {0, 0, 0, 0, true, false, inside};
    return range;
}

} // namespace

namespace {

// The highest level among the parts noted, with its look, and the highest among the parts of
// all other looks: enough to place a part above every part of another look and level with its
// own look's.
class LevelsSoFar {
public:
    // The least level for a part of look `own` that may touch the parts noted.
    int Above(int own) const
    {
        if (m_best < 0)
            return 0;
        return m_bestLook == own ? std::max(m_best, m_second + 1) : m_best + 1;
    }
    void Note(int own, int level)
    {
        if (m_bestLook == own) {
            m_best = std::max(m_best, level);
        } else if (level > m_best) {
            m_second = m_best;
            m_best = level;
            m_bestLook = own;
        } else {
            m_second = std::max(m_second, level);
        }
    }

private:
    int m_best = -1;
    int m_bestLook = -1;
    int m_second = -1;
};

} // namespace

// A part's level lies above those of the earlier parts of other looks it may touch, and at
// least at those of its own look: drawing by level, then look, then the order taken keeps
// every order that can show.
std::vector<std::size_t> PreviewBatch::DrawingOrder(std::vector<char>& alone) const
{
    alone.assign(m_parts.size(), 0);
    const Transform transform = CurrentTransform();
    const int cell = CellSize(transform.viewport, m_parts.size());
    const int columns = std::max(1, (transform.viewport[2] + cell - 1) / cell);
    const int rows = std::max(1, (transform.viewport[3] + cell - 1) / cell);
    std::vector<LevelsSoFar> cells(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
    LevelsSoFar everywhere; // parts that may touch every cell
    LevelsSoFar all; // every part
    const auto eachCell = [&](const CellRange& range, const auto& visit) {
        for (int y = range.y0; y <= range.y1; ++y)
            for (int x = range.x0; x <= range.x1; ++x)
                visit(cells[static_cast<std::size_t>(y * columns + x)]);
    };
    std::vector<int> levels(m_parts.size(), 0);
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < m_parts.size(); ++i) {
        const int look = m_parts[i].look;
        const CellRange range = CellsOf(m_parts[i].box, transform, cell);
        if (range.nowhere)
            continue;
        alone[i] = !range.inside;
        int level = 0;
        if (range.everywhere) {
            level = all.Above(look);
            everywhere.Note(look, level);
        } else {
            level = everywhere.Above(look);
            eachCell(range, [&](const LevelsSoFar& seen) { level = std::max(level, seen.Above(look)); });
            eachCell(range, [&](LevelsSoFar& seen) { seen.Note(look, level); });
        }
        all.Note(look, level);
        levels[i] = level;
        order.push_back(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (levels[a] != levels[b])
            return levels[a] < levels[b];
        return m_parts[a].look < m_parts[b].look;
    });
    return order;
}

void PreviewBatch::Flush()
{
    if (m_parts.empty())
        return;
    std::vector<char> alone;
    const std::vector<std::size_t> order = DrawingOrder(alone);
    GLfloat colour[4];
    GLint texture = 0;
    GLint genModes[2];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &genModes[0]);
    glGetTexGeniv(GL_T, GL_TEXTURE_GEN_MODE, &genModes[1]);

    Draw(order, alone);

    ApplyPreviewLook({});
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, genModes[0]);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, genModes[1]);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
    glColor4fv(colour);
    m_parts.clear();
    m_looks.clear();
    m_clipKnown = false;
}

void PreviewBatch::Draw(const std::vector<std::size_t>& order, const std::vector<char>& alone)
{
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    const FrontFaces faces;
    int look = -1;
    const GLfloat* colour = nullptr;
    for (const std::size_t index : order) {
        const Part& part = m_parts[index];
        if (part.look != look) {
            DrawMeshRun();
            look = part.look;
            const PreviewLook& applied = m_looks[static_cast<std::size_t>(look)];
            ApplyPreviewLook(applied);
            // Untextured parts and the sphere-mapped glass, whose coordinates are generated, send
            // no texture coordinates, as they do when they draw themselves.
            if (applied.texture && !applied.sphereMap)
                glEnableClientState(GL_TEXTURE_COORD_ARRAY);
            else
                glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        }
        if (!colour || std::memcmp(colour, part.colour, sizeof part.colour) != 0) {
            DrawMeshRun();
            colour = part.colour;
            glColor4fv(colour);
        }
        const MeshVertex* mesh = part.own ? part.own : m_meshes.Vertices() + part.meshFirst;
        if (alone[index]) {
            // Its faces all go, as when it draws itself: which of them need clipping decides
            // how the renderer rounds the rest.
            DrawMeshRun();
            m_run.insert(m_run.end(), mesh, mesh + part.meshCount);
            DrawMeshRun();
        } else {
            faces.Append(mesh, part.meshCount, m_run);
        }
    }
    DrawMeshRun();
    glPopClientAttrib();
}

void PreviewBatch::DrawMeshRun()
{
    if (m_run.empty())
        return;
    DrawQuadArray(m_run.data(), static_cast<int>(m_run.size()));
    m_run.clear();
}
