#include "attach_common.h"

#include <stdlib.h>

GLFWbool _glfwPrepareAttachConfig(_GLFWwindow* share, _GLFWfbconfig* fbconfig,
                                  _GLFWctxconfig* ctxconfig, _GLFWwndconfig* wndconfig)
{
    *fbconfig  = _glfw.hints.framebuffer;
    *ctxconfig = _glfw.hints.context;
    *wndconfig = _glfw.hints.window;
    ctxconfig->share = share;

    if (share &&
        (ctxconfig->client == GLFW_NO_API || share->context.client == GLFW_NO_API))
    {
        _glfwInputError(GLFW_NO_WINDOW_CONTEXT, NULL);
        return GLFW_FALSE;
    }

    return _glfwIsValidContextConfig(ctxconfig);
}

_GLFWwindow* _glfwNewAttachedRecord(const _GLFWwndconfig* wndconfig, const _GLFWfbconfig* fbconfig)
{
    _GLFWwindow* window = calloc(1, sizeof(_GLFWwindow));
    window->next = _glfw.windowListHead;
    _glfw.windowListHead = window;

    window->autoIconify  = wndconfig->autoIconify;
    window->cursorMode   = GLFW_CURSOR_NORMAL;
    window->doublebuffer = fbconfig->doublebuffer;

    window->minwidth  = GLFW_DONT_CARE;
    window->minheight = GLFW_DONT_CARE;
    window->maxwidth  = GLFW_DONT_CARE;
    window->maxheight = GLFW_DONT_CARE;
    window->numer     = GLFW_DONT_CARE;
    window->denom     = GLFW_DONT_CARE;
    return window;
}
