#pragma once

// The platform-independent half of glfwAttachNativeWindow: the checks and the record
// set-up that glfwCreateWindow does, without a video mode, monitor, title or size.

#include "internal.h"

// Reads the current hints into the three configurations and validates them as
// glfwCreateWindow does; reports the error and returns false when they are unusable.
GLFWbool _glfwPrepareAttachConfig(_GLFWwindow* share, _GLFWfbconfig* fbconfig,
                                  _GLFWctxconfig* ctxconfig, _GLFWwndconfig* wndconfig);

// A zero-filled record at the head of the window list, with the defaults of a new window.
_GLFWwindow* _glfwNewAttachedRecord(const _GLFWwndconfig* wndconfig, const _GLFWfbconfig* fbconfig);
