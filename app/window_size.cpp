#include "app/window_size.h"

#include "app/os_version.h"

WindowSize windowSize;

void WindowSize::set(std::int32_t width, std::int32_t height) {
    width_ = width;
    height_ = height;
    if (height != 0) aspect_ = static_cast<float>(width) / static_cast<float>(height);
}

PixelSize chooseDrawingSize(LaunchMode mode, int osVersion, PixelSize hostClient,
                            std::optional<PixelSize> monitorMode) {
    if (mode == LaunchMode::Preview) return hostClient;
    if (osVersion >= kFirstVersionAtMonitorMode && monitorMode) return *monitorMode;
    return {800, 600};
}
