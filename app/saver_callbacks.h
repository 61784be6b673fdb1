#pragma once

struct GLFWwindow;

// The windowing library's callbacks. They run inside glfwPollEvents on the one thread.

// Shows the library's description in an "Error" box; the program goes on.
void onLibraryError(int code, const char* description);
// Takes the new window size into windowSize; the next frame draws with it.
void onWindowSize(GLFWwindow* window, int width, int height);
// Any key event (press, repeat or release) ends the process with status 0.
void onKey(GLFWwindow* window, int key, int scanCode, int action, int modifiers);
// Any button press or release ends the process with status 0.
void onMouseButton(GLFWwindow* window, int button, int action, int modifiers);
// Moving the mouse and turning the wheel leave the saver running.
void onCursorPos(GLFWwindow* window, double x, double y);
void onScroll(GLFWwindow* window, double xOffset, double yOffset);
