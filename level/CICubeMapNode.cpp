#include "level/CICubeMapNode.h"

#include <cmath>

#include <GL/gl.h>

#include "xml/XmlElement.h"

namespace {

// The current modelview with its translation and uniform scale removed: the view's rotation.
Matrix4 CurrentViewRotation()
{
    Matrix4 r;
    glGetFloatv(GL_MODELVIEW_MATRIX, r.m);
    r.Transpose();
    r.At(0, 3) = 0.0f;
    r.At(1, 3) = 0.0f;
    r.At(2, 3) = 0.0f;
    r.At(3, 3) = 1.0f;
    // A real cube root, so that a mirrored view (negative determinant) loses its scale too;
    // a degenerate view has no scale to remove.
    const double s = std::cbrt(static_cast<double>(r.Determinant()));
    if (s != 0.0 && std::isfinite(s)) {
        Matrix4 d;
        d.SetDiagonal(static_cast<float>(1.0 / s));
        d.At(3, 3) = 1.0f;
        r.SetProduct(r, d);
    }
    return r;
}

} // namespace

void CICubeMapNode::Prepare()
{
    m_skyBox.Load(TextureBaseName);
    m_reloadNeeded = false;
}

void CICubeMapNode::Draw(float)
{
    if (m_reloadNeeded)
        Prepare();
    m_viewRotation = CurrentViewRotation();
    m_skyBox.Draw(m_viewRotation);
    glDisable(GL_TEXTURE_2D);
}

void CICubeMapNode::WriteXml(std::FILE* file)
{
    std::fprintf(file, "<CICubeMapNode\n  TextureBaseName = \"%s\"\n/>\n", TextureBaseName.c_str());
}

void CICubeMapNode::ReadXml(const XmlElement& element, CSGScene&)
{
    std::string_view name = element.GetAttribute("TextureBaseName");
    if (!name.empty())
        TextureBaseName = name;
}
