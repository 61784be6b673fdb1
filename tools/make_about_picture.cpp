// Writes the About window's picture (resources/about_galaxy.bmp): our own galaxy, drawn by
// the CPU evaluation of its shader at a fixed time, four by four samples a pixel.
#include "render/resources.h"
#include "tests/support/galaxy_reference.h"
#include "tools/bmp_file.h"
#include "tools/byte_writer.h"

#include <cmath>
#include <cstdint>
#include <iostream>
#include <vector>

namespace {

constexpr int kWidth = 110;
constexpr int kHeight = 83;
constexpr int kSamples = 4;  // per pixel and axis
constexpr float kTime = 12.0f;
constexpr ResourceId kNoiseBitmap = 207;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_about_picture <output.bmp>\n";
        return 2;
    }
    std::vector<float> rgba(static_cast<std::size_t>(NoiseTexture::kSize) * NoiseTexture::kSize * 4);
    readBitmapPixels(kNoiseBitmap, NoiseTexture::kSize, NoiseTexture::kSize, true, rgba.data());
    const NoiseTexture noise(rgba.data());

    // The whole picture is one viewport, sampled finer than its pixels.
    const float viewportWidth = static_cast<float>(kWidth * kSamples);
    const float viewportHeight = static_cast<float>(kHeight * kSamples);
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(kWidth) * kHeight * 3);
    for (int row = 0; row < kHeight; ++row) {
        for (int column = 0; column < kWidth; ++column) {
            float sum[3] = {0.0f, 0.0f, 0.0f};
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    // Picture rows run top down, fragment rows bottom up.
                    const float fragX = static_cast<float>(column * kSamples + sx) + 0.5f;
                    const float fragY = static_cast<float>((kHeight - 1 - row) * kSamples + sy) + 0.5f;
                    const GalaxyColour c = galaxyColour(fragX, fragY, viewportWidth, viewportHeight, kTime, noise);
                    sum[0] += c.red;
                    sum[1] += c.green;
                    sum[2] += c.blue;
                }
            }
            for (float channel : sum) rgb.push_back(unorm8(channel / static_cast<float>(kSamples * kSamples)));
        }
    }
    return writeFile(argv[1], bmpFile24(kWidth, kHeight, rgb)) ? 0 : 1;
}
