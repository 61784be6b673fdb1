#include "bench/bench_common.h"

#include <cstdlib>
#include <ctime>

double processCpuMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

GLFWwindow* openBenchWindow() {
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    GLFWwindow* window = glfwCreateWindow(kBenchWidth, kBenchHeight, "Orlinde bench", nullptr, nullptr);
    if (window == nullptr) std::exit(1);
    glfwMakeContextCurrent(window);
    return window;
}
