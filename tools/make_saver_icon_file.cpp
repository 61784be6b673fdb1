// Writes the file icon (resources/orlinde.ico): the monitor artwork at 32 x 32 and
// 16 x 16, each with 32-bit colour and alpha, 256 colours and 16 colours. The palettised
// images map every pixel to the nearest colour of a fixed palette and mark transparent
// pixels in the AND mask.
#include "tools/byte_writer.h"
#include "tools/icon_art.h"

#include <array>
#include <cstdint>
#include <iostream>
#include <limits>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

using Palette = std::vector<Rgb>;

Palette vgaPalette() {
    return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
            {0, 128, 128},   {192, 192, 192}, {128, 128, 128}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
            {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}

// The 16 VGA colours, a 6 x 6 x 6 colour cube and a ramp of 24 greys.
Palette palette256() {
    Palette palette = vgaPalette();
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette.push_back({static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                                   static_cast<std::uint8_t>(b * 51)});
    for (int k = 0; k < 24; ++k) {
        const auto grey = static_cast<std::uint8_t>(8 + 10 * k);
        palette.push_back({grey, grey, grey});
    }
    return palette;
}

std::uint8_t nearest(const Palette& palette, const std::uint8_t* rgba) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int k = 0; k < static_cast<int>(palette.size()); ++k) {
        const int dr = palette[k].r - rgba[0], dg = palette[k].g - rgba[1], db = palette[k].b - rgba[2];
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = k;
            bestDistance = distance;
        }
    }
    return static_cast<std::uint8_t>(best);
}

int strideBytes(int side, int bits) { return (side * bits + 31) / 32 * 4; }

// One icon image: info header (height doubled for the AND mask), palette, colour rows and
// mask rows, both bottom-up.
std::vector<std::uint8_t> iconImage(int side, int bits) {
    const auto art = drawMonitorIcon(side);
    const Palette palette = bits == 4 ? vgaPalette() : bits == 8 ? palette256() : Palette{};
    const int colourStride = strideBytes(side, bits);
    const int maskStride = strideBytes(side, 1);

    ByteWriter out;
    out.u32(40);
    out.i32(side);
    out.i32(side * 2);
    out.u16(1);
    out.u16(static_cast<std::uint16_t>(bits));
    out.u32(0);
    out.u32(static_cast<std::uint32_t>((colourStride + maskStride) * side));
    for (int k = 0; k < 4; ++k) out.u32(0);
    for (const Rgb& c : palette) {
        out.u8(c.b);
        out.u8(c.g);
        out.u8(c.r);
        out.u8(0);
    }
    for (int y = side - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(colourStride), 0);
        for (int x = 0; x < side; ++x) {
            const std::uint8_t* p = &art[(static_cast<std::size_t>(y) * side + x) * 4];
            if (bits == 32) {
                row[x * 4 + 0] = p[2];
                row[x * 4 + 1] = p[1];
                row[x * 4 + 2] = p[0];
                row[x * 4 + 3] = p[3];
                continue;
            }
            const std::uint8_t index = p[3] == 0 ? 0 : nearest(palette, p);
            if (bits == 8) {
                row[x] = index;
            } else {
                row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
            }
        }
        out.append(row);
    }
    for (int y = side - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(maskStride), 0);
        for (int x = 0; x < side; ++x) {
            if (art[(static_cast<std::size_t>(y) * side + x) * 4 + 3] == 0) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.append(row);
    }
    return out.bytes();
}

struct ImageFormat {
    int side;
    int bits;
};

constexpr std::array<ImageFormat, 6> kImages{{{32, 4}, {16, 4}, {32, 8}, {16, 8}, {32, 32}, {16, 32}}};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_saver_icon_file <output.ico>\n";
        return 2;
    }
    std::vector<std::vector<std::uint8_t>> images;
    for (const ImageFormat& format : kImages) images.push_back(iconImage(format.side, format.bits));

    ByteWriter out;
    out.u16(0);
    out.u16(1);  // icon
    out.u16(static_cast<std::uint16_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t k = 0; k < images.size(); ++k) {
        out.u8(static_cast<std::uint8_t>(kImages[k].side));
        out.u8(static_cast<std::uint8_t>(kImages[k].side));
        out.u8(kImages[k].bits == 4 ? 16 : 0);
        out.u8(0);
        out.u16(1);
        out.u16(static_cast<std::uint16_t>(kImages[k].bits));
        out.u32(static_cast<std::uint32_t>(images[k].size()));
        out.u32(offset);
        offset += static_cast<std::uint32_t>(images[k].size());
    }
    for (const auto& image : images) out.append(image);
    return writeFile(argv[1], out.bytes()) ? 0 : 1;
}
