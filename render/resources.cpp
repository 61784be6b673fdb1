#include "render/resources.h"

#include "render/resource_data.h"

#include <algorithm>
#include <cstring>

std::string readTextResource(ResourceId id) {
    const auto bytes = textResourceBytes(id);
    return bytes ? std::string(*bytes) : std::string();
}

void readMarkedTextResource(ResourceId id, MarkedTextBuffer& buffer) {
    // A text without a marker ends with the resource, and one that does not fit is cut at
    // the buffer's capacity: neither the resource nor the buffer is overrun.
    const std::string_view text = textResourceBytes(id).value_or(std::string_view());
    const std::size_t length = std::min({text.find('~'), text.size(), kMarkedTextCapacity});
    if (length > 0) std::memcpy(buffer.data(), text.data(), length);
    std::fill_n(buffer.begin() + static_cast<std::ptrdiff_t>(length), 4, '\0');
}

void readBitmapPixels(ResourceId id, int width, int height, bool flipRows, float* rgba) {
    // Pixels outside the picture (or of a missing one) come out opaque black.
    const BitmapPicture picture(id);
    for (int i = 0; i < height; ++i) {
        const int y = flipRows ? height - 1 - i : i;
        for (int j = 0; j < width; ++j) {
            PixelColour c{0, 0, 0};
            if (j < picture.width() && y < picture.height()) c = picture.pixel(j, y);
            float* out = rgba + (static_cast<std::size_t>(i) * static_cast<std::size_t>(width) + static_cast<std::size_t>(j)) * 4;
            out[0] = static_cast<float>(c.red) / 255.0f;
            out[1] = static_cast<float>(c.green) / 255.0f;
            out[2] = static_cast<float>(c.blue) / 255.0f;
            out[3] = 1.0f;
        }
    }
}
