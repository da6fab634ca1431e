#pragma once

#include "scenegraph/CSGNode.h"

// The settings the game applies at level start. Draws nothing.
class GameSettingsNode : public CSGNode {
public:
    void Draw(float) override {}
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    int NormalItemsNumber = 1;
    float SnakeInitialPosX = 0.0f;
    float SnakeInitialPosY = 0.0f;
    float SnakeInitialPosZ = 0.0f;
    float SnakeInitialOrientationAngle = 0.0f;
    float SnakeTurningAngle = 90.0f;
    float SnakeInitialLength = 8.0f;
    float SnakeInitialVelocity = 2.0f;
};
