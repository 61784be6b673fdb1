#pragma once

#include "app/launch_options.h"
#include "app/pixel_size.h"

// The preview host's window, which belongs to another process.

// Its client area in pixels; 0 x 0 when it cannot be read.
PixelSize hostClientSize(NativeWindowId window);

// False once the host has disabled or destroyed it (on X11: destroyed or unmapped).
bool hostWindowEnabled(NativeWindowId window);
