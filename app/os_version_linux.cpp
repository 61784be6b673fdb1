#include "app/os_version.h"

// Linux desktops take the path of current Windows: full screen at the monitor's mode.
int osVersionNumber() { return kFirstVersionAtMonitorMode; }
