#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // rows top to bottom
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct ScreenWindow {
    unsigned long id = 0;
    std::string title;
    int x = 0, y = 0, width = 0, height = 0;  // root coordinates
    bool mapped = false;
};

// A test's own connection to an X display: what is on it, and input sent through XTest.
class XScreen {
public:
    explicit XScreen(const std::string& displayName);
    ~XScreen();
    XScreen(const XScreen&) = delete;
    XScreen& operator=(const XScreen&) = delete;

    int width() const;
    int height() const;

    // Mapped windows anywhere in the tree that carry a title (WM_NAME or _NET_WM_NAME).
    std::vector<ScreenWindow> titledWindows();
    // Top-level windows that are shown, titled or not, leaving out the 1 x 1 ones that
    // Wine keeps mapped off screen for its own use.
    std::vector<unsigned long> shownTopLevelWindows();
    std::optional<ScreenWindow> waitForWindow(const std::string& title, std::chrono::milliseconds timeout);

    ScreenImage capture();

    void moveMouse(int x, int y);
    void pressAndReleaseButton(int button);  // 1..3; 4 and 5 turn the wheel
    void pressAndReleaseKey(const char* keySymName);  // "Escape", "a", ...
    void sync();

    // What a window manager sends when the user closes a window: a WM_DELETE_WINDOW
    // ClientMessage (there is no window manager on the test displays).
    void requestClose(unsigned long window);

private:
    _XDisplay* display_;
};
