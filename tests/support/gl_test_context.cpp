#include "tests/support/gl_test_context.h"

#include "render/gl_entry_points.h"

#include <stdexcept>
#include <type_traits>

GlTestContext::GlTestContext(int width, int height) {
    if (glfwInit() == GLFW_FALSE) throw std::runtime_error("glfwInit failed");
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    window_ = glfwCreateWindow(width, height, "GL test", nullptr, nullptr);
    if (window_ == nullptr) {
        glfwTerminate();
        throw std::runtime_error("no GL window");
    }
    glfwMakeContextCurrent(window_);
    missingEntryPoints_ = loadGlEntryPoints();
    const auto load = [](auto& slot, const char* name) {
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(glfwGetProcAddress(name));
    };
    load(readBack_.getProgramiv, "glGetProgramiv");
    load(readBack_.getUniformfv, "glGetUniformfv");
    load(readBack_.getBufferParameteriv, "glGetBufferParameteriv");
    load(readBack_.getBufferSubData, "glGetBufferSubData");
    load(readBack_.getVertexAttribiv, "glGetVertexAttribiv");
}

GlTestContext::~GlTestContext() {
    glfwDestroyWindow(window_);
    glfwTerminate();
}
