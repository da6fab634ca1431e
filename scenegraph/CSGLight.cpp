#include "scenegraph/CSGLight.h"

#include <string>

#include <GL/gl.h>

#include "scenegraph/XmlAttributes.h"

std::array<CSGLight::Vector, 4> CSGLight::Vectors()
{
    return {{{"DC", GL_DIFFUSE, DC}, {"AC", GL_AMBIENT, AC}, {"SC", GL_SPECULAR, SC}, {"PT", GL_POSITION, PT}}};
}

void CSGLight::Draw(float /*t*/)
{
    // A file may hold more lights than the context offers; those stay silent rather than
    // raising OpenGL errors. The index is kept, so nothing of the file is lost.
    GLint maxLights = 0;
    glGetIntegerv(GL_MAX_LIGHTS, &maxLights);
    if (LightIndex < 0 || LightIndex >= maxLights)
        return;
    const GLenum light = GL_LIGHT0 + static_cast<GLenum>(LightIndex);
    glEnable(light);
    for (const Vector& vector : Vectors())
        glLightfv(light, vector.parameter, vector.values);
}

void CSGLight::WriteXml(std::FILE* file)
{
    ScopedCLocale cLocale;
    std::fprintf(file, "<CSGLight\n");
    for (const Vector& v : Vectors())
        std::fprintf(file, "%s0= \"%f\" %s1= \"%f\" %s2= \"%f\" %s3= \"%f\" \n", v.prefix, v.values[0], v.prefix,
                     v.values[1], v.prefix, v.values[2], v.prefix, v.values[3]);
    std::fprintf(file, "/>\n");
}

void CSGLight::ReadXml(const XmlElement& element, CSGScene& /*factory*/)
{
    for (const Vector& vector : Vectors())
        for (int i = 0; i < 4; ++i)
            vector.values[i] = ReadFloatAttribute(element, vector.prefix + std::to_string(i));
}
