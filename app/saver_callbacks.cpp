#include "app/saver_callbacks.h"

#include "app/message_box.h"
#include "app/window_size.h"

#include <cstdlib>

void onLibraryError(int, const char* description) {
    showMessageBox(description, "Error", MessageIcon::Information);
}

void onWindowSize(GLFWwindow*, int width, int height) { windowSize.set(width, height); }

void onKey(GLFWwindow*, int, int, int, int) { std::exit(0); }

void onMouseButton(GLFWwindow*, int, int, int) { std::exit(0); }

void onCursorPos(GLFWwindow*, double, double) {}

void onScroll(GLFWwindow*, double, double) {}
