#pragma once

#include <functional>
#include <string>

// What the galaxy looks like at a glance, loose enough for any size and time: a bright,
// nearly white bulge in the middle and dark blue-ish sky with faint gas in the corners.
// (The plain sky colour shows only far from the centre, so corners are judged loosely.)
struct PixelRgb {
    int r = 0, g = 0, b = 0;
};

// Empty when the picture fits; otherwise what does not.
std::string galaxyProblem(int width, int height, const std::function<PixelRgb(int x, int y)>& pixel);
