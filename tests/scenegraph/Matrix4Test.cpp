#include <gtest/gtest.h>

#include "scenegraph/Matrix4.h"

TEST(Matrix4, ProductIntoOperandUsesOriginalValues)
{
    Matrix4 a = Matrix4::Identity();
    a.At(0, 3) = 2.0f;
    a.At(1, 1) = 3.0f;
    a.SetProduct(a, a);
    EXPECT_FLOAT_EQ(a.At(0, 3), 4.0f);
    EXPECT_FLOAT_EQ(a.At(1, 1), 9.0f);
    EXPECT_FLOAT_EQ(a.At(2, 2), 1.0f);
}

TEST(Matrix4, DeterminantAndInverse)
{
    Matrix4 a = Matrix4::Identity();
    a.At(0, 0) = 2.0f;
    a.At(1, 2) = 5.0f;
    a.At(2, 3) = -1.0f;
    a.At(3, 0) = 4.0f;
    float det = a.Determinant();
    EXPECT_FLOAT_EQ(det, 2.0f);
    Matrix4 inverse = a;
    inverse.Invert();
    Matrix4 product;
    product.SetProduct(a, inverse);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(product.At(i, j), i == j ? 1.0f : 0.0f, 1e-6f) << i << "," << j;
}

TEST(Matrix4, SingularMatrixInvertsToIdentity)
{
    Matrix4 a;
    a.SetDiagonal(0.0f);
    a.At(0, 1) = 3.0f;
    a.Invert();
    for (int i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(a.m[i], Matrix4::Identity().m[i]);
}
