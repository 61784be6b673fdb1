#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

struct PixelColour {
    std::uint8_t red, green, blue;
};

// A 24-bit uncompressed device-independent bitmap as a resource stores it: the 40-byte
// (or longer) info header, an optional colour table, then the pixel rows.
class DibView {
public:
    // Empty when the bytes are not such a bitmap or are too short for the rows they
    // announce, so pixel() never reads outside them.
    static std::optional<DibView> parse(std::string_view bytes);

    int width() const { return width_; }
    int height() const { return height_; }

    // Picture pixel (x, y), (0, 0) at the top left; x and y must lie inside the picture.
    PixelColour pixel(int x, int y) const;

private:
    DibView(const unsigned char* rows, int width, int height, bool bottomUp);

    const unsigned char* rows_;
    int width_;
    int height_;
    bool bottomUp_;
};
