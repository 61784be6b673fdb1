#pragma once

#include <cstdint>
#include <vector>

// The galaxy's fragment stage evaluated on the CPU in 32-bit float, independently of any
// GL code, to judge rendered frames and to draw the About picture.

// The noise texture as the fragment stage samples it: 256 x 256, red channel only,
// row 0 at t = 0 (the bitmap's bottom row), bilinear with texel centres at
// (i + 0.5) / 256, repeating in both directions.
class NoiseTexture {
public:
    static constexpr int kSize = 256;

    // From kSize * kSize RGBA floats, row 0 first (what readBitmapPixels gives for the
    // noise bitmap with flipRows).
    explicit NoiseTexture(const float* rgba);
    // From kSize * kSize red values, row 0 first.
    explicit NoiseTexture(std::vector<float> red);

    // texture2D(noise, vec2(s, t)).r
    float red(float s, float t) const;

private:
    float texel(int i, int j) const;

    std::vector<float> red_;
};

struct GalaxyColour {
    float red, green, blue;
};

// gl_FragColor.rgb clamped to [0, 1] for the pixel whose centre is (fragX, fragY)
// (gl_FragCoord: origin at the bottom left) in a width x height viewport at `time`
// seconds.
GalaxyColour galaxyColour(float fragX, float fragY, float width, float height, float time, const NoiseTexture& noise);

// A [0, 1] channel as an 8-bit framebuffer stores it.
std::uint8_t unorm8(float value);
