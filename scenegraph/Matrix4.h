#pragma once

#include <cstdio>
#include <string>

class XmlElement;

// 4 x 4 float matrix stored row by row: entry (i, j) is m[4i + j], the attribute a_ij of a
// Matrix element. OpenGL wants columns, so it is transposed on the way to and from OpenGL.
struct Matrix4 {
    float m[16];

    float& At(int row, int column) { return m[4 * row + column]; }
    float At(int row, int column) const { return m[4 * row + column]; }

    void SetDiagonal(float v);
    void Transpose();
    // this = a x b, through a temporary so that either operand may be this matrix.
    void SetProduct(const Matrix4& a, const Matrix4& b);
    float Determinant() const;
    // Adjugate over determinant; a singular matrix becomes the identity.
    void Invert();

    static Matrix4 Identity();
    // a x b for matrices held column by column, as OpenGL holds them. Each entry is summed in
    // the order Mesa sums it, so a product OpenGL would form comes out with the very same bits.
    static Matrix4 ColumnProduct(const Matrix4& a, const Matrix4& b);
};

// Projection times modelview of the current context, column by column.
Matrix4 CurrentClipMatrix();

void xmlMatrixWrite(std::FILE* file, const char* label, const Matrix4& matrix);
void xmlMatrixRead(const XmlElement& element, const char* expectedLabel, Matrix4& matrix);
