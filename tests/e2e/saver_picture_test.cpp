// The galaxy as the full-screen saver shows it, and what the run writes to stdout.
#include "tests/support/saver_stage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

using namespace std::chrono_literals;

namespace {

// 2.5 times as wide as high: the corners lie 1.35 heights from the centre, beyond the
// disc, where only the sky colour is left.
constexpr int kWidth = 2000;
constexpr int kHeight = 800;

int channelDistance(const Rgb& a, const Rgb& b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

std::string withoutCarriageReturnLineFeeds(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
    return text;
}

class SaverPicture : public testing::TestWithParam<SaverBuild> {};

TEST_P(SaverPicture, ShowsSkyBulgeAndMovingGas) {
    SaverStage stage(GetParam(), kWidth, kHeight);
    auto saver = stage.startSaver({"/s"});
    ASSERT_TRUE(stage.screen().waitForWindow("Orlinde Screensaver", 30s)) << saver->standardError();
    std::this_thread::sleep_for(2s);
    const ScreenImage first = stage.screen().capture();
    std::this_thread::sleep_for(1s);
    const ScreenImage second = stage.screen().capture();

    const Rgb sky{13, 38, 64};  // (0.05, 0.15, 0.25)
    for (const auto& [x, y] : {std::pair{2, 2}, {kWidth - 3, 2}, {2, kHeight - 3}, {kWidth - 3, kHeight - 3}}) {
        EXPECT_LE(channelDistance(first.at(x, y), sky), 2) << "corner " << x << ", " << y;
    }
    const Rgb bulge{255, 245, 245};  // 1.2 x (1, 0.8, 0.8), clamped
    EXPECT_LE(channelDistance(first.at(kWidth / 2, kHeight / 2), bulge), 3);

    // Around the centre, 0.3 heights out: gas with structure, drifting between the shots.
    double brightness = 0, brightnessSquares = 0, change = 0;
    constexpr int kSamples = 720;
    for (int i = 0; i < kSamples; ++i) {
        const double angle = 2 * M_PI * i / kSamples;
        const int x = kWidth / 2 + static_cast<int>(0.3 * kHeight * std::cos(angle));
        const int y = kHeight / 2 + static_cast<int>(0.3 * kHeight * std::sin(angle));
        const Rgb a = first.at(x, y), b = second.at(x, y);
        const double level = (a.r + a.g + a.b) / 3.0;
        brightness += level;
        brightnessSquares += level * level;
        change += channelDistance(a, b);
    }
    const double mean = brightness / kSamples;
    const double spread = std::sqrt(brightnessSquares / kSamples - mean * mean);
    EXPECT_GT(spread, 8.0) << "the annulus is flat";
    EXPECT_GT(change / kSamples, 4.0) << "the annulus did not change in a second";

    stage.screen().pressAndReleaseKey("space");
    const auto status = saver->waitFor(20s);
    ASSERT_TRUE(status);
    EXPECT_EQ(*status, 0);
    // The only output: the loader's progress lines for the rectangle.
    const std::string progress = "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0";
    EXPECT_EQ(withoutCarriageReturnLineFeeds(saver->standardOutput()),
              "\n" + progress + "\n" + progress + progress + "\t| material: wire_198225087\n");
}

INSTANTIATE_TEST_SUITE_P(Builds, SaverPicture, testing::Values(SaverBuild::Linux, SaverBuild::Windows),
                         [](const auto& info) { return std::string(buildName(info.param)); });

}  // namespace
