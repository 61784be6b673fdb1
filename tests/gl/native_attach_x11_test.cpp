// Wrapping an X window that another client owns: a context on the window's own visual,
// the owner keeping its input, the library noticing the window go, and the hand-back.
// gtest first: X11's macros (None, Status) would break its headers
#include <gtest/gtest.h>

#include "glfw_ext/native_attach.h"

#include "render/gl_entry_points.h"
#include "tests/support/galaxy_look.h"
#include "tests/support/gl_test_context.h"

#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3native.h>
#include <GL/glx.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <thread>
#include <vector>

namespace {

int lastError = GLFW_NO_ERROR;
void recordError(int code, const char*) { lastError = code; }

constexpr long kOwnerEvents = ButtonPressMask | ButtonReleaseMask | KeyPressMask | StructureNotifyMask;

// The other client: a top-level window with a 200 x 150 child, as a preview host has.
class Owner {
public:
    explicit Owner(std::optional<XVisualInfo> visual = std::nullopt) : display_(XOpenDisplay(nullptr)) {
        const Window root = DefaultRootWindow(display_);
        top_ = XCreateSimpleWindow(display_, root, 0, 0, 240, 190, 0, 0, 0);
        XSetWindowAttributes attributes{};
        unsigned long mask = CWEventMask;
        attributes.event_mask = kOwnerEvents;
        int depth = CopyFromParent;
        Visual* chosen = CopyFromParent;
        if (visual) {
            colormap_ = XCreateColormap(display_, root, visual->visual, AllocNone);
            attributes.colormap = colormap_;
            attributes.border_pixel = 0;
            mask |= CWColormap | CWBorderPixel;
            depth = visual->depth;
            chosen = visual->visual;
        }
        child_ = XCreateWindow(display_, top_, 20, 20, 200, 150, 0, depth, InputOutput, chosen, mask, &attributes);
        XMapWindow(display_, child_);
        XMapWindow(display_, top_);
        XSync(display_, False);
    }
    ~Owner() {
        XDestroyWindow(display_, top_);
        if (colormap_) XFreeColormap(display_, colormap_);
        XCloseDisplay(display_);
    }

    std::uintptr_t preview() const { return child_; }
    void destroyPreview() {
        XDestroyWindow(display_, child_);
        XSync(display_, False);
    }
    XWindowAttributes attributes() {
        XWindowAttributes a{};
        XGetWindowAttributes(display_, child_, &a);
        return a;
    }
    Display* display() const { return display_; }

private:
    Display* display_;
    Window top_ = 0;
    Window child_ = 0;
    Colormap colormap_ = 0;
};

class NativeAttach : public testing::Test {
protected:
    void SetUp() override {
        glfwSetErrorCallback(recordError);
        ASSERT_EQ(glfwInit(), GLFW_TRUE);
        lastError = GLFW_NO_ERROR;
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    }
    void TearDown() override { glfwTerminate(); }
};

// A double-buffered GL visual other than the default one and without a depth buffer,
// so that the library's own choice for its hints would be a different visual.
std::optional<XVisualInfo> otherGlVisual(Display* display) {
    const int wanted[] = {GLX_DRAWABLE_TYPE, GLX_WINDOW_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT, GLX_DOUBLEBUFFER, True,
                          GLX_X_VISUAL_TYPE, GLX_TRUE_COLOR, None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(display, DefaultScreen(display), wanted, &count);
    const VisualID standard = XVisualIDFromVisual(DefaultVisual(display, DefaultScreen(display)));
    std::optional<XVisualInfo> result;
    for (int i = 0; i < count && !result; ++i) {
        int depthBits = -1;
        glXGetFBConfigAttrib(display, configs[i], GLX_DEPTH_SIZE, &depthBits);
        XVisualInfo* info = glXGetVisualFromFBConfig(display, configs[i]);
        if (info != nullptr && depthBits == 0 && info->visualid != standard) result = *info;
        if (info != nullptr) XFree(info);
    }
    if (configs != nullptr) XFree(configs);
    return result;
}


TEST_F(NativeAttach, DrawsIntoAnotherClientsWindowAndHandsItBack) {
    Owner owner;
    GLFWwindow* window = glfwAttachNativeWindow(owner.preview(), nullptr);
    ASSERT_NE(window, nullptr) << "error " << lastError;
    EXPECT_EQ(glfwGetX11Window(window), owner.preview());
    EXPECT_EQ(owner.attributes().your_event_mask, kOwnerEvents) << "the owner lost its own events";
    EXPECT_NE(owner.attributes().all_event_masks & ExposureMask, 0) << "we do not follow the window";
    int width = 0, height = 0;
    glfwGetWindowSize(window, &width, &height);
    EXPECT_EQ(width, 200);
    EXPECT_EQ(height, 150);

    const auto rgb = drawSceneFrame(window, 200, 150, 10.0f);
    EXPECT_EQ(galaxyProblem(200, 150,
                            [&](int x, int y) {
                                const std::size_t at = (static_cast<std::size_t>(149 - y) * 200 + x) * 3;
                                return PixelRgb{rgb[at], rgb[at + 1], rgb[at + 2]};  // GL rows go up
                            }),
              "");

    glfwDestroyWindow(window);
    const XWindowAttributes after = owner.attributes();
    EXPECT_EQ(after.map_state, IsViewable) << "the window was not handed back mapped";
    EXPECT_EQ(after.width, 200);
    EXPECT_EQ(after.all_event_masks, kOwnerEvents) << "we still select events on it";
}

TEST_F(NativeAttach, UsesTheWindowsOwnVisual) {
    Owner probe;
    const auto visual = otherGlVisual(probe.display());
    if (!visual) GTEST_SKIP() << "the display has no second double-buffered visual";
    Owner owner(visual);
    GLFWwindow* window = glfwAttachNativeWindow(owner.preview(), nullptr);
    ASSERT_NE(window, nullptr) << "error " << lastError;
    glfwMakeContextCurrent(window);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char pixel[4] = {};
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 255);
    EXPECT_EQ(pixel[1], 0);
    glfwSwapBuffers(window);
    XSync(glfwGetX11Display(), False);
    EXPECT_EQ(lastError, GLFW_NO_ERROR);
}

TEST_F(NativeAttach, OwnerDestroyingTheWindowAsksToClose) {
    Owner owner;
    GLFWwindow* window = glfwAttachNativeWindow(owner.preview(), nullptr);
    ASSERT_NE(window, nullptr) << "error " << lastError;
    owner.destroyPreview();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!glfwWindowShouldClose(window) && std::chrono::steady_clock::now() < deadline) {
        glfwPollEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(glfwWindowShouldClose(window), GLFW_TRUE);
    glfwDestroyWindow(window);  // of a window that is gone: nothing to hand back, no X error kills us
}

TEST_F(NativeAttach, RefusesIdsThatNameNoWindow) {
    std::uintptr_t gone = 0;
    {
        Owner owner;
        gone = owner.preview();
    }
    for (const std::uintptr_t id : {std::uintptr_t{0}, gone}) {
        lastError = GLFW_NO_ERROR;
        EXPECT_EQ(glfwAttachNativeWindow(id, nullptr), nullptr) << id;
        EXPECT_EQ(lastError, GLFW_INVALID_VALUE) << id;
    }
}

}  // namespace
