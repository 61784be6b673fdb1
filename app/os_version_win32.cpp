#include "app/os_version.h"

#include <windows.h>

int osVersionNumber() {
    // GetVersion is deprecated, but it is the call whose answer the size choice is
    // defined by (without a manifest it reports at most 6.2).
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#endif
    const DWORD version = GetVersion();
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    const int major = static_cast<int>(version & 0xFF);
    const int minor = static_cast<int>((version >> 8) & 0xFF);
    return major * 10 + minor;
}
