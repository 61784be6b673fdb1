// Writes the small bitmap the resource reader tests embed: 3 x 2 pixels (so each row
// carries padding) with a distinct value in every channel of every pixel.
#include "tools/bmp_file.h"
#include "tools/byte_writer.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_test_bitmap <output.bmp>\n";
        return 2;
    }
    const std::vector<std::uint8_t> rgb{
        1,  2,  3,  4,  5,  6,  7,   8,   9,    // top row
        10, 11, 12, 13, 14, 15, 250, 251, 252,  // bottom row
    };
    return writeFile(argv[1], bmpFile24(3, 2, rgb)) ? 0 : 1;
}
