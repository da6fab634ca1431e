#include "scenegraph/CSGTranslation.h"

#include <GL/gl.h>

#include "scenegraph/XmlAttributes.h"

void CSGTranslation::Draw(float /*t*/)
{
    glTranslatef(VX, VY, VZ);
}

void CSGTranslation::WriteXml(std::FILE* file)
{
    ScopedCLocale cLocale;
    std::fprintf(file, "<CSGTranslation\n");
    std::fprintf(file, "  VX = \"%f\" VY = \"%f\" VZ = \"%f\" \n", VX, VY, VZ);
    std::fprintf(file, "/>\n");
}

void CSGTranslation::ReadXml(const XmlElement& element, CSGScene& /*factory*/)
{
    VX = ReadFloatAttribute(element, "VX");
    VY = ReadFloatAttribute(element, "VY");
    VZ = ReadFloatAttribute(element, "VZ");
}
