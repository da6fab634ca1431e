#include <gtest/gtest.h>

#include "views/FailureReport.h"
#include "views/ViewMath.h"

TEST(WheelZoom, OneStepPerEventWithTheLimitTestedFirst)
{
    EXPECT_FLOAT_EQ(ZoomStep(1.45f, 120), 1.45f * 1.2f);
    EXPECT_EQ(ZoomStep(1.5f, 120), 1.5f);
    EXPECT_EQ(ZoomStep(0.03f, -120), 0.03f);
    EXPECT_FLOAT_EQ(ZoomStep(0.031f, -120), 0.031f * 0.8333333f);
    // Two notches in one event still make one step; no delta, no step.
    EXPECT_FLOAT_EQ(ZoomStep(1.0f, 240), 1.2f);
    EXPECT_FLOAT_EQ(ZoomStep(1.0f, -1), 0.8333333f);
    EXPECT_EQ(ZoomStep(1.0f, 0), 1.0f);
}

TEST(WheelZoom, StepsFromEachViewsStartToTheLimits)
{
    // The preview starts at 1.0, the edit view at 0.05: same limits, different step counts.
    auto stepsUntilStill = [](float zoom, int delta) {
        int steps = 0;
        for (float next = ZoomStep(zoom, delta); next != zoom; next = ZoomStep(zoom, delta)) {
            zoom = next;
            ++steps;
        }
        return steps;
    };
    EXPECT_EQ(stepsUntilStill(1.0f, 120), 3);   // 1.2, 1.44, 1.728
    EXPECT_EQ(stepsUntilStill(1.0f, -120), 20);
    EXPECT_EQ(stepsUntilStill(0.05f, 120), 19);
    EXPECT_EQ(stepsUntilStill(0.05f, -120), 3); // 0.0417, 0.0347, 0.0289
}

TEST(WheelZoom, AspectOfACollapsedPaneIsFinite)
{
    EXPECT_FLOAT_EQ(AspectRatio(800, 400), 2.0f);
    EXPECT_FLOAT_EQ(AspectRatio(300, 0), 300.0f);
    EXPECT_FLOAT_EQ(AspectRatio(0, 0), 0.0f);
}

TEST(FailureReport, ARepeatedFailureIsReportedOnceUntilASuccess)
{
    FailureReport report;
    EXPECT_TRUE(report.Failed());
    // Every further pass, also one that comes while the first report is still shown.
    EXPECT_FALSE(report.Failed());
    EXPECT_FALSE(report.Failed());
    report.Succeeded();
    report.Succeeded();
    EXPECT_TRUE(report.Failed());
    EXPECT_FALSE(report.Failed());
}
