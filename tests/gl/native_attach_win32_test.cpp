// Wrapping a native window of our own process with a library window: the flags read
// from its styles, the routing of its messages, the hand-back, the failures, and a real
// context drawing into it.
#include "glfw_ext/native_attach.h"

#include "render/gl_entry_points.h"
#include "tests/support/galaxy_look.h"
#include "tests/support/gl_test_context.h"

#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

int hostMessages = 0;
int lastError = GLFW_NO_ERROR;

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++hostMessages;
    return DefWindowProcW(window, message, wParam, lParam);
}

void recordError(int code, const char*) { lastError = code; }

const wchar_t* hostClass() {
    static const wchar_t* name = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = hostProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"OrlindeAttachTestHost";
        RegisterClassExW(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

std::uintptr_t handleOf(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

WNDPROC procOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

// A native window as a host would make it; destroyed with the fixture.
class NativeAttach : public testing::Test {
protected:
    void SetUp() override {
        glfwSetErrorCallback(recordError);
        ASSERT_EQ(glfwInit(), GLFW_TRUE);
        lastError = GLFW_NO_ERROR;
        parent_ = makeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 320, 240);
    }
    void TearDown() override {
        glfwTerminate();
        for (HWND window : made_) DestroyWindow(window);
    }

    HWND makeWindow(DWORD style, DWORD exStyle, HWND parent, int width = 200, int height = 150) {
        HWND window = CreateWindowExW(exStyle, hostClass(), L"host", style, 0, 0, width, height, parent, nullptr,
                                      GetModuleHandleW(nullptr), nullptr);
        made_.push_back(window);
        return window;
    }
    HWND child() { return makeWindow(WS_CHILD | WS_VISIBLE, 0, parent_); }

    static void noContext() { glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API); }

    // The native window is alive and as it was before it was wrapped.
    static void expectHandedBack(HWND window) {
        EXPECT_TRUE(IsWindow(window));
        EXPECT_EQ(procOf(window), hostProc);
        EXPECT_EQ(GetPropW(window, L"GLFW"), nullptr);
    }

    HWND parent_ = nullptr;

private:
    std::vector<HWND> made_;
};

struct StyleCase {
    const char* name;
    DWORD style;
    DWORD exStyle;
    bool resizable, decorated, floating;
};

class AttachFlags : public NativeAttach, public testing::WithParamInterface<StyleCase> {};

TEST_P(AttachFlags, ComeFromTheNativeStyles) {
    const StyleCase& c = GetParam();
    const bool isChild = (c.style & WS_CHILD) != 0;
    HWND native = makeWindow(c.style, c.exStyle, isChild ? parent_ : nullptr);
    noContext();
    glfwWindowHint(GLFW_RESIZABLE, GLFW_TRUE);  // hints play no part
    glfwWindowHint(GLFW_DECORATED, GLFW_TRUE);
    glfwWindowHint(GLFW_FLOATING, GLFW_TRUE);
    GLFWwindow* window = glfwAttachNativeWindow(handleOf(native), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_RESIZABLE), c.resizable);
    EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_DECORATED), c.decorated);
    EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_FLOATING), c.floating);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, AttachFlags,
    testing::Values(StyleCase{"PlainChild", WS_CHILD | WS_VISIBLE, 0, false, false, false},
                    StyleCase{"BorderOnly", WS_POPUP | WS_BORDER | WS_VISIBLE, 0, false, true, false},
                    StyleCase{"ThickFrame", WS_POPUP | WS_THICKFRAME | WS_VISIBLE, 0, true, true, false},
                    StyleCase{"Topmost", WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST, false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NativeAttach, MinimisedAndMaximisedWindowsSetTheirFlags) {
    HWND minimised = makeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr);
    HWND maximised = makeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr);
    ShowWindow(minimised, SW_MINIMIZE);
    ShowWindow(maximised, SW_MAXIMIZE);
    noContext();
    GLFWwindow* iconified = glfwAttachNativeWindow(handleOf(minimised), nullptr);
    GLFWwindow* zoomed = glfwAttachNativeWindow(handleOf(maximised), nullptr);
    ASSERT_NE(iconified, nullptr);
    ASSERT_NE(zoomed, nullptr);
    EXPECT_EQ(glfwGetWindowAttrib(iconified, GLFW_ICONIFIED), GLFW_TRUE);
    EXPECT_EQ(glfwGetWindowAttrib(iconified, GLFW_MAXIMIZED), GLFW_FALSE);
    EXPECT_EQ(glfwGetWindowAttrib(zoomed, GLFW_MAXIMIZED), GLFW_TRUE);
    EXPECT_EQ(glfwGetWindowAttrib(zoomed, GLFW_ICONIFIED), GLFW_FALSE);
}

