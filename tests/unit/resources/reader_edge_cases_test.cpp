// The readers on resources the program never carries: texts without a marker or too long
// for the buffer, empty texts, missing ids, and pixel areas beyond the bitmap.
#include "render/resources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kFull = [] {
    std::string text;
    for (int k = 0; k < 2048; ++k) text += "0123456789abcdef";
    return text;
}();

constexpr ResourceId kMissing = 999;

struct MarkedCase {
    ResourceId id;
    const char* what;
    std::string text;
};

TEST(MarkedText, StopsAtTheMarkerTheResourceEndOrTheBufferEnd) {
    const MarkedCase cases[] = {
        {900, "marker inside", "void main() {}\r\n//"},
        {901, "no marker: the whole text", "a text that never ends with a marker\r\n"},
        {902, "too long: cut at the capacity", kFull},
        {903, "exactly the capacity", kFull},
        {904, "empty resource", ""},
        {905, "marker first", ""},
        {kMissing, "missing resource", ""},
    };
    for (const MarkedCase& c : cases) {
        SCOPED_TRACE(c.what);
        MarkedTextBuffer buffer;
        buffer.fill('#');
        readMarkedTextResource(c.id, buffer);
        const std::size_t n = c.text.size();
        EXPECT_EQ(std::string(buffer.data(), n), c.text);
        EXPECT_EQ(std::string(buffer.data() + n, 4), std::string(4, '\0'));
        EXPECT_EQ(std::string(buffer.begin() + static_cast<std::ptrdiff_t>(n) + 4, buffer.end()),
                  std::string(buffer.size() - n - 4, '#'));
    }
}

TEST(WholeText, IsExactlyTheStoredBytes) {
    EXPECT_EQ(readTextResource(900), "void main() {}\r\n//~\r\nnot part of the text");
    EXPECT_EQ(readTextResource(902), kFull + "tail~\r\n");
    EXPECT_EQ(readTextResource(904), "");
    EXPECT_EQ(readTextResource(kMissing), "");
}

// Bitmap 910 is 3 x 2: top row (1,2,3) (4,5,6) (7,8,9), bottom row (10,11,12) (13,14,15)
// (250,251,252). Pixels outside the picture read as opaque black.
using Rgb = std::vector<int>;
const Rgb k00{1, 2, 3}, k01{4, 5, 6}, k02{7, 8, 9}, k10{10, 11, 12}, k11{13, 14, 15}, k12{250, 251, 252};
const Rgb kBlack{0, 0, 0};

struct AreaCase {
    ResourceId id;
    int width;
    int height;
    bool flipRows;
    std::vector<Rgb> pixels;  // output order
};

TEST(BitmapPixels, ReadsTheTopLeftAreaAndBlackBeyondThePicture) {
    const AreaCase cases[] = {
        {910, 3, 2, false, {k00, k01, k02, k10, k11, k12}},
        {910, 3, 2, true, {k10, k11, k12, k00, k01, k02}},
        {910, 2, 1, false, {k00, k01}},
        {910, 2, 1, true, {k00, k01}},
        {910, 1, 2, true, {k10, k00}},
        {910, 4, 3, false, {k00, k01, k02, kBlack, k10, k11, k12, kBlack, kBlack, kBlack, kBlack, kBlack}},
        {910, 4, 3, true, {kBlack, kBlack, kBlack, kBlack, k10, k11, k12, kBlack, k00, k01, k02, kBlack}},
        {kMissing, 2, 1, true, {kBlack, kBlack}},
        {910, 0, 2, true, {}},
        {910, 2, -1, false, {}},
    };
    constexpr float kUntouched = -7.0f;
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id << ", " << c.width << " x " << c.height
                                        << ", flipRows " << c.flipRows);
        std::vector<float> rgba(c.pixels.size() * 4 + 4, kUntouched);
        readBitmapPixels(c.id, c.width, c.height, c.flipRows, rgba.data());
        for (std::size_t p = 0; p < c.pixels.size(); ++p) {
            for (int k = 0; k < 3; ++k) {
                EXPECT_EQ(rgba[p * 4 + k], static_cast<float>(c.pixels[p][k]) / 255.0f) << "pixel " << p;
            }
            EXPECT_EQ(rgba[p * 4 + 3], 1.0f) << "pixel " << p;
        }
        for (std::size_t k = c.pixels.size() * 4; k < rgba.size(); ++k) EXPECT_EQ(rgba[k], kUntouched);
    }
}

}  // namespace
