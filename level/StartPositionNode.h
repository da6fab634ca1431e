#pragma once

#include "level/LevelObject.h"
#include "scenegraph/CSGNode.h"

struct GLUquadric;

// The snake's start position and heading, drawn as a cone. It has no element of its own: its
// values travel in the game settings.
class StartPositionNode : public CSGNode, public LevelObject {
public:
    StartPositionNode(float posX, float posY, float posZ, float angleDeg);
    ~StartPositionNode() override;

    int GetType() const override { return START_POSITION_NODE; }
    void Draw(float t) override;
    void WriteXml(std::FILE*) override {}
    void ReadXml(const XmlElement&, CSGScene&) override {}

    float angle = 0.0f;

private:
    GLUquadric* m_disk = nullptr;
    GLUquadric* m_cone = nullptr;
};
