#include <cmath>

#include <gtest/gtest.h>

#include "views/CTrackball.h"

namespace {

float Norm(const Quaternion& q) { return std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w); }

// Runs compositions with the identity until the program-wide counter has just restarted.
void RestartCompositionCount(CTrackball& trackball)
{
    do
        trackball.Compose(Quaternion{});
    while (TrackballCompositionCount() != 0);
}

class TrackballTest : public ::testing::Test {
protected:
    TrackballTest() { m_trackball.Init(200, 100); }
    CTrackball m_trackball;
};

} // namespace

TEST_F(TrackballTest, DragToTheRightTurnsAboutTheVerticalAxis)
{
    m_trackball.Start(100, 50);
    m_trackball.Motion(150, 50);
    const Quaternion& q = m_trackball.Current();
    EXPECT_FLOAT_EQ(q.x, 0.0f);
    EXPECT_FLOAT_EQ(q.z, 0.0f);
    EXPECT_NE(q.y, 0.0f);
    EXPECT_NEAR(Norm(q), 1.0f, 1e-6f);

    float m[16];
    m_trackball.BuildRotationMatrix(m);
    // The vertical axis stays put; the front of the level (+Z) swings to the right (+X).
    EXPECT_FLOAT_EQ(m[4 * 1 + 1], 1.0f);
    EXPECT_NEAR(m[4 * 0 + 1], 0.0f, 1e-7f);
    EXPECT_NEAR(m[4 * 2 + 1], 0.0f, 1e-7f);
    EXPECT_GT(m[4 * 0 + 2], 0.1f);
    EXPECT_FLOAT_EQ(m[4 * 3 + 3], 1.0f);
    // The angle: p1 = (0, 0, 0.8), p2 = (0.5, 0, sqrt(0.39)); phi = 2 asin(|p1 - p2| / 1.6).
    const double dz = 0.8 - std::sqrt(0.39);
    const double phi = 2.0 * std::asin(std::sqrt(0.25 + dz * dz) / 1.6);
    EXPECT_NEAR(m[0], std::cos(phi), 1e-6);
    EXPECT_NEAR(m[2], std::sin(phi), 1e-6);
}

TEST_F(TrackballTest, DragEndingOnItsStartChangesNothing)
{
    m_trackball.Start(40, 30);
    m_trackball.Motion(40, 30);
    EXPECT_FALSE(m_trackball.IsMoving());
    const Quaternion& q = m_trackball.Current();
    EXPECT_EQ(q.x, 0.0f);
    EXPECT_EQ(q.y, 0.0f);
    EXPECT_EQ(q.z, 0.0f);
    EXPECT_EQ(q.w, 1.0f);

    // Out and back along the same path: the two rolls cancel.
    m_trackball.Motion(70, 30);
    EXPECT_TRUE(m_trackball.IsMoving());
    m_trackball.Motion(40, 30);
    EXPECT_NEAR(m_trackball.Current().y, 0.0f, 1e-6f);
    EXPECT_NEAR(m_trackball.Current().w, 1.0f, 1e-6f);
}

TEST_F(TrackballTest, FarPointsUseTheHyperbolicSheetAndStayFinite)
{
    // From a corner, outside the ball's core, to beyond the window: a finite unit rotation.
    const Quaternion q = m_trackball.IncrementBetween(0, 0, 400, 300);
    EXPECT_TRUE(std::isfinite(q.w));
    EXPECT_NEAR(Norm(q), 1.0f, 1e-6f);
    // A collapsed window maps points to finite values as well.
    m_trackball.Resize(0, 0);
    EXPECT_TRUE(std::isfinite(m_trackball.IncrementBetween(0, 0, 3, 2).w));
}

TEST_F(TrackballTest, RenormalisedBySumOfSquaresAfter98Compositions)
{
    RestartCompositionCount(m_trackball);
    m_trackball.SetCurrent(Quaternion{0.0f, 0.0f, 0.0f, 2.0f});
    for (int i = 0; i < 97; ++i)
        m_trackball.Compose(Quaternion{});
    EXPECT_EQ(TrackballCompositionCount(), 97);
    EXPECT_FLOAT_EQ(m_trackball.Current().w, 2.0f);

    m_trackball.Compose(Quaternion{});
    EXPECT_EQ(TrackballCompositionCount(), 0);
    // Divided by 4 (the sum of squares), not by 2 (the length).
    EXPECT_FLOAT_EQ(m_trackball.Current().w, 0.5f);
}

TEST_F(TrackballTest, CompositionOrderOfTwoQuarterTurns)
{
    // 90 degrees about X composed with 90 degrees about Y: the cross term is current x increment.
    const float h = std::sqrt(0.5f);
    m_trackball.SetCurrent(Quaternion{h, 0.0f, 0.0f, h});
    m_trackball.Compose(Quaternion{0.0f, h, 0.0f, h});
    const Quaternion& q = m_trackball.Current();
    EXPECT_NEAR(q.x, 0.5f, 1e-6f);
    EXPECT_NEAR(q.y, 0.5f, 1e-6f);
    EXPECT_NEAR(q.z, 0.5f, 1e-6f);
    EXPECT_NEAR(q.w, 0.5f, 1e-6f);
}
