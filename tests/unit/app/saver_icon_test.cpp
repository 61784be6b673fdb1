#include "app/saver_icon.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

using Rgba = std::array<std::uint8_t, 4>;

Rgba pixelAt(const IconPixels& rows, int row, int column) {
    const auto* p = &rows[(row * kSaverIconSide + column) * 4];
    return {p[0], p[1], p[2], p[3]};
}

TEST(SaverIcon, TransposeMovesColumnPixelsToRows) {
    IconPixels columns{};
    // A marker pixel at column 5, row 2, stored at index 5 * 64 + 2 of the column table.
    const std::size_t stored = (5 * kSaverIconSide + 2) * 4;
    columns[stored + 0] = 1;
    columns[stored + 1] = 2;
    columns[stored + 2] = 3;
    columns[stored + 3] = 4;
    const IconPixels rows = iconRowsFromColumns(columns);
    EXPECT_EQ(pixelAt(rows, 2, 5), (Rgba{1, 2, 3, 4}));
    EXPECT_EQ(pixelAt(rows, 5, 2), (Rgba{0, 0, 0, 0}));
}

TEST(SaverIcon, MonitorStandsUpright) {
    const IconPixels rows = iconRowsFromColumns(saverIconColumns);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < kSaverIconSide; ++column) {
            ASSERT_EQ(pixelAt(rows, row, column)[3], 0) << "row " << row << " column " << column;
        }
    }
    // Screen quadrants: red top left, green top right, blue bottom left, yellow bottom right.
    EXPECT_EQ(pixelAt(rows, 16, 16), (Rgba{255, 72, 72, 255}));
    EXPECT_EQ(pixelAt(rows, 16, 48), (Rgba{0, 217, 70, 255}));
    EXPECT_EQ(pixelAt(rows, 34, 16), (Rgba{72, 72, 255, 255}));
    EXPECT_EQ(pixelAt(rows, 34, 48), (Rgba{240, 240, 0, 255}));
    // The light-blue cabinet, and the stand below it in the middle.
    EXPECT_EQ(pixelAt(rows, 44, 5), (Rgba{72, 194, 255, 255}));
    EXPECT_EQ(pixelAt(rows, 50, 32)[3], 255);
    EXPECT_EQ(pixelAt(rows, 50, 5)[3], 0);
}

TEST(SaverIcon, UntransposedTableWouldLieOnItsSide) {
    // Read as rows without the copy, the table's first rows are the cabinet's left edge.
    int opaqueInTopRows = 0;
    for (std::size_t i = 0; i < 6 * kSaverIconSide; ++i) opaqueInTopRows += saverIconColumns[i * 4 + 3] != 0;
    EXPECT_GT(opaqueInTopRows, 0);
}

}  // namespace
