#include "scenegraph/Matrix4.h"

#include <cstring>
#include <string>

#include <GL/gl.h>

#include "scenegraph/XmlAttributes.h"
#include "xml/XmlElement.h"

void Matrix4::SetDiagonal(float v)
{
    for (int i = 0; i < 16; ++i)
        m[i] = (i % 5 == 0) ? v : 0.0f;
}

Matrix4 Matrix4::Identity()
{
    Matrix4 identity;
    identity.SetDiagonal(1.0f);
    return identity;
}

void Matrix4::Transpose()
{
    for (int i = 0; i < 4; ++i)
        for (int j = i + 1; j < 4; ++j) {
            float tmp = At(i, j);
            At(i, j) = At(j, i);
            At(j, i) = tmp;
        }
}

void Matrix4::SetProduct(const Matrix4& a, const Matrix4& b)
{
    Matrix4 result;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += a.At(i, k) * b.At(k, j);
            result.At(i, j) = sum;
        }
    *this = result;
}

Matrix4 Matrix4::ColumnProduct(const Matrix4& a, const Matrix4& b)
{
    // Read row by row the operands are transposed, and (a b)^T = b^T a^T.
    Matrix4 product;
    product.SetProduct(b, a);
    return product;
}

Matrix4 CurrentClipMatrix()
{
    Matrix4 projection;
    Matrix4 modelview;
    glGetFloatv(GL_PROJECTION_MATRIX, projection.m);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.m);
    return Matrix4::ColumnProduct(projection, modelview);
}

namespace {

// Determinant of the 3 x 3 matrix left when row `skipRow` and column `skipColumn` are removed.
float Minor(const Matrix4& a, int skipRow, int skipColumn)
{
    float r[9];
    int n = 0;
    for (int i = 0; i < 4; ++i) {
        if (i == skipRow)
            continue;
        for (int j = 0; j < 4; ++j)
            if (j != skipColumn)
                r[n++] = a.At(i, j);
    }
    return r[0] * (r[4] * r[8] - r[5] * r[7]) - r[1] * (r[3] * r[8] - r[5] * r[6]) +
           r[2] * (r[3] * r[7] - r[4] * r[6]);
}

float Cofactor(const Matrix4& a, int row, int column)
{
    float minor = Minor(a, row, column);
    return ((row + column) % 2 == 0) ? minor : -minor;
}

} // namespace

float Matrix4::Determinant() const
{
    float det = 0.0f;
    for (int j = 0; j < 4; ++j)
        det += At(0, j) * Cofactor(*this, 0, j);
    return det;
}

void Matrix4::Invert()
{
    float det = Determinant();
    if (det == 0.0f) {
        SetDiagonal(1.0f);
        return;
    }
    Matrix4 inverse;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            inverse.At(j, i) = Cofactor(*this, i, j) / det; // adjugate is the cofactor transpose
    *this = inverse;
}

void xmlMatrixWrite(std::FILE* file, const char* label, const Matrix4& matrix)
{
    std::fprintf(file, "<Matrix Label=\"%s\"\n", label);
    for (int i = 0; i < 4; ++i)
        std::fprintf(file, "a%i0=\"%lf\" a%i1=\"%lf\" a%i2=\"%lf \" a%i3=\"%lf\" \n", i,
                     static_cast<double>(matrix.At(i, 0)), i, static_cast<double>(matrix.At(i, 1)), i,
                     static_cast<double>(matrix.At(i, 2)), i, static_cast<double>(matrix.At(i, 3)));
    std::fprintf(file, "/>\n");
}

void xmlMatrixRead(const XmlElement& element, const char* expectedLabel, Matrix4& matrix)
{
    std::string_view found = element.GetAttribute("Label");
    if (found != expectedLabel) {
        std::printf("Error in xmlMatrixRead, expected label '%s', but found '%s'\n", expectedLabel,
                    std::string(found).c_str());
        return;
    }
    char name[4] = {'a', '0', '0', '\0'};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            name[1] = static_cast<char>('0' + i);
            name[2] = static_cast<char>('0' + j);
            matrix.At(i, j) = ReadFloatAttribute(element, name);
        }
}
