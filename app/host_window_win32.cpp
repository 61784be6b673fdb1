#include "app/host_window.h"

#include <windows.h>

#include <cstdint>

namespace {

HWND toHwnd(NativeWindowId window) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(window));
}

}  // namespace

PixelSize hostClientSize(NativeWindowId window) {
    RECT client{};
    if (!GetClientRect(toHwnd(window), &client)) return {};
    return {client.right - client.left, client.bottom - client.top};
}

bool hostWindowEnabled(NativeWindowId window) { return IsWindowEnabled(toHwnd(window)) != FALSE; }

std::uintptr_t hostWindowHandle(NativeWindowId window) { return reinterpret_cast<std::uintptr_t>(toHwnd(window)); }
