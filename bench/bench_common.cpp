#include "bench/bench_common.h"

#include <atomic>
#include <cstdlib>
#include <ctime>
#include <new>

namespace {
std::atomic<long> allocations{0};
}  // namespace

// Counts every allocation; the library's operator delete frees with free(), matching malloc.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size > 0 ? size : 1)) return p;
    throw std::bad_alloc();
}

long allocationCount() { return allocations.load(); }

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
