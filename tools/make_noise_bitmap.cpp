// Writes the noise bitmap (resources/noise.bmp): 256 x 256 grey white noise, each pixel an
// independent byte from a fixed-seed splitmix64, so every build machine writes the same file.
#include "tools/bmp_file.h"
#include "tools/byte_writer.h"

#include <array>
#include <cstdint>
#include <iostream>

namespace {

struct SplitMix64 {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
};

constexpr std::uint64_t kSeed = 0x4f726c696e646521ULL;
constexpr int kSide = 256;

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_noise_bitmap <output.bmp>\n";
        return 2;
    }
    SplitMix64 random{kSeed};
    std::vector<std::uint8_t> rgb;
    std::array<bool, 256> seen{};
    for (int k = 0; k < kSide * kSide; ++k) {
        const auto grey = static_cast<std::uint8_t>(random.next() >> 56);
        seen[grey] = true;
        rgb.insert(rgb.end(), {grey, grey, grey});
    }
    // The shader relies on the full range; a seed that missed either end would be wrong.
    if (!seen[0] || !seen[255]) {
        std::cerr << "make_noise_bitmap: the noise does not reach 0 and 255\n";
        return 1;
    }
    return writeFile(argv[1], bmpFile24(kSide, kSide, rgb)) ? 0 : 1;
}
