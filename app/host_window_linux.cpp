#include "app/host_window.h"

#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>

#include <optional>

namespace {

int ignoreXError(Display*, XErrorEvent*) { return 0; }

// The host may destroy its window at any moment; asking about a window that is gone
// must not end up in Xlib's default error handler, which exits the process. The query
// waits for its reply, and an error for it arrives before that, so no sync is needed.
std::optional<XWindowAttributes> hostAttributes(NativeWindowId window) {
    Display* display = glfwGetX11Display();
    if (display == nullptr) return std::nullopt;
    const auto previousHandler = XSetErrorHandler(ignoreXError);
    XWindowAttributes attributes{};
    const Status found = XGetWindowAttributes(display, static_cast<Window>(hostWindowHandle(window)), &attributes);
    XSetErrorHandler(previousHandler);
    if (!found) return std::nullopt;
    return attributes;
}

}  // namespace

PixelSize hostClientSize(NativeWindowId window) {
    const auto attributes = hostAttributes(window);
    if (!attributes) return {};
    return {attributes->width, attributes->height};
}

// X window ids are unsigned 32-bit values; the command line carries them as signed ones.
std::uintptr_t hostWindowHandle(NativeWindowId window) { return static_cast<std::uint32_t>(window); }

bool hostWindowEnabled(NativeWindowId window) {
    const auto attributes = hostAttributes(window);
    return attributes && attributes->map_state != IsUnmapped;
}
