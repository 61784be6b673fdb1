#include "render/resources.h"
#include "tests/support/test_paths.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

constexpr int kSide = 256;
constexpr ResourceId kNoise = 207;

// The committed noise.bmp decoded on its own: grey level of picture pixel (row from the
// top, column).
class NoiseFile {
public:
    NoiseFile() {
        std::ifstream in(sourceDir() + "/resources/noise.bmp", std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool complete() const { return bytes_.size() == 54u + kSide * kSide * 3; }
    std::array<std::uint8_t, 3> rgb(int row, int column) const {
        const std::size_t at = 54 + (static_cast<std::size_t>(kSide - 1 - row) * kSide + column) * 3;
        return {static_cast<std::uint8_t>(bytes_[at + 2]), static_cast<std::uint8_t>(bytes_[at + 1]),
                static_cast<std::uint8_t>(bytes_[at])};
    }

private:
    std::vector<char> bytes_;
};

std::vector<float> readNoise(int width, int height, bool flipRows) {
    std::vector<float> rgba(static_cast<std::size_t>(width) * height * 4, -1.0f);
    readBitmapPixels(kNoise, width, height, flipRows, rgba.data());
    return rgba;
}

struct Area {
    int width;
    int height;
    bool flipRows;
};

TEST(NoiseBitmap, ReadsTheCommittedPictureInEitherRowOrderAndAnyCorner) {
    const NoiseFile file;
    ASSERT_TRUE(file.complete());
    for (const Area area : {Area{256, 256, true}, Area{256, 256, false}, Area{16, 8, true}, Area{16, 8, false},
                            Area{1, 1, true}}) {
        SCOPED_TRACE(testing::Message() << area.width << " x " << area.height << " flipRows " << area.flipRows);
        const auto rgba = readNoise(area.width, area.height, area.flipRows);
        int wrong = 0;
        for (int i = 0; i < area.height; ++i) {
            const int row = area.flipRows ? area.height - 1 - i : i;
            for (int j = 0; j < area.width; ++j) {
                const auto expected = file.rgb(row, j);
                const float* got = &rgba[(static_cast<std::size_t>(i) * area.width + j) * 4];
                for (int c = 0; c < 3; ++c) wrong += got[c] != static_cast<float>(expected[c]) / 255.0f;
                wrong += got[3] != 1.0f;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(NoiseBitmap, IsUncorrelatedGreyOverTheWholeRange) {
    const auto rgba = readNoise(kSide, kSide, true);
    std::vector<int> level(kSide * kSide);
    std::array<bool, 256> seen{};
    for (std::size_t p = 0; p < level.size(); ++p) {
        const float* px = &rgba[p * 4];
        ASSERT_EQ(px[0], px[1]) << "pixel " << p;
        ASSERT_EQ(px[0], px[2]) << "pixel " << p;
        const int k = static_cast<int>(std::lround(px[0] * 255.0f));
        ASSERT_EQ(px[0], static_cast<float>(k) / 255.0f) << "pixel " << p;
        level[p] = k;
        seen[static_cast<std::size_t>(k)] = true;
    }
    EXPECT_TRUE(seen[0]);
    EXPECT_TRUE(seen[255]);

    double mean = 0;
    for (int k : level) mean += k;
    mean /= static_cast<double>(level.size());
    EXPECT_NEAR(mean, 127.5, 2.0);
    // Neighbour correlation along rows and columns (wrapping, as the texture repeats).
    for (const int step : {1, kSide}) {
        double covariance = 0, variance = 0;
        for (std::size_t p = 0; p < level.size(); ++p) {
            const double a = level[p] - mean;
            const double b = level[(p + static_cast<std::size_t>(step)) % level.size()] - mean;
            covariance += a * b;
            variance += a * a;
        }
        EXPECT_LT(std::fabs(covariance / variance), 0.03) << "step " << step;
    }
}

}  // namespace
