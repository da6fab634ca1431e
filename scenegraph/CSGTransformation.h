#pragma once

#include "scenegraph/CSGNode.h"
#include "scenegraph/Matrix4.h"

// Multiplies the current matrix on the right by a free 4 x 4 matrix (stored row by row).
class CSGTransformation : public CSGNode {
public:
    void Draw(float t) override;
    void WriteXml(std::FILE* file) override;
    // Takes the last "Matrix" child labelled "M"; without one the matrix stays as it was.
    void ReadXml(const XmlElement& element, CSGScene& factory) override;
    bool ReadsChildElement(const std::string& name) const override;

    // The identity until a matrix is read, so a file without a usable Matrix child moves nothing.
    Matrix4 Matrix = Matrix4::Identity();
};
