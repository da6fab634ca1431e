#include "level/Wall.h"

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
    glPushMatrix();
    Place();
    // Filled in the edit view, so that a wall reads as solid and not as a frame.
    if (IsFlatDraw(t)) {
        const PolygonFillScope filled;
        const FlatColour outline = FlatOutline(kFlatColour, selected);
        DrawFilledBox(Extent(), Tint(outline), outline);
    } else {
        DrawBox(Extent(), false, IsTexturedDraw(t));
    }
    glPopMatrix();
    EndTexturedDraw(t, colour);
}

void Wall::AddPreviewParts(PreviewBatch& batch, float t)
{
    const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat red[4] = {1.0f, 0.0f, 0.0f, 1.0f};
    batch.Add(*this, 0, {IsTexturedDraw(t) ? m_glTexture : 0, false}, selected ? red : white, BoxOf(*this));
}

void Wall::DrawPreviewPart(int, float t) const
{
    const bool textured = IsTexturedDraw(t);
    if (textured)
        PushTextureMatrix();
    glPushMatrix();
    Place();
    DrawBox(Extent(), false, textured);
    glPopMatrix();
    if (textured)
        PopTextureMatrix();
}

void Wall::Place() const
{
    glTranslatef(x, 0.0f, z);
    glRotatef(OrientationAngle, 0.0f, 1.0f, 0.0f);
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
