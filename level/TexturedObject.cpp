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
    glColor3f(1.0f, 1.0f, 1.0f);
    if (IsTexturedDraw(t)) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, m_glTexture);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        PushTextureMatrix();
    }
    if (selected)
        glColor3f(1.0f, 0.0f, 0.0f);
    return previous;
}

void TexturedObject::EndTexturedDraw(float t, const SavedColour& colour)
{
    if (IsTexturedDraw(t)) {
        glDisable(GL_TEXTURE_2D);
        PopTextureMatrix();
    }
    colour.Restore();
    glPopAttrib();
}

void TexturedObject::PushTextureMatrix() const
{
    // Texture coordinates are translated, then rotated about the centre of the unit square,
    // then scaled.
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glScalef(TexScaleX, TexScaleY, 1.0f);
    glTranslatef(0.5f, 0.5f, 0.0f);
    glRotatef(TexRotationAngleDeg, 0.0f, 0.0f, 1.0f);
    glTranslatef(-0.5f, -0.5f, 0.0f);
    glTranslatef(TexTX, TexTY, 0.0f);
    glMatrixMode(GL_MODELVIEW);
}

void TexturedObject::PopTextureMatrix()
{
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
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
