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
//
// Win32: the library's window procedure replaces the window's own while attached, so
// its messages (close, size, input) reach the library; the flags come from its styles.
// A window of another process keeps its procedure (Windows refuses) and sends nothing.
// X11: the context uses the window's own visual (GLX or OSMesa; EGL is refused). We
// select structure, exposure, visibility and property events only: keys, buttons and
// the pointer stay with the owner, so no input callbacks fire. Size and position come
// from ConfigureNotify, iconified from WM_STATE, and the owner destroying the window
// is a close request. The flags resizable, decorated and floating are false; the icon
// is left as the owner set it; the cursor mode applies while attached and is reset to
// the default on hand-back (X cannot tell us the owner's cursor).
GLFWAPI GLFWwindow* glfwAttachNativeWindow(uintptr_t handle, GLFWwindow* share);

#ifdef __cplusplus
}
#endif
