#pragma once

// The dispatch behind WinMain (and main on Linux): parse the switches, apply the
// single-instance guard, then run the About window or the saver. Returns the exit
// status, which is always 0. `instance` and `showCommand` are what WinMain received;
// Linux passes null and 0.
int runSaverEntry(const char* commandLine, void* instance, int showCommand);
