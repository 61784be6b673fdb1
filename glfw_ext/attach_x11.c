// internal.h first: it decides how the public header is included
#include "attach_common.h"
#include "native_attach.h"

// What we ask of a window that another client owns: its size, position and state, its
// damage and its destruction. Keys, buttons and pointer motion stay with the owner; X
// lets only one client select button presses on a window anyway.
#define ATTACHED_EVENT_MASK \
    (StructureNotifyMask | ExposureMask | VisibilityChangeMask | PropertyChangeMask)

static GLFWbool readAttributes(Window handle, XWindowAttributes* attribs, Window* parent)
{
    Window root, *children = NULL;
    unsigned int count = 0;
    Status found, queried;

    _glfwGrabErrorHandlerX11();
    found = XGetWindowAttributes(_glfw.x11.display, handle, attribs);
    queried = found && XQueryTree(_glfw.x11.display, handle, &root, parent, &children, &count);
    _glfwReleaseErrorHandlerX11();
    if (children)
        XFree(children);
    return found && queried && _glfw.x11.errorCode == Success;
}

static GLFWbool createContext(_GLFWwindow* window,
                              const _GLFWctxconfig* ctxconfig,
                              const _GLFWfbconfig* fbconfig)
{
    if (ctxconfig->source == GLFW_NATIVE_CONTEXT_API)
    {
        if (!_glfwInitGLX() || !_glfwCreateContextGLX(window, ctxconfig, fbconfig))
            return GLFW_FALSE;
    }
    else if (ctxconfig->source == GLFW_OSMESA_CONTEXT_API)
    {
        if (!_glfwInitOSMesa() || !_glfwCreateContextOSMesa(window, ctxconfig, fbconfig))
            return GLFW_FALSE;
    }
    else
    {
        // EGL picks its config without regard to the window's visual
        _glfwInputError(GLFW_API_UNAVAILABLE,
                        "X11: Attached windows support GLX and OSMesa contexts only");
        return GLFW_FALSE;
    }
    return _glfwRefreshContextAttribs(window, ctxconfig);
}

GLFWAPI GLFWwindow* glfwAttachNativeWindow(uintptr_t handle, GLFWwindow* share)
{
    _GLFWfbconfig fbconfig;
    _GLFWctxconfig ctxconfig;
    _GLFWwndconfig wndconfig;
    _GLFWwindow* window;
    XWindowAttributes attribs;
    Window parent = None;

    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);

    if (!_glfwPrepareAttachConfig((_GLFWwindow*) share, &fbconfig, &ctxconfig, &wndconfig))
        return NULL;

    if (!handle || !readAttributes((Window) handle, &attribs, &parent))
    {
        _glfwInputError(GLFW_INVALID_VALUE, "X11: Not a window: 0x%lx", (unsigned long) handle);
        return NULL;
    }

    window = _glfwNewAttachedRecord(&wndconfig, &fbconfig);
    window->x11.handle = (Window) handle;
    window->x11.parent = parent;
    window->x11.attached = GLFW_TRUE;
    window->x11.attachedVisual = XVisualIDFromVisual(attribs.visual);
    window->x11.width = attribs.width;
    window->x11.height = attribs.height;
    window->x11.xpos = attribs.x;
    window->x11.ypos = attribs.y;
    XSaveContext(_glfw.x11.display, window->x11.handle, _glfw.x11.context, (XPointer) window);

    // The window may go between the check above and here; then the context fails
    _glfwGrabErrorHandlerX11();
    XSelectInput(_glfw.x11.display, window->x11.handle, attribs.your_event_mask | ATTACHED_EVENT_MASK);
    _glfwReleaseErrorHandlerX11();

    window->x11.iconified = _glfwPlatformWindowIconified(window);
    window->x11.maximized = _glfwPlatformWindowMaximized(window);

    if (ctxconfig.client != GLFW_NO_API && !createContext(window, &ctxconfig, &fbconfig))
    {
        glfwDestroyWindow((GLFWwindow*) window);
        return NULL;
    }

    return (GLFWwindow*) window;
}
