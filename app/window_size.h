#pragma once

#include "app/launch_options.h"
#include "app/pixel_size.h"

#include <cstdint>
#include <optional>

// The drawing size, in pixels. Written once at start and then only by the window-size
// handler; the frame reads it every frame.
class WindowSize {
public:
    // Recomputes the aspect from the two integers. A zero height (a minimised window
    // reports 0 x 0) keeps the previous aspect, so the projection stays finite.
    void set(std::int32_t width, std::int32_t height);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    float aspect() const { return aspect_; }

private:
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    float aspect_ = 1.0f;
};

extern WindowSize windowSize;

// The size the saver draws at: the host's client area for a preview; otherwise the
// primary monitor's current mode on Windows 6.0 and later, and 800 x 600 before.
// Without a monitor mode (the library did not start) the old fixed size is used.
PixelSize chooseDrawingSize(LaunchMode mode, int osVersion, PixelSize hostClient,
                            std::optional<PixelSize> monitorMode);