TEST_F(NativeAttach, RoutesMessagesThroughTheLibraryUntilDestroyed) {
    HWND native = child();
    noContext();
    GLFWwindow* window = glfwAttachNativeWindow(handleOf(native), nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(glfwGetWin32Window(window), native);
    EXPECT_EQ(GetPropW(native, L"GLFW"), static_cast<void*>(window));
    EXPECT_NE(procOf(native), hostProc);

    hostMessages = 0;
    SendMessageW(native, WM_CLOSE, 0, 0);
    EXPECT_EQ(glfwWindowShouldClose(window), GLFW_TRUE) << "the close message did not reach the library";
    EXPECT_TRUE(IsWindow(native)) << "a close request destroyed the native window";
    EXPECT_EQ(hostMessages, 0) << "the host's own procedure still gets messages";

    glfwDestroyWindow(window);
    expectHandedBack(native);
    SendMessageW(native, WM_NULL, 0, 0);
    EXPECT_GT(hostMessages, 0);
}

TEST_F(NativeAttach, TerminateHandsAttachedWindowsBackAndDestroysCreatedOnes) {
    HWND native = child();
    noContext();
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* created = glfwCreateWindow(64, 64, "created", nullptr, nullptr);
    ASSERT_NE(created, nullptr);
    HWND createdNative = glfwGetWin32Window(created);
    ASSERT_NE(glfwAttachNativeWindow(handleOf(native), nullptr), nullptr);

    glfwTerminate();
    expectHandedBack(native);
    EXPECT_FALSE(IsWindow(createdNative)) << "a window the library made outlived it";
}

TEST_F(NativeAttach, ContextFailureHandsTheWindowBack) {
    HWND native = child();
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 99);
    EXPECT_EQ(glfwAttachNativeWindow(handleOf(native), nullptr), nullptr);
    EXPECT_NE(lastError, GLFW_NO_ERROR);
    expectHandedBack(native);
}

struct BadAttach {
    const char* name;
    int error;
};

class AttachRefused : public NativeAttach, public testing::WithParamInterface<BadAttach> {};

TEST_P(AttachRefused, ReportsAndReturnsNull) {
    const std::string name = GetParam().name;
    std::uintptr_t handle = 0;
    GLFWwindow* share = nullptr;
    if (name == "Destroyed") {
        HWND gone = CreateWindowExW(0, hostClass(), L"gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
        DestroyWindow(gone);
        handle = handleOf(gone);
    } else if (name == "ShareWithoutContext") {
        noContext();
        glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
        share = glfwCreateWindow(16, 16, "no context", nullptr, nullptr);
        ASSERT_NE(share, nullptr);
        glfwDefaultWindowHints();
        handle = handleOf(child());
    }
    EXPECT_EQ(glfwAttachNativeWindow(handle, share), nullptr);
    EXPECT_EQ(lastError, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Inputs, AttachRefused,
                         testing::Values(BadAttach{"Null", GLFW_INVALID_VALUE},
                                         BadAttach{"Destroyed", GLFW_INVALID_VALUE},
                                         BadAttach{"ShareWithoutContext", GLFW_NO_WINDOW_CONTEXT}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NativeAttachUninitialised, ReportsNotInitialized) {
    glfwSetErrorCallback(recordError);
    lastError = GLFW_NO_ERROR;
    EXPECT_EQ(glfwAttachNativeWindow(1, nullptr), nullptr);
    EXPECT_EQ(lastError, GLFW_NOT_INITIALIZED);
}

// The picture, in-process: the saver's context hints, its scene, one frame read back.
TEST_F(NativeAttach, DrawsTheGalaxyIntoTheWrappedWindow) {
    HWND native = child();
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWwindow* window = glfwAttachNativeWindow(handleOf(native), nullptr);
    ASSERT_NE(window, nullptr) << "error " << lastError;
    glfwMakeContextCurrent(window);
    int width = 0, height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    ASSERT_EQ(width, 200);
    ASSERT_EQ(height, 150);

    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char cleared[4] = {};
    glReadPixels(100, 75, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, cleared);
    EXPECT_EQ(cleared[0], 255) << "the context does not draw into the wrapped window";
    EXPECT_EQ(cleared[1], 0);

    const auto rgb = drawSceneFrame(window, width, height, 10.0f);

    EXPECT_EQ(galaxyProblem(width, height,
                            [&](int x, int y) {
                                const std::size_t at = (static_cast<std::size_t>(height - 1 - y) * width + x) * 3;
                                return PixelRgb{rgb[at], rgb[at + 1], rgb[at + 2]};  // GL rows go up
                            }),
              "");
    glfwDestroyWindow(window);
    expectHandedBack(native);
}

}  // namespace
