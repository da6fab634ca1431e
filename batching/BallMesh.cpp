#include "batching/BallMesh.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Facets may stray from the true ball by this many pixels.
constexpr double kMostPixelError = 0.5;
// Fewer would not be a ball at all.
constexpr BallFacets kCoarsest = {4, 2};

// The unit direction at slice `slice` and stack `stack` (stack 0 at +Z).
void Direction(const BallFacets& facets, int slice, int stack, double out[3])
{
    const double around = 2.0 * M_PI * (slice % facets.slices) / facets.slices;
    const double down = M_PI * stack / facets.stacks;
    const double ring = stack == facets.stacks ? 0.0 : std::sin(down);
    out[0] = std::sin(around) * ring;
    out[1] = std::cos(around) * ring;
    out[2] = stack == facets.stacks ? -1.0 : std::cos(down);
}

} // namespace

BallFacets BallFacetsFor(double pixelRadius)
{
    if (!(pixelRadius > kMostPixelError))
        return kCoarsest;
    // A facet's middle lies inside the ball by 1 - cos(half its angle), in radii: across a
    // slice the angle is 2 pi / slices, across a stack pi / stacks.
    const double halfAngle = std::acos(1.0 - kMostPixelError / pixelRadius);
    const double slices = std::ceil(M_PI / halfAngle);
    const double stacks = std::ceil(M_PI / (2.0 * halfAngle));
    if (!(slices < FINEST_BALL.slices && stacks < FINEST_BALL.stacks))
        return FINEST_BALL;
    return {std::max(kCoarsest.slices, static_cast<int>(slices)), std::max(kCoarsest.stacks, static_cast<int>(stacks))};
}

double BallPixelRadius(const Matrix4& clip, const GLint viewport[4], const float centre[3], float radius)
{
    const float* m = clip.m;
    const double w = m[3] * centre[0] + m[7] * centre[1] + m[11] * centre[2] + m[15];
    if (!(w > 1.0e-6))
        return std::numeric_limits<double>::infinity();
    // Each window axis stretches a unit of the ball's space by at most the length of its row.
    double most = 0.0;
    for (int axis = 0; axis < 2; ++axis) {
        const double row = std::hypot(m[axis], m[4 + axis], m[8 + axis]);
        most = std::max(most, row * viewport[2 + axis] / 2.0);
    }
    return radius * most / w;
}

void BallMesh(const float centre[3], float radius, const BallFacets& facets, std::vector<MeshVertex>& out)
{
    out.clear();
    out.reserve(static_cast<std::size_t>(facets.slices) * facets.stacks * 4);
    // Counter-clockwise seen from outside: on to the next slice, then down the stack.
    const int corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (int stack = 0; stack < facets.stacks; ++stack)
        for (int slice = 0; slice < facets.slices; ++slice)
            for (const auto& corner : corners) {
                double direction[3];
                Direction(facets, slice + corner[0], stack + corner[1], direction);
                MeshVertex vertex{};
                for (int k = 0; k < 3; ++k) {
                    vertex.position[k] = static_cast<float>(centre[k] + radius * direction[k]);
                    vertex.normal[k] = static_cast<float>(direction[k]);
                }
                out.push_back(vertex);
            }
}
