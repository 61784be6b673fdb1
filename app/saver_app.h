#pragma once

#include "app/launch_options.h"

struct GLFWwindow;

// The full-screen and preview runs: the windowing library, the saver window with its
// OpenGL context, and the main loop. Built once, never destroyed.
class SaverApp {
public:
    // Starts the library, chooses the drawing size, opens (or, for a preview, wraps) the
    // window and sets the fixed GL state. Returns only with a usable window: when none
    // can be had it shows "Failed to open window" and ends the process with status 0.
    explicit SaverApp(LaunchOptions* options);

    // Sets the scene up, then draws, presents and polls until Escape, a close request or,
    // in a preview, the host disabling its window, which is then handed back. Keys and
    // buttons end the process from inside the event poll.
    void run();
    // One frame: the time since the library started, handed to the scene, then drawn.
    void frame();

    void setVerticalSync(bool enabled);
    void setWindowIcon(GLFWwindow* target);

    GLFWwindow* window = nullptr;
    LaunchOptions* options;

private:
    void startLibrary();
    void chooseWindowSize();
    void openWindow();
    void setFixedGlState();
    void handBackHostWindow();
};

// The process's saver; set by the entry, never freed.
extern SaverApp* saverApp;
