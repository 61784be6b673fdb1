#pragma once

#include "tests/support/allocation_counter.h"

#include <GLFW/glfw3.h>

#include <chrono>

// What both bench subjects report: time to the first presented frame, and over a run of
// frames with the swap interval at 0 the CPU time and the allocations per frame.
struct BenchFigures {
    double firstFrameMs = 0;
    double cpuUsPerFrame = 0;
    double wallUsPerFrame = 0;
    double allocationsPerFrame = 0;
};

constexpr int kBenchWidth = 640;
constexpr int kBenchHeight = 480;
constexpr int kBenchFrames = 300;

// The process's CPU time (all threads, the GL driver's included), in microseconds.
double processCpuMicroseconds();

// A visible 640 x 480 window with the saver's context hints, current.
GLFWwindow* openBenchWindow();

// Draws kBenchFrames frames with `drawOne` at swap interval 0 and fills the per-frame figures.
template <typename DrawOne>
void measureFrames(GLFWwindow* window, BenchFigures& figures, DrawOne drawOne) {
    glfwSwapInterval(0);
    drawOne(0.0f);  // settle caches before measuring
    glfwSwapBuffers(window);
    const long allocationsBefore = allocationsSoFar();
    const double cpuBefore = processCpuMicroseconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    for (int frame = 1; frame <= kBenchFrames; ++frame) {
        drawOne(static_cast<float>(frame) / 60.0f);
        glfwSwapBuffers(window);
        glfwPollEvents();
    }
    const std::chrono::duration<double, std::micro> wall = std::chrono::steady_clock::now() - wallBefore;
    figures.cpuUsPerFrame = (processCpuMicroseconds() - cpuBefore) / kBenchFrames;
    figures.wallUsPerFrame = wall.count() / kBenchFrames;
    figures.allocationsPerFrame = static_cast<double>(allocationsSoFar() - allocationsBefore) / kBenchFrames;
}
