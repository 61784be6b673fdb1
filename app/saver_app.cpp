#include "app/saver_app.h"

#include "app/display_errors.h"
#include "app/host_window.h"
#include "app/message_box.h"
#include "app/os_version.h"
#include "app/saver_callbacks.h"
#include "app/saver_icon.h"
#include "app/window_size.h"
#include "glfw_ext/native_attach.h"
#include "render/gl_entry_points.h"
#include "render/scene.h"
#include "render/shader_inputs.h"

#include <GLFW/glfw3.h>

#include <cstdlib>
#include <optional>

SaverApp* saverApp = nullptr;

namespace {

std::optional<PixelSize> primaryMonitorMode() {
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode* mode = monitor != nullptr ? glfwGetVideoMode(monitor) : nullptr;
    if (mode == nullptr) return std::nullopt;
    return PixelSize{mode->width, mode->height};
}

}  // namespace

SaverApp::SaverApp(LaunchOptions* launchOptions) : options(launchOptions) {
    startLibrary();
    chooseWindowSize();
    openWindow();
    setFixedGlState();
}

void SaverApp::startLibrary() {
    glfwSetErrorCallback(onLibraryError);  // first, so that glfwInit's own errors are shown
    installDisplayErrorHandler();
    if (glfwInit() == GLFW_FALSE) {
        showMessageBox("Failed to initialize GLFW", "Debug", MessageIcon::Information);
    }
}

void SaverApp::chooseWindowSize() {
    const bool preview = options->mode == LaunchMode::Preview;
    const int version = osVersionNumber();
    const PixelSize host = preview ? hostClientSize(options->parentWindow) : PixelSize{};
    const auto monitor = !preview && version >= kFirstVersionAtMonitorMode ? primaryMonitorMode() : std::nullopt;
    const PixelSize size = chooseDrawingSize(options->mode, version, host, monitor);
    windowSize.set(size.width, size.height);
}

void SaverApp::openWindow() {
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    glfwWindowHint(GLFW_SAMPLES, 0);
    glfwWindowHint(GLFW_STEREO, 0);

    if (options->mode == LaunchMode::Preview) {
        // The host's window becomes the saver window; none of our own is made.
        window = glfwAttachNativeWindow(hostWindowHandle(options->parentWindow), nullptr);
    } else {
        window = glfwCreateWindow(windowSize.width(), windowSize.height(), "Orlinde Screensaver",
                                  glfwGetPrimaryMonitor(), nullptr);
    }
    if (window == nullptr) {
        showMessageBox("Failed to open window", "Debug", MessageIcon::Information);
        glfwTerminate();
        std::exit(0);
    }

    glfwSetWindowSizeCallback(window, onWindowSize);
    glfwSetKeyCallback(window, onKey);
    glfwSetMouseButtonCallback(window, onMouseButton);
    glfwSetCursorPosCallback(window, onCursorPos);
    glfwSetScrollCallback(window, onScroll);
    glfwMakeContextCurrent(window);
    setWindowIcon(window);
    loadGlEntryPoints();
}

void SaverApp::setFixedGlState() {
    gl.cullFace(GL_BACK);
    gl.frontFace(GL_CW);
    gl.disable(GL_MULTISAMPLE);
    gl.disable(GL_LINE_SMOOTH);
    gl.disable(GL_POLYGON_SMOOTH);
    setVerticalSync(true);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
}

void SaverApp::setVerticalSync(bool enabled) { glfwSwapInterval(enabled ? 1 : 0); }

void SaverApp::setWindowIcon(GLFWwindow* target) {
    IconPixels rows = iconRowsFromColumns(saverIconColumns);
    const GLFWimage image{kSaverIconSide, kSaverIconSide, rows.data()};
    glfwSetWindowIcon(target, 1, &image);
}

void SaverApp::run() {
    setupScene();
    bool running = true;
    do {
        frame();
        glfwSwapBuffers(window);
        glfwPollEvents();  // key and button handlers may end the process in here
        running = running && glfwGetKey(window, GLFW_KEY_ESCAPE) == GLFW_RELEASE;
        running = running && !glfwWindowShouldClose(window);
        if (options->mode == LaunchMode::Preview && !hostWindowEnabled(options->parentWindow)) break;
    } while (running);
    if (options->mode == LaunchMode::Preview) handBackHostWindow();
}

// The host's window outlives us: it gets its own window procedure back and loses what
// we put on it (the library's property, our icons, our cursor), as if never wrapped.
void SaverApp::handBackHostWindow() {
    glfwDestroyWindow(window);
    window = nullptr;
}

void SaverApp::frame() {
    const auto t = static_cast<float>(glfwGetTime());
    shaderInputs->setTime(t);
    drawFrame();
}
