// internal.h first: it decides how the public header is included
#include "attach_common.h"
#include "native_attach.h"

// The library's own window procedure, as it registered it for its window class.
static WNDPROC libraryWindowProc(void)
{
    WNDCLASSEXW wc;
    ZeroMemory(&wc, sizeof(wc));
    wc.cbSize = sizeof(wc);
    if (!GetClassInfoExW(_glfw.win32.instance, _GLFW_WNDCLASSNAME, &wc))
        return NULL;
    return wc.lpfnWndProc;
}

static GLFWbool createContext(_GLFWwindow* window,
                              const _GLFWctxconfig* ctxconfig,
                              const _GLFWfbconfig* fbconfig)
{
    if (ctxconfig->source == GLFW_NATIVE_CONTEXT_API)
    {
        if (!_glfwInitWGL() || !_glfwCreateContextWGL(window, ctxconfig, fbconfig))
            return GLFW_FALSE;
    }
    else if (ctxconfig->source == GLFW_EGL_CONTEXT_API)
    {
        if (!_glfwInitEGL() || !_glfwCreateContextEGL(window, ctxconfig, fbconfig))
            return GLFW_FALSE;
    }
    else if (ctxconfig->source == GLFW_OSMESA_CONTEXT_API)
    {
        if (!_glfwInitOSMesa() || !_glfwCreateContextOSMesa(window, ctxconfig, fbconfig))
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
    HWND hwnd = (HWND) handle;
    LONG_PTR style, exStyle;

    _GLFW_REQUIRE_INIT_OR_RETURN(NULL);

    if (!_glfwPrepareAttachConfig((_GLFWwindow*) share, &fbconfig, &ctxconfig, &wndconfig))
        return NULL;

    // Without this, a null handle would give the screen's device context to draw on
    if (!IsWindow(hwnd))
    {
        _glfwInputError(GLFW_INVALID_VALUE, "Win32: Not a window: %p", (void*) hwnd);
        return NULL;
    }

    window = _glfwNewAttachedRecord(&wndconfig, &fbconfig);
    window->win32.handle = hwnd;
    SetPropW(hwnd, L"GLFW", window);

    // GetWindowLongPtrW/SetWindowLongPtrW with GWLP_WNDPROC are exactly
    // GetWindowLongW/SetWindowLongW with GWL_WNDPROC on 32-bit Windows. The procedure
    // of another process's window cannot be replaced (error 5): such a window is still
    // wrapped, delivers no messages to us, and has nothing to be given back.
    window->win32.attached = GLFW_TRUE;
    SetLastError(0);
    window->win32.previousWndProc =
        (WNDPROC) SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR) libraryWindowProc());

    style   = GetWindowLongPtrW(hwnd, GWL_STYLE);
    exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    window->resizable = (style & WS_THICKFRAME) ? GLFW_TRUE : GLFW_FALSE;
    window->decorated = (style & (WS_BORDER | WS_THICKFRAME)) ? GLFW_TRUE : GLFW_FALSE;
    window->floating  = (exStyle & WS_EX_TOPMOST) ? GLFW_TRUE : GLFW_FALSE;
    window->win32.maximized = IsZoomed(hwnd) ? GLFW_TRUE : GLFW_FALSE;
    window->win32.iconified = IsIconic(hwnd) ? GLFW_TRUE : GLFW_FALSE;
    _glfwPlatformGetWindowSize(window, &window->win32.width, &window->win32.height);

    if (ctxconfig.client != GLFW_NO_API && !createContext(window, &ctxconfig, &fbconfig))
    {
        glfwDestroyWindow((GLFWwindow*) window);
        return NULL;
    }

    return (GLFWwindow*) window;
}
