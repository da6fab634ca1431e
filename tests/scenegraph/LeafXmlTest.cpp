#include <gtest/gtest.h>

#include "scenegraph/CSGAnimRotation.h"
#include "scenegraph/CSGAnimZPrecession.h"
#include "scenegraph/CSGLight.h"
#include "scenegraph/CSGRotation.h"
#include "scenegraph/CSGScene.h"
#include "scenegraph/CSGTransformation.h"
#include "scenegraph/CSGTranslation.h"
#include "tests/scenegraph/SceneTestSupport.h"

using namespace scenegraph_test;

namespace {

// The node writes exactly `expected`; a fresh node that reads it writes it again unchanged.
void ExpectRoundTrip(CSGNode& written, CSGNode& fresh, const std::string& expected)
{
    ASSERT_EQ(WrittenText(written), expected);
    CSGScene factory;
    fresh.ReadXml(ElementFromText(expected), factory);
    EXPECT_EQ(WrittenText(fresh), expected);
}

XmlElement MatrixElement(const char* label, float a03)
{
    XmlElement matrix;
    matrix.SetName("Matrix");
    if (label)
        matrix.SetAttribute("Label", label);
    for (const char* diagonal : {"a00", "a11", "a22", "a33"})
        matrix.SetAttribute(diagonal, "1");
    matrix.SetAttribute("a03", std::to_string(a03));
    return matrix;
}

} // namespace

TEST(LeafXml, RotationRoundTrip)
{
    CSGRotation rotation, fresh;
    rotation.AxisX = 0.5f;
    rotation.AxisY = -1.0f;
    rotation.AngleDeg = 0.1234567f;
    ExpectRoundTrip(rotation, fresh,
                    "<CSGRotation\n"
                    "  AxisX = \"0.500000\" AxisY = \"-1.000000\" AxisZ = \"0.000000\" AngleDeg= \"0.123457\"\n"
                    "/>\n");
}

TEST(LeafXml, TranslationRoundTrip)
{
    CSGTranslation translation, fresh;
    translation.VX = 1.0f;
    translation.VY = -0.0f;
    translation.VZ = 2.25f;
    ExpectRoundTrip(translation, fresh,
                    "<CSGTranslation\n"
                    "  VX = \"1.000000\" VY = \"-0.000000\" VZ = \"2.250000\" \n"
                    "/>\n");
}

TEST(LeafXml, AnimRotationRoundTrip)
{
    CSGAnimRotation spin, fresh;
    spin.AxisZ = 1.0f;
    spin.AngularSpeedDPS = 90.0f;
    spin.StartAngleDeg = -45.5f;
    ExpectRoundTrip(spin, fresh,
                    "<CSGAnimRotation\n"
                    "  AxisX = \"0.000000\" AxisY = \"0.000000\" AxisZ = \"1.000000\" "
                    "AngularSpeedDPS = \"90.000000\" StartAngleDeg= \"-45.500000\"\n"
                    "/>\n");
}

TEST(LeafXml, PrecessionRoundTrip)
{
    CSGAnimZPrecession precession, fresh;
    precession.StartAngleDeg = 12.0f;
    fresh.DeclinationDeg = fresh.AngularSpeedDPS = 0.0f;
    ExpectRoundTrip(precession, fresh,
                    "<CSGAnimZPrecession\n"
                    "  DeclinationDeg = \"30.000000\" AngularSpeedDPS = \"10.000000\" StartAngleDeg= \"12.000000\"\n"
                    "/>\n");
}

TEST(LeafXml, LightRoundTripKeepsIndexOutOfTheFile)
{
    CSGLight light(3), fresh(5);
    light.DC[0] = 0.5f;
    light.AC[2] = 0.25f;
    light.SC[3] = 0.0f;
    light.PT[0] = -4.0f;
    ExpectRoundTrip(light, fresh,
                    "<CSGLight\n"
                    "DC0= \"0.500000\" DC1= \"1.000000\" DC2= \"1.000000\" DC3= \"1.000000\" \n"
                    "AC0= \"0.000000\" AC1= \"0.000000\" AC2= \"0.250000\" AC3= \"1.000000\" \n"
                    "SC0= \"1.000000\" SC1= \"1.000000\" SC2= \"1.000000\" SC3= \"0.000000\" \n"
                    "PT0= \"-4.000000\" PT1= \"0.000000\" PT2= \"1.000000\" PT3= \"0.000000\" \n"
                    "/>\n");
    EXPECT_EQ(fresh.LightIndex, 5);
}

TEST(LeafXml, TransformationRoundTrip)
{
    CSGTransformation transformation, fresh;
    transformation.Matrix.At(0, 3) = 5.0f;
    transformation.Matrix.At(2, 1) = -0.5f;
    ExpectRoundTrip(transformation, fresh,
                    "<CSGTransformation>\n"
                    "<Matrix Label=\"M\"\n"
                    "a00=\"1.000000\" a01=\"0.000000\" a02=\"0.000000 \" a03=\"5.000000\" \n"
                    "a10=\"0.000000\" a11=\"1.000000\" a12=\"0.000000 \" a13=\"0.000000\" \n"
                    "a20=\"0.000000\" a21=\"-0.500000\" a22=\"1.000000 \" a23=\"0.000000\" \n"
                    "a30=\"0.000000\" a31=\"0.000000\" a32=\"0.000000 \" a33=\"1.000000\" \n"
                    "/>\n"
                    "</CSGTransformation>\n");
}

TEST(LeafXml, WronglyLabelledMatrixIsReportedAndLeavesTheIdentity)
{
    XmlElement element;
    element.SetName("CSGTransformation");
    element.AppendChild(MatrixElement("N", 7.0f));
    CSGScene factory;
    CSGTransformation transformation;
    testing::internal::CaptureStdout();
    transformation.ReadXml(element, factory);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Error in xmlMatrixRead, expected label 'M', but found 'N'\n");
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(transformation.Matrix.m[i], Matrix4::Identity().m[i]);
}

TEST(LeafXml, LastCorrectlyLabelledMatrixWins)
{
    XmlElement element;
    element.SetName("CSGTransformation");
    element.AppendChild(MatrixElement("M", 1.0f));
    element.AppendChild(MatrixElement("M", 3.0f));
    element.AppendChild(MatrixElement(nullptr, 4.0f));
    XmlElement other = MatrixElement("M", 9.0f);
    other.SetName("NotAMatrix");
    element.AppendChild(other);
    CSGScene factory;
    CSGTransformation transformation;
    testing::internal::CaptureStdout();
    transformation.ReadXml(element, factory);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Error in xmlMatrixRead, expected label 'M', but found ''\n");
    EXPECT_FLOAT_EQ(transformation.Matrix.At(0, 3), 3.0f);
}
