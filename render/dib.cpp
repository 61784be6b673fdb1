#include "render/dib.h"

#include <cstddef>

namespace {

std::uint32_t readU32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t readU16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::int32_t readI32(const unsigned char* p) {
    return static_cast<std::int32_t>(readU32(p));
}

std::size_t rowStride(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB
constexpr std::int32_t kLargestSide = 1 << 16;

}  // namespace

std::optional<DibView> DibView::parse(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() < kInfoHeaderSize) return std::nullopt;
    const std::uint32_t headerSize = readU32(data);
    const std::int32_t width = readI32(data + 4);
    const std::int32_t signedHeight = readI32(data + 8);
    const std::uint16_t planes = readU16(data + 12);
    const std::uint16_t bitCount = readU16(data + 14);
    const std::uint32_t compression = readU32(data + 16);
    const std::uint32_t coloursUsed = readU32(data + 32);
    if (headerSize < kInfoHeaderSize || planes != 1 || bitCount != 24 || compression != kUncompressed) {
        return std::nullopt;
    }
    // A negative height marks a top-down picture.
    const bool bottomUp = signedHeight > 0;
    const std::int64_t height = bottomUp ? signedHeight : -std::int64_t{signedHeight};
    if (width <= 0 || width > kLargestSide || height <= 0 || height > kLargestSide) return std::nullopt;

    const std::uint64_t rowsOffset = std::uint64_t{headerSize} + std::uint64_t{coloursUsed} * 4;
    const std::uint64_t rowsSize = std::uint64_t{rowStride(width)} * static_cast<std::uint64_t>(height);
    if (rowsOffset > bytes.size() || rowsSize > bytes.size() - rowsOffset) return std::nullopt;
    return DibView(data + rowsOffset, width, static_cast<int>(height), bottomUp);
}

DibView::DibView(const unsigned char* rows, int width, int height, bool bottomUp)
    : rows_(rows), width_(width), height_(height), bottomUp_(bottomUp) {}

PixelColour DibView::pixel(int x, int y) const {
    const int storedRow = bottomUp_ ? height_ - 1 - y : y;
    const unsigned char* p = rows_ + static_cast<std::size_t>(storedRow) * rowStride(width_) + static_cast<std::size_t>(x) * 3;
    return {p[2], p[1], p[0]};
}
