#include "render/dib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

void putU32(std::string& bytes, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) bytes[at + k] = static_cast<char>(v >> (8 * k));
}

void putU16(std::string& bytes, std::size_t at, std::uint16_t v) {
    bytes[at] = static_cast<char>(v);
    bytes[at + 1] = static_cast<char>(v >> 8);
}

// A 2 x 2 bitmap: stored rows of 6 pixel bytes padded to 8, the first row's pixels with
// blue-green-red 1, 2, 3 and 4, 5, 6, the second's 7, 8, 9 and 10, 11, 12.
std::string twoByTwo() {
    std::string bytes(40 + 16, '\0');
    putU32(bytes, 0, 40);
    putU32(bytes, 4, 2);
    putU32(bytes, 8, 2);
    putU16(bytes, 12, 1);
    putU16(bytes, 14, 24);
    for (int k = 0; k < 6; ++k) {
        bytes[40 + k] = static_cast<char>(1 + k);
        bytes[48 + k] = static_cast<char>(7 + k);
    }
    return bytes;
}

bool sameColour(PixelColour c, int red, int green, int blue) {
    return c.red == red && c.green == green && c.blue == blue;
}

TEST(DibView, BottomUpRowsAreFlippedAndChannelsSwapped) {
    const auto dib = DibView::parse(twoByTwo());
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->width(), 2);
    EXPECT_EQ(dib->height(), 2);
    EXPECT_TRUE(sameColour(dib->pixel(0, 0), 9, 8, 7));    // top row = second stored row
    EXPECT_TRUE(sameColour(dib->pixel(1, 0), 12, 11, 10));
    EXPECT_TRUE(sameColour(dib->pixel(1, 1), 6, 5, 4));
}

TEST(DibView, TopDownHeightAndColourTableAreHonoured) {
    std::string topDown = twoByTwo();
    putU32(topDown, 8, static_cast<std::uint32_t>(-2));
    auto dib = DibView::parse(topDown);
    ASSERT_TRUE(dib);
    EXPECT_EQ(dib->height(), 2);
    EXPECT_TRUE(sameColour(dib->pixel(0, 0), 3, 2, 1));

    std::string withTable = twoByTwo();
    putU32(withTable, 32, 1);
    withTable.insert(40, "\xff\xff\xff\x00", 4);
    dib = DibView::parse(withTable);
    ASSERT_TRUE(dib);
    EXPECT_TRUE(sameColour(dib->pixel(0, 1), 3, 2, 1));
}

TEST(DibView, RefusesWhatItCannotReadWithinTheBytes) {
    struct Case {
        const char* what;
        std::size_t at;      // field to overwrite, or the new length when size is 0
        std::uint32_t value;
        int size;            // 2 or 4 bytes, 0 to cut the data
    };
    const Case cases[] = {
        {"header cut short", 39, 0, 0},
        {"last row one byte short", 55, 0, 0},
        {"header size below 40", 0, 12, 4},
        {"zero width", 4, 0, 4},
        {"negative width", 4, static_cast<std::uint32_t>(-2), 4},
        {"zero height", 8, 0, 4},
        {"most negative height", 8, 0x80000000u, 4},
        {"rows beyond the data", 4, 0x7fffffffu, 4},
        {"colour table beyond the data", 32, 0x40000000u, 4},
        {"two planes", 12, 2, 2},
        {"8 bits per pixel", 14, 8, 2},
        {"32 bits per pixel", 14, 32, 2},
        {"run-length compressed", 16, 1, 4},
    };
    for (const Case& c : cases) {
        std::string bytes = twoByTwo();
        if (c.size == 0) bytes.resize(c.at);
        if (c.size == 2) putU16(bytes, c.at, static_cast<std::uint16_t>(c.value));
        if (c.size == 4) putU32(bytes, c.at, c.value);
        EXPECT_FALSE(DibView::parse(bytes)) << c.what;
    }
    EXPECT_FALSE(DibView::parse(""));
}

}  // namespace
