#pragma once

#include <cstdint>
#include <vector>

// A 24-bit uncompressed BMP file (file header, 40-byte info header, rows bottom-up, each
// padded to 4 bytes) of a picture given as width * height RGB triples, top row first.
std::vector<std::uint8_t> bmpFile24(int width, int height, const std::vector<std::uint8_t>& rgbRows);
