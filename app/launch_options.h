#pragma once

#include <cstdint>

// The values are fixed: other code and tests rely on them.
enum class LaunchMode : std::int32_t {
    Preview = 0,    // /p <handle>: draw inside the host's preview window
    Saver = 1,      // /s: full screen
    Configure = 2,  // /c: the About window
    None = 3,       // no recognised switch: full screen, under the single-instance guard
};

// A native window handle as the command line carries it: a signed 32-bit decimal number.
// Platform code turns it into an HWND or an X window id.
using NativeWindowId = std::int32_t;

// What Windows asked the screensaver to do, read once from the command line.
struct LaunchOptions {
    explicit LaunchOptions(const char* commandLine);

    // True when this process may run: it now holds the named instance guard, or no guard
    // could be had at all. False when another instance holds it.
    bool claimSingleInstance() const;

    LaunchMode mode = LaunchMode::None;
    NativeWindowId parentWindow = 0;
};

// The process's launch options; set by the entry, never freed.
extern LaunchOptions* launchOptions;
