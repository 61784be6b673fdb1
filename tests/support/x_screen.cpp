#include "tests/support/x_screen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <functional>
#include <stdexcept>
#include <thread>

namespace {

// Windows come and go while a test looks at them; a vanished one is simply skipped.
int ignoreXError(Display*, XErrorEvent*) { return 0; }

std::string windowTitle(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &remaining,
                           &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name != nullptr) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

}  // namespace

XScreen::XScreen(const std::string& displayName) : display_(nullptr) {
    // A server that has just reported itself ready can still refuse for a moment.
    for (int attempt = 0; attempt < 50 && display_ == nullptr; ++attempt) {
        display_ = XOpenDisplay(displayName.c_str());
        if (display_ == nullptr) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (display_ == nullptr) throw std::runtime_error("cannot open display " + displayName);
    XSetErrorHandler(ignoreXError);
}

XScreen::~XScreen() { XCloseDisplay(display_); }

int XScreen::width() const { return DisplayWidth(display_, DefaultScreen(display_)); }

int XScreen::height() const { return DisplayHeight(display_, DefaultScreen(display_)); }

std::vector<ScreenWindow> XScreen::titledWindows() {
    std::vector<ScreenWindow> found;
    const Window root = DefaultRootWindow(display_);
    std::function<void(Window)> visit = [&](Window parent) {
        Window rootReturn = 0, parentReturn = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display_, parent, &rootReturn, &parentReturn, &children, &count)) return;
        for (unsigned int i = 0; i < count; ++i) {
            const Window child = children[i];
            XWindowAttributes attributes{};
            if (!XGetWindowAttributes(display_, child, &attributes)) continue;
            const std::string title = windowTitle(display_, child);
            if (!title.empty() && attributes.map_state == IsViewable) {
                int x = 0, y = 0;
                Window unused = 0;
                XTranslateCoordinates(display_, child, root, 0, 0, &x, &y, &unused);
                found.push_back({child, title, x, y, attributes.width, attributes.height, true});
            }
            visit(child);
        }
        if (children != nullptr) XFree(children);
    };
    visit(root);
    return found;
}

std::vector<unsigned long> XScreen::shownTopLevelWindows() {
    std::vector<unsigned long> shown;
    Window rootReturn = 0, parentReturn = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &rootReturn, &parentReturn, &children, &count)) return shown;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display_, children[i], &attributes) && attributes.map_state == IsViewable &&
            (attributes.width > 1 || attributes.height > 1)) {
            shown.push_back(children[i]);
        }
    }
    if (children != nullptr) XFree(children);
    return shown;
}

std::optional<ScreenWindow> XScreen::waitForWindow(const std::string& title, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        for (const auto& window : titledWindows()) {
            if (window.title == title) return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

ScreenImage XScreen::capture() {
    XSync(display_, False);
    ScreenImage image;
    image.width = width();
    image.height = height();
    XImage* shot = XGetImage(display_, DefaultRootWindow(display_), 0, 0, image.width, image.height, AllPlanes,
                             ZPixmap);
    if (shot == nullptr) throw std::runtime_error("cannot read the screen");
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const unsigned long p = XGetPixel(shot, x, y);
            image.pixels[static_cast<std::size_t>(y) * image.width + x] =
                Rgb{static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
        }
    }
    XDestroyImage(shot);
    return image;
}

void XScreen::moveMouse(int x, int y) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    sync();
}

void XScreen::pressAndReleaseButton(int button) {
    XTestFakeButtonEvent(display_, static_cast<unsigned>(button), True, CurrentTime);
    XTestFakeButtonEvent(display_, static_cast<unsigned>(button), False, CurrentTime);
    sync();
}

void XScreen::pressAndReleaseKey(const char* keySymName) {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keySymName));
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    sync();
}

void XScreen::sync() { XSync(display_, False); }

void XScreen::requestClose(unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    sync();
}
