// The CPU galaxy is the yardstick for rendered frames, so its sampling and its
// landmarks are checked on their own.
#include "tests/support/galaxy_reference.h"

#include "render/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kPi = 3.14159265358979f;

// Texel (i, j) holds i + 256 j, scaled into [0, 1): every texel is told apart.
NoiseTexture rampTexture() {
    std::vector<float> red(256 * 256);
    for (int j = 0; j < 256; ++j) {
        for (int i = 0; i < 256; ++i) red[static_cast<std::size_t>(j) * 256 + i] = static_cast<float>(i + 256 * j) / 65536.0f;
    }
    return NoiseTexture(std::move(red));
}

float ramp(int i, int j) { return static_cast<float>(i + 256 * j) / 65536.0f; }

TEST(NoiseTexture, SamplesBilinearlyBetweenTexelCentresAndWraps) {
    const NoiseTexture texture = rampTexture();
    const auto at = [](float texel) { return texel / 256.0f; };  // texel-space to texture coordinates
    struct Case {
        float s, t, expected;
    };
    const Case cases[] = {
        {at(0.5f), at(0.5f), ramp(0, 0)},
        {at(10.5f), at(3.5f), ramp(10, 3)},
        {at(11.0f), at(3.5f), (ramp(10, 3) + ramp(11, 3)) / 2},
        {at(10.75f), at(4.0f), 0.5f * (0.75f * ramp(10, 3) + 0.25f * ramp(11, 3)) + 0.5f * (0.75f * ramp(10, 4) + 0.25f * ramp(11, 4))},
        {0.0f, at(0.5f), (ramp(255, 0) + ramp(0, 0)) / 2},          // s = 0 mixes the last column in
        {at(0.5f), 1.0f, (ramp(0, 255) + ramp(0, 0)) / 2},          // t = 1 mixes row 0 in
        {at(0.5f) - 3.0f, at(7.5f) + 2.0f, ramp(0, 7)},             // whole periods away
        {at(-0.5f), at(0.5f), ramp(255, 0)},                        // a negative coordinate
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(texture.red(c.s, c.t), c.expected, 1e-5f) << "s = " << c.s << ", t = " << c.t;
    }
}

class GalaxyReference : public testing::Test {
protected:
    // The program's own noise bitmap, read once for the suite.
    static const NoiseTexture& noise() {
        static const NoiseTexture texture = [] {
            std::vector<float> rgba(256 * 256 * 4);
            readBitmapPixels(207, 256, 256, true, rgba.data());
            return NoiseTexture(rgba.data());
        }();
        return texture;
    }
};

TEST_F(GalaxyReference, FarFromTheCentreIsTheSky) {
    // A viewport four heights wide: its left and right edges lie two heights out.
    for (const float time : {0.0f, 7.5f, 100.0f}) {
        for (const float y : {0.5f, 250.5f, 499.5f}) {
            const GalaxyColour c = galaxyColour(0.5f, y, 2000.0f, 500.0f, time, noise());
            EXPECT_NEAR(c.red, 0.05f, 1e-3f);
            EXPECT_NEAR(c.green, 0.15f, 1e-3f);
            EXPECT_NEAR(c.blue, 0.25f, 1e-3f);
        }
    }
}

TEST_F(GalaxyReference, TheCentreIsTheBulgeColourClamped) {
    const GalaxyColour c = galaxyColour(500.5f, 500.5f, 1000.0f, 1000.0f, 3.0f, noise());  // half a pixel out
    EXPECT_FLOAT_EQ(c.red, 1.0f);
    EXPECT_NEAR(c.green, 0.96f, 2e-3f);
    EXPECT_NEAR(c.blue, 0.96f, 2e-3f);
}

TEST_F(GalaxyReference, RepeatsEveryTwentyPiSecondsAndMovesInBetween) {
    const float period = 20.0f * kPi;
    float repeatDifference = 0.0f;
    float halfwayDifference = 0.0f;
    for (int y = 0; y < 90; y += 7) {
        for (int x = 0; x < 120; x += 7) {
            const float fx = static_cast<float>(x) + 0.5f;
            const float fy = static_cast<float>(y) + 0.5f;
            const GalaxyColour a = galaxyColour(fx, fy, 120.0f, 90.0f, 4.0f, noise());
            const GalaxyColour b = galaxyColour(fx, fy, 120.0f, 90.0f, 4.0f + period, noise());
            const GalaxyColour h = galaxyColour(fx, fy, 120.0f, 90.0f, 4.0f + period / 2, noise());
            repeatDifference = std::max({repeatDifference, std::fabs(a.red - b.red), std::fabs(a.green - b.green),
                                         std::fabs(a.blue - b.blue)});
            halfwayDifference = std::max({halfwayDifference, std::fabs(a.red - h.red), std::fabs(a.green - h.green),
                                          std::fabs(a.blue - h.blue)});
        }
    }
    EXPECT_LT(repeatDifference, 2.0f / 255.0f);
    EXPECT_GT(halfwayDifference, 0.1f);
}

TEST(Unorm8, RoundsToTheNearestLevelAndClamps) {
    EXPECT_EQ(unorm8(0.0f), 0);
    EXPECT_EQ(unorm8(1.0f), 255);
    EXPECT_EQ(unorm8(0.5f), 128);
    EXPECT_EQ(unorm8(0.49f / 255.0f), 0);
    EXPECT_EQ(unorm8(-1.0f), 0);
    EXPECT_EQ(unorm8(2.0f), 255);
}

}  // namespace
