#include "level/TexturedObject.h"

#include <GL/gl.h>

#include "level/AttributeTable.h"

namespace {

const FloatAttribute<TextureMapping> kMappingAttributes[] = {
    {"TexTX", &TextureMapping::TexTX},
    {"TexTY", &TextureMapping::TexTY},
    {"TexScaleX", &TextureMapping::TexScaleX},
    {"TexScaleY", &TextureMapping::TexScaleY},
    {"TexRotationAngleDeg", &TextureMapping::TexRotationAngleDeg},
};

} // namespace

bool TexturedObject::IsTexturedDraw(float t) const
{
    return !IsFlatDraw(t) && m_glTexture != 0;
}

SavedColour TexturedObject::BeginTexturedDraw(float t, const FlatColour& flat)
{
    const SavedColour previous;
    glPushAttrib(GL_CURRENT_BIT | GL_LINE_BIT);
    if (IsFlatDraw(t)) {
        SetFlatOutline(flat, selected);
        return previous;
    }
    const FlatColour tint = SelectionTint();
    if (selected)
        glColor3f(tint.r, tint.g, tint.b);
    else
        glColor3f(1.0f, 1.0f, 1.0f);
    if (IsTexturedDraw(t)) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, m_glTexture);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    }
    return previous;
}

void TexturedObject::EndTexturedDraw(float t, const SavedColour& colour)
{
    if (IsTexturedDraw(t))
        glDisable(GL_TEXTURE_2D);
    colour.Restore();
    glPopAttrib();
}

void TexturedObject::MapTexCoords(MeshVertex* mesh, int count) const
{
    for (int i = 0; i < count; ++i)
        MapTexCoord(mesh[i].texCoord);
}

void TexturedObject::DrawPreviewMesh(const MeshVertex* mesh, int count, bool textured) const
{
    if (!selected) {
        DrawQuadMesh(mesh, count, textured);
        return;
    }
    glPushAttrib(GL_ENABLE_BIT | GL_POLYGON_BIT | GL_LINE_BIT | GL_DEPTH_BUFFER_BIT | GL_CURRENT_BIT);
    // The faces a little behind their edges, so that every edge in sight shows whole.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1.0f, 1.0f);
    DrawQuadMesh(mesh, count, textured);
    // Colour material off first: the outline's colour must not become the material.
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDepthFunc(GL_LEQUAL);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    SetFlatOutline({}, true);
    DrawQuadMesh(mesh, count, false);
    glPopAttrib();
}

void TexturedObject::WriteMappingAttributes(std::FILE* file) const
{
    std::fprintf(file,
                 "TextureID = \"%i\" TexTX = \"%f\" TexTY = \"%f\" TexScaleX = \"%f\" TexScaleY = "
                 "\"%f\" TexRotationAngleDeg = \"%f\"\n",
                 TextureID, TexTX, TexTY, TexScaleX, TexScaleY, TexRotationAngleDeg);
}

void TexturedObject::ReadMappingAttributes(const XmlElement& element)
{
    TextureID = ReadIntAttribute(element, "TextureID");
    // Stored as read: the file's rotation does not go through the reducing setter.
    TextureMapping& mapping = *this;
    ReadFloatAttributes(element, mapping, kMappingAttributes);
}
