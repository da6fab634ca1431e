#include "scenegraph/CSGAnimRotation.h"

#include <GL/gl.h>

#include "scenegraph/XmlAttributes.h"

void CSGAnimRotation::Draw(float t)
{
    glRotatef(t * AngularSpeedDPS + StartAngleDeg, AxisX, AxisY, AxisZ);
}

void CSGAnimRotation::WriteXml(std::FILE* file)
{
    ScopedCLocale cLocale;
    std::fprintf(file, "<CSGAnimRotation\n");
    std::fprintf(file,
                 "  AxisX = \"%f\" AxisY = \"%f\" AxisZ = \"%f\" AngularSpeedDPS = \"%f\" StartAngleDeg= \"%f\"\n",
                 AxisX, AxisY, AxisZ, AngularSpeedDPS, StartAngleDeg);
    std::fprintf(file, "/>\n");
}

void CSGAnimRotation::ReadXml(const XmlElement& element, CSGScene& /*factory*/)
{
    ReadAxis(element);
    AngularSpeedDPS = ReadFloatAttribute(element, "AngularSpeedDPS");
    StartAngleDeg = ReadFloatAttribute(element, "StartAngleDeg");
}
