#pragma once

#include "app/launch_options.h"
#include "app/pixel_size.h"

#include <cstdint>

// The preview host's window, which belongs to another process.

// Its client area in pixels; 0 x 0 when it cannot be read.
PixelSize hostClientSize(NativeWindowId window);

// False once the host has disabled or destroyed it (on X11: destroyed or unmapped).
// Runs every frame: one query, no extra round trip.
bool hostWindowEnabled(NativeWindowId window);

// The handle as the windowing library takes it (an HWND, an X window id).
std::uintptr_t hostWindowHandle(NativeWindowId window);
