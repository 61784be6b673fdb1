#include "tests/support/gl_test_context.h"

#include "app/window_size.h"
#include "render/gl_entry_points.h"
#include "render/scene.h"
#include "render/shader_inputs.h"

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

std::vector<unsigned char> drawSceneFrame(GLFWwindow* window, int width, int height, float time) {
    glfwMakeContextCurrent(window);
    loadGlEntryPoints();
    windowSize.set(width, height);
    setupScene();
    shaderInputs->setTime(time);
    drawFrame();
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    glfwSwapBuffers(window);
    return rgb;
}
