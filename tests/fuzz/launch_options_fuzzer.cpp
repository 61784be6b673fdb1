// Arbitrary command lines for the launch-option parser. The input is cut at its first NUL
// byte, as a command line would be.
#include "app/launch_options.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string commandLine(reinterpret_cast<const char*>(data), size);
    const LaunchOptions options(commandLine.c_str());
    const auto mode = static_cast<std::int32_t>(options.mode);
    if (mode < 0 || mode > 3) std::abort();
    if (options.mode == LaunchMode::None && options.parentWindow != 0) std::abort();
    return 0;
}
