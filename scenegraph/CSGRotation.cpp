#include "scenegraph/CSGRotation.h"

#include <GL/gl.h>

#include "scenegraph/XmlAttributes.h"

void CSGRotation::Draw(float /*t*/)
{
    glRotatef(AngleDeg, AxisX, AxisY, AxisZ);
}

void CSGRotation::WriteXml(std::FILE* file)
{
    ScopedCLocale cLocale;
    std::fprintf(file, "<CSGRotation\n");
    std::fprintf(file, "  AxisX = \"%f\" AxisY = \"%f\" AxisZ = \"%f\" AngleDeg= \"%f\"\n", AxisX, AxisY,
                 AxisZ, AngleDeg);
    std::fprintf(file, "/>\n");
}

void CSGRotation::ReadXml(const XmlElement& element, CSGScene& /*factory*/)
{
    ReadAxis(element);
    AngleDeg = ReadFloatAttribute(element, "AngleDeg");
}
