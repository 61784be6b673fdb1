#include "tools/bmp_file.h"

#include "tools/byte_writer.h"

std::vector<std::uint8_t> bmpFile24(int width, int height, const std::vector<std::uint8_t>& rgbRows) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t rowsSize = stride * static_cast<std::uint32_t>(height);
    constexpr std::uint32_t kHeaders = 14 + 40;
    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(kHeaders + rowsSize);
    out.u32(0);
    out.u32(kHeaders);
    out.u32(40);
    out.i32(width);
    out.i32(height);  // positive: bottom-up
    out.u16(1);
    out.u16(24);
    out.u32(0);  // BI_RGB
    out.u32(rowsSize);
    out.i32(2835);  // 72 dpi
    out.i32(2835);
    out.u32(0);
    out.u32(0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &rgbRows[(static_cast<std::size_t>(y) * width + x) * 3];
            out.u8(p[2]);
            out.u8(p[1]);
            out.u8(p[0]);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < stride; ++pad) out.u8(0);
    }
    return out.bytes();
}
