#pragma once

#include "render/gl_entry_points.h"

#include <vector>

// Entry points only the tests use, to read GL state back.
struct GlReadBack {
    PFNGLGETPROGRAMIVPROC getProgramiv = nullptr;
    PFNGLGETUNIFORMFVPROC getUniformfv = nullptr;
    PFNGLGETBUFFERPARAMETERIVPROC getBufferParameteriv = nullptr;
    PFNGLGETBUFFERSUBDATAPROC getBufferSubData = nullptr;
    PFNGLGETVERTEXATTRIBIVPROC getVertexAttribiv = nullptr;
};

// Sets the process-wide scene up in the window's current context, draws one frame at
// `time` and returns it as RGB rows, bottom row first, before presenting it.
std::vector<unsigned char> drawSceneFrame(GLFWwindow* window, int width, int height, float time);

// A real OpenGL context for GL tests: an invisible GLFW window with the saver's context
// hints, current on this thread, with the program's entry points loaded.
class GlTestContext {
public:
    GlTestContext(int width = 256, int height = 256);
    ~GlTestContext();
    GlTestContext(const GlTestContext&) = delete;
    GlTestContext& operator=(const GlTestContext&) = delete;

    GLFWwindow* window() const { return window_; }
    int missingEntryPoints() const { return missingEntryPoints_; }
    const GlReadBack& readBack() const { return readBack_; }

private:
    GLFWwindow* window_ = nullptr;
    int missingEntryPoints_ = 0;
    GlReadBack readBack_;
};
