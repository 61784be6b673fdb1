#pragma once

// The Windows version as major * 10 + minor (6.1 gives 61); the build number is ignored.
int osVersionNumber();

// From this version on the saver runs at the monitor's own video mode.
constexpr int kFirstVersionAtMonitorMode = 60;
