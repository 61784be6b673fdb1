#pragma once

// Our addition to GLFW: a library window built around a native window that somebody
// else created (the screensaver preview draws into the host's window this way).

#include <GLFW/glfw3.h>

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Wraps `handle` (an HWND on Win32, an X window id on X11) without creating a window,
// with a context made from the current hints, sharing objects with `share` (or null).
// Follows glfwCreateWindow's conventions: errors go to the error callback and give
// null. glfwDestroyWindow and glfwTerminate hand the native window back alive.
GLFWAPI GLFWwindow* glfwAttachNativeWindow(uintptr_t handle, GLFWwindow* share);

#ifdef __cplusplus
}
#endif
