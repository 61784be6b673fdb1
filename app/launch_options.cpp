#include "app/launch_options.h"

#include "app/instance_guard.h"

#include <cstdlib>
#include <limits>

LaunchOptions* launchOptions = nullptr;

namespace {

// strtol(text, nullptr, 10) as a 32-bit long reads it, so that both targets agree:
// out-of-range numbers clamp to the 32-bit limits, and no digits give 0.
std::int32_t readDecimal32(const char* text) {
    const long long value = std::strtoll(text, nullptr, 10);
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

}  // namespace

LaunchOptions::LaunchOptions(const char* commandLine) {
    if (commandLine == nullptr) return;
    for (const char* slash = commandLine; *slash != '\0'; ++slash) {
        if (*slash != '/') continue;
        switch (slash[1]) {
            case 'p': mode = LaunchMode::Preview; break;
            case 's': mode = LaunchMode::Saver; break;
            case 'c': mode = LaunchMode::Configure; break;
            default: break;
        }
        if (mode == LaunchMode::None) continue;
        // The handle starts after the switch letter and one separator ("/p 1234", "/c:1234").
        const bool textReachesNumber = slash[1] != '\0' && slash[2] != '\0';
        parentWindow = textReachesNumber ? readDecimal32(slash + 3) : 0;
    }
}

bool LaunchOptions::claimSingleInstance() const {
    return holdInstanceGuard("K_OPENGL_SCREENSAVER") != InstanceGuard::HeldElsewhere;
}
