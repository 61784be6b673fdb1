#include "tools/icon_art.h"

#include <array>

namespace {

struct Rgba {
    std::uint8_t r, g, b, a;
};

struct Box {  // in units of a 64 x 64 grid, right and bottom exclusive
    int left, top, right, bottom;
    Rgba colour;
};

constexpr Rgba kBody{72, 194, 255, 255};
constexpr Rgba kBodyEdge{38, 128, 186, 255};
constexpr Rgba kScreenBorder{150, 150, 156, 255};
constexpr Rgba kRed{255, 72, 72, 255};
constexpr Rgba kGreen{0, 217, 70, 255};
constexpr Rgba kBlue{72, 72, 255, 255};
constexpr Rgba kYellow{240, 240, 0, 255};
constexpr Rgba kDot{24, 84, 130, 255};

// Painted in order; later boxes cover earlier ones. The top six rows stay empty.
constexpr std::array<Box, 17> kBoxes{{
    {26, 47, 38, 55, kBodyEdge},   // neck
    {27, 47, 37, 54, kBody},
    {14, 54, 50, 60, kBodyEdge},   // foot
    {15, 55, 49, 59, kBody},
    {2, 6, 62, 48, kBodyEdge},     // cabinet
    {3, 7, 61, 47, kBody},
    {7, 10, 57, 40, kScreenBorder},
    {9, 12, 32, 25, kRed},
    {32, 12, 55, 25, kGreen},
    {9, 25, 32, 38, kBlue},
    {32, 25, 55, 38, kYellow},
    {41, 42, 43, 44, kDot},        // four dots at the lower right of the frame
    {45, 42, 47, 44, kDot},
    {49, 42, 51, 44, kDot},
    {53, 42, 55, 44, kDot},
    {2, 6, 3, 7, {0, 0, 0, 0}},    // rounded corners of the cabinet
    {61, 6, 62, 7, {0, 0, 0, 0}},
}};

// Grid cell that pixel p of a side-pixel image samples (its centre).
int gridCell(int p, int side) { return (2 * p + 1) * 64 / (2 * side); }

}  // namespace

std::vector<std::uint8_t> drawMonitorIcon(int side) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(side) * side * 4, 0);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int gx = gridCell(x, side);
            const int gy = gridCell(y, side);
            Rgba colour{0, 0, 0, 0};
            for (const Box& box : kBoxes) {
                if (gx >= box.left && gx < box.right && gy >= box.top && gy < box.bottom) colour = box.colour;
            }
            std::uint8_t* out = &pixels[(static_cast<std::size_t>(y) * side + x) * 4];
            out[0] = colour.r;
            out[1] = colour.g;
            out[2] = colour.b;
            out[3] = colour.a;
        }
    }
    return pixels;
}
