#include "app/saver_icon.h"

#include <algorithm>

IconPixels iconRowsFromColumns(const IconPixels& columns) {
    IconPixels rows{};
    for (int r = 0; r < kSaverIconSide; ++r) {
        for (int c = 0; c < kSaverIconSide; ++c) {
            const auto from = columns.begin() + (c * kSaverIconSide + r) * 4;
            std::copy(from, from + 4, rows.begin() + (r * kSaverIconSide + c) * 4);
        }
    }
    return rows;
}
