#include "scenegraph/CSGAnimZPrecession.h"

#include <cmath>

#include <GL/gl.h>

#include "scenegraph/XmlAttributes.h"

void CSGAnimZPrecession::Draw(float t)
{
    const float axisAngle = (t * AngularSpeedDPS + StartAngleDeg) * 0.017453292f;
    glRotated(DeclinationDeg, std::cos(axisAngle), std::sin(axisAngle), 0.0);
}

void CSGAnimZPrecession::WriteXml(std::FILE* file)
{
    ScopedCLocale cLocale;
    std::fprintf(file, "<CSGAnimZPrecession\n");
    std::fprintf(file, "  DeclinationDeg = \"%f\" AngularSpeedDPS = \"%f\" StartAngleDeg= \"%f\"\n",
                 DeclinationDeg, AngularSpeedDPS, StartAngleDeg);
    std::fprintf(file, "/>\n");
}

void CSGAnimZPrecession::ReadXml(const XmlElement& element, CSGScene& /*factory*/)
{
    DeclinationDeg = ReadFloatAttribute(element, "DeclinationDeg");
    AngularSpeedDPS = ReadFloatAttribute(element, "AngularSpeedDPS");
    StartAngleDeg = ReadFloatAttribute(element, "StartAngleDeg");
}
