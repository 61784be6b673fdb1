#include "tests/support/galaxy_look.h"

#include <algorithm>
#include <iterator>
#include <sstream>

namespace {

std::string describe(const char* where, PixelRgb p) {
    std::ostringstream text;
    text << where << " is (" << p.r << ", " << p.g << ", " << p.b << ")";
    return text.str();
}

}  // namespace

std::string galaxyProblem(int width, int height, const std::function<PixelRgb(int x, int y)>& pixel) {
    const PixelRgb centre = pixel(width / 2, height / 2);
    const int inset = std::max(1, std::min(width, height) / 25);
    const PixelRgb corners[] = {pixel(inset, inset), pixel(width - 1 - inset, inset),
                                pixel(inset, height - 1 - inset), pixel(width - 1 - inset, height - 1 - inset)};

    if (centre.r < 200 || centre.g < 185 || centre.b < 185) return describe("the centre", centre) + ", not the bright bulge";
    for (const PixelRgb& c : corners) {
        if (c.r > 90 || c.b < c.r || c.b > 140) return describe("a corner", c) + ", not the dark blue-ish sky";
    }
    return {};
}
