#pragma once

#include <string>

#include "level/SkyBox.h"
#include "scenegraph/CSGNode.h"

// The level's sky box. Drawn first, without depth, turned by the view's rotation only.
class CICubeMapNode : public CSGNode {
public:
    void Prepare() override;
    void Draw(float t) override;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    SkyBox m_skyBox;
    std::string TextureBaseName;
    bool m_reloadNeeded = true;
    Matrix4 m_viewRotation = Matrix4::Identity();
};
