#pragma once

#include <cstdint>
#include <vector>

// The saver's icon artwork: a light-blue monitor on a stand whose screen shows four
// coloured squares, on a transparent background. Drawn on a 64-unit grid and scaled, so
// the window icon (64 x 64) and the file icon's images (32 x 32, 16 x 16) match.
// Returns side * side RGBA pixels (not premultiplied), rows top to bottom.
std::vector<std::uint8_t> drawMonitorIcon(int side);
