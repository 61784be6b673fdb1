#pragma once

struct PixelSize {
    int width = 0;
    int height = 0;
};
