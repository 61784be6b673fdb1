#include "app/os_version.h"
#include "app/saver_callbacks.h"
#include "app/window_size.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr PixelSize kMonitor{1920, 1080};
constexpr PixelSize kHost{200, 150};

struct SizeCase {
    LaunchMode mode;
    int osVersion;
    PixelSize expected;
};

class DrawingSize : public testing::TestWithParam<SizeCase> {};

TEST_P(DrawingSize, FollowsModeAndVersion) {
    const SizeCase& c = GetParam();
    const PixelSize size = chooseDrawingSize(c.mode, c.osVersion, kHost, kMonitor);
    EXPECT_EQ(size.width, c.expected.width);
    EXPECT_EQ(size.height, c.expected.height);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DrawingSize,
    testing::Values(SizeCase{LaunchMode::Preview, 61, kHost},  // the host's client area
                    SizeCase{LaunchMode::Preview, 51, kHost},
                    SizeCase{LaunchMode::Saver, 60, kMonitor},  // 6.0 and later: the monitor's mode
                    SizeCase{LaunchMode::None, 100, kMonitor},
                    SizeCase{LaunchMode::Saver, 59, {800, 600}},  // before 6.0: fixed
                    SizeCase{LaunchMode::None, 51, {800, 600}}));

TEST(DrawingSize, WithoutMonitorModeFallsBackToFixedSize) {
    const PixelSize size = chooseDrawingSize(LaunchMode::Saver, 61, kHost, std::nullopt);
    EXPECT_EQ(size.width, 800);
    EXPECT_EQ(size.height, 600);
}

TEST(DrawingSize, ThisSystemTakesTheMonitorModePath) {
    EXPECT_GE(osVersionNumber(), kFirstVersionAtMonitorMode);
}

TEST(WindowSizeState, AspectFollowsEveryWrite) {
    WindowSize size;
    size.set(800, 600);
    EXPECT_FLOAT_EQ(size.aspect(), 1.3333334f);
    EXPECT_EQ(size.aspect(), 800.0f / 600.0f);
    size.set(1920, 1080);
    EXPECT_EQ(size.aspect(), 1920.0f / 1080.0f);
}

TEST(WindowSizeState, ZeroHeightKeepsTheLastFiniteAspect) {
    WindowSize size;
    size.set(640, 480);
    size.set(0, 0);  // a minimised window
    EXPECT_EQ(size.width(), 0);
    EXPECT_EQ(size.height(), 0);
    EXPECT_TRUE(std::isfinite(size.aspect()));
    EXPECT_EQ(size.aspect(), 640.0f / 480.0f);
}

TEST(WindowSizeHandler, NotificationUpdatesTheProcessSize) {
    onWindowSize(nullptr, 1280, 1024);
    EXPECT_EQ(windowSize.width(), 1280);
    EXPECT_EQ(windowSize.height(), 1024);
    EXPECT_EQ(windowSize.aspect(), 1.25f);
}

}  // namespace
