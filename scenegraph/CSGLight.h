#pragma once

#include <array>

#include "scenegraph/CSGNode.h"

// Enables and sets up the OpenGL light GL_LIGHT0 + LightIndex. Lighting itself is left to
// whoever draws; the position goes through the modelview matrix current at the draw.
class CSGLight : public CSGNode {
public:
    explicit CSGLight(int lightIndex) : LightIndex(lightIndex) {}

    void Draw(float t) override;
    void WriteXml(std::FILE* file) override;
    void ReadXml(const XmlElement& element, CSGScene& factory) override;

    int LightIndex;
    float PT[4] = {0.0f, 0.0f, 1.0f, 0.0f};
    float AC[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float DC[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float SC[4] = {1.0f, 1.0f, 1.0f, 1.0f};

private:
    // The four vectors with their attribute prefix and OpenGL parameter, in the order they
    // are written and set: diffuse, ambient, specular, position.
    struct Vector {
        const char* prefix;
        unsigned parameter;
        float* values;
    };
    std::array<Vector, 4> Vectors();
};
