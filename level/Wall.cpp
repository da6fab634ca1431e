#include "level/Wall.h"

#include <cmath>

#include <GL/gl.h>

#include "level/AttributeTable.h"
#include "level/BoxGeometry.h"
#include "level/DrawnBox.h"

namespace {

const FloatAttribute<Wall> kWallAttributes[] = {
    {"CenterX", &Wall::x},
    {"CenterZ", &Wall::z},
    {"Width", &Wall::Width},
    {"Depth", &Wall::Depth},
    {"OrientationAngle", &Wall::OrientationAngle},
};

constexpr FlatColour kFlatColour = {0.5f, 0.4f, 0.2f};

} // namespace

Wall::Wall() = default;

Wall::Wall(float centerX, float centerZ, float width, float depth)
{
    Set(centerX, centerZ, width, depth);
}

void Wall::Set(float centerX, float centerZ, float width, float depth)
{
    x = centerX;
    y = 0.0f;
    z = centerZ;
    Width = width;
    Depth = depth;
}

void Wall::Draw(float t)
{
    const SavedColour colour = BeginTexturedDraw(t, kFlatColour);
    if (IsFlatDraw(t)) {
        // Filled in the edit view, so that a wall reads as solid and not as a frame.
        glPushMatrix();
        glTranslatef(x, 0.0f, z);
        glRotatef(OrientationAngle, 0.0f, 1.0f, 0.0f);
        const PolygonFillScope filled;
        const FlatColour outline = FlatOutline(kFlatColour, selected);
        DrawFilledBox(Extent(), Tint(outline), outline);
        glPopMatrix();
    } else {
        const bool textured = IsTexturedDraw(t);
        MeshVertex mesh[BOX_MESH_VERTICES];
        DrawPreviewMesh(mesh, PreviewMesh(textured, mesh), textured);
    }
    EndTexturedDraw(t, colour);
}

bool Wall::AddPreviewParts(PreviewBatch& batch, float t)
{
    if (selected)
        return false;
    const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const bool textured = IsTexturedDraw(t);
    const MeshKey key = {x, z, Width, Depth, m_height, OrientationAngle, textured ? 1.0f : 0.0f, TexTX, TexTY,
                         TexScaleX, TexScaleY, TexRotationAngleDeg};
    batch.AddMesh({textured ? m_glTexture : 0, false}, white, BoxOf(*this), key,
                  [this, textured](MeshVertex* out) { return PreviewMesh(textured, out); });
    return true;
}

int Wall::PreviewMesh(bool textured, MeshVertex out[BOX_MESH_VERTICES]) const
{
    const int count = BoxMesh(Extent(), false, out);
    if (textured)
        MapTexCoords(out, count);
    const double angle = OrientationAngle * M_PI / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    // As a turn about Y by the angle, then a move onto the centre.
    for (int i = 0; i < count; ++i) {
        float* p = out[i].position;
        float* n = out[i].normal;
        const double px = p[0];
        const double pz = p[2];
        p[0] = static_cast<float>(x + (c * px + s * pz));
        p[2] = static_cast<float>(z + (c * pz - s * px));
        const double nx = n[0];
        const double nz = n[2];
        n[0] = static_cast<float>(c * nx + s * nz);
        n[2] = static_cast<float>(c * nz - s * nx);
    }
    return count;
}

BoxExtent Wall::Extent() const
{
    return {Width * 0.5f, Depth * 0.5f, 0.0f, m_height};
}

void Wall::WriteXml(std::FILE* file)
{
    std::fprintf(file, "<Wall\n");
    std::fprintf(file,
                 "  CenterX = \"%f\" CenterZ = \"%f\" Width = \"%f\" Depth = \"%f\" OrientationAngle "
                 "= \"%f\" ",
                 x, z, Width, Depth, OrientationAngle);
    WriteMappingAttributes(file);
    std::fprintf(file, "/>\n");
}

void Wall::ReadXml(const XmlElement& element, CSGScene&)
{
    ReadFloatAttributes(element, *this, kWallAttributes);
    ReadMappingAttributes(element);
}
