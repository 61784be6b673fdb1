#include "tests/support/galaxy_reference.h"

#include <cmath>
#include <utility>

namespace {

struct V2 {
    float x, y;
};

V2 operator*(float k, V2 v) { return {k * v.x, k * v.y}; }
V2 operator-(V2 a, V2 b) { return {a.x - b.x, a.y - b.y}; }

// (x cos a - y sin a, x sin a + y cos a)
V2 rotate(V2 v, float cosA, float sinA) { return {v.x * cosA - v.y * sinA, v.x * sinA + v.y * cosA}; }

float mix(float x, float y, float a) { return x * (1.0f - a) + y * a; }

constexpr float kReticulation = 3.0f;
constexpr float kArms = 5.0f;
constexpr float kCompression = 0.1f;
constexpr float kSpeed = 0.1f;
constexpr float kGalaxyRadius = 1.0f / 2.0f;
constexpr float kBulbRadius = 1.0f / 4.0f;
constexpr float kGalaxyColour[3] = {0.9f, 0.9f, 1.0f};
constexpr float kBulbColour[3] = {1.0f, 0.8f, 0.8f};
constexpr float kSkyColour[3] = {0.5f * 0.1f, 0.5f * 0.3f, 0.5f * 0.5f};
constexpr int kOctaves = 7;

// 1 where the noise is one half, falling to 0 at 0 and 1.
float shapedNoise(const NoiseTexture& noise, V2 q) {
    const float n = noise.red(q.x, q.y);
    return 1.0f - std::fabs(2.0f * n - 1.0f);
}

float turbulence(const NoiseTexture& noise, V2 q, float time) {
    float v = 0.0f;
    float s = 1.0f;
    const float angle = kSpeed * time;
    const float c = std::cos(angle);
    const float sn = std::sin(angle);
    for (int i = 0; i < kOctaves; ++i) {
        q = rotate(q, c, sn);  // accumulates: octave i is turned by (i + 1) * angle
        const float b = shapedNoise(noise, s * q);
        v += std::pow(b, kReticulation) / s;
        s *= 2.0f;
    }
    return v / 2.0f;
}

float clamp01(float x) { return x < 0.0f ? 0.0f : (x > 1.0f ? 1.0f : x); }

}  // namespace

NoiseTexture::NoiseTexture(const float* rgba) : red_(static_cast<std::size_t>(kSize) * kSize) {
    for (std::size_t i = 0; i < red_.size(); ++i) red_[i] = rgba[i * 4];
}

NoiseTexture::NoiseTexture(std::vector<float> red) : red_(std::move(red)) {
    red_.resize(static_cast<std::size_t>(kSize) * kSize, 0.0f);
}

float NoiseTexture::texel(int i, int j) const {
    const int x = ((i % kSize) + kSize) % kSize;
    const int y = ((j % kSize) + kSize) % kSize;
    return red_[static_cast<std::size_t>(y) * kSize + static_cast<std::size_t>(x)];
}

float NoiseTexture::red(float s, float t) const {
    const float u = s * static_cast<float>(kSize) - 0.5f;
    const float v = t * static_cast<float>(kSize) - 0.5f;
    const float u0 = std::floor(u);
    const float v0 = std::floor(v);
    const float a = u - u0;
    const float b = v - v0;
    // Far outside [0, 1] the float coordinate has no fraction left; wrapping the integer
    // part in double keeps the texel index exact.
    const int i = static_cast<int>(std::fmod(static_cast<double>(u0), kSize));
    const int j = static_cast<int>(std::fmod(static_cast<double>(v0), kSize));
    const float bottom = mix(texel(i, j), texel(i + 1, j), a);
    const float top = mix(texel(i, j + 1), texel(i + 1, j + 1), a);
    return mix(bottom, top, b);
}

GalaxyColour galaxyColour(float fragX, float fragY, float width, float height, float time, const NoiseTexture& noise) {
    const float ratio = width / height;
    const V2 uv{fragX / height - ratio / 2.0f, fragY / height - 0.5f};

    const float rho = std::sqrt(uv.x * uv.x + uv.y * uv.y);
    const float alpha = std::atan2(uv.y, uv.x);

    const float shear = 2.0f * std::log(rho);
    const float cosShear = std::cos(shear);
    const float sinShear = std::sin(shear);  // rot(-shear)

    float dens = std::exp(-(rho / kGalaxyRadius) * (rho / kGalaxyRadius));
    const float bulb = std::exp(-(rho / kBulbRadius) * (rho / kBulbRadius));

    const float phase = kArms * (alpha - shear);

    const float alphaArms = alpha - kCompression * std::cos(phase) + kSpeed * time;
    const V2 uvArms{rho * std::cos(alphaArms), rho * std::sin(alphaArms)};

    const float spires = 1.0f + kArms * kCompression * std::sin(phase);
    dens *= 0.7f * spires;

    const V2 gasPoint = rotate(uvArms, cosShear, -sinShear);
    const float gaz = turbulence(noise, (0.09f * 1.2f) * gasPoint, time);
    const float gazOpacity = 1.0f - gaz * dens;
    const float gazTransparency = gazOpacity * gazOpacity;

    const V2 starPoint = (ratio * 1.8f) * uvArms - V2{0.5f, 0.5f};
    const float stars2 = noise.red(starPoint.x, starPoint.y);
    const float stars = std::pow(stars2, 5.0f);

    float col[3];
    for (int c = 0; c < 3; ++c) {
        col[c] = mix(kSkyColour[c], gazTransparency * 1.7f * kGalaxyColour[c] + 1.2f * stars, dens);
        col[c] = mix(col[c], 1.2f * kBulbColour[c], bulb);
    }
    return {clamp01(col[0]), clamp01(col[1]), clamp01(col[2])};
}

std::uint8_t unorm8(float value) { return static_cast<std::uint8_t>(std::lround(clamp01(value) * 255.0f)); }
