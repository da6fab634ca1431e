#include "scenegraph/CSGTransformation.h"

#include <GL/gl.h>

#include "scenegraph/NumberText.h"
#include "xml/XmlElement.h"

namespace {

const char* const MATRIX_LABEL = "M";

} // namespace

void CSGTransformation::Draw(float /*t*/)
{
    Matrix4 columns = Matrix;
    columns.Transpose();
    glMultMatrixf(columns.m);
}

void CSGTransformation::WriteXml(std::FILE* file)
{
    ScopedCLocale cLocale;
    std::fprintf(file, "<CSGTransformation>\n");
    xmlMatrixWrite(file, MATRIX_LABEL, Matrix);
    std::fprintf(file, "</CSGTransformation>\n");
}

bool CSGTransformation::ReadsChildElement(const std::string& name) const
{
    return name == "Matrix";
}

void CSGTransformation::ReadXml(const XmlElement& element, CSGScene& /*factory*/)
{
    for (const XmlElement& child : element.GetChildren())
        if (ReadsChildElement(child.GetName()))
            xmlMatrixRead(child, MATRIX_LABEL, Matrix);
}
