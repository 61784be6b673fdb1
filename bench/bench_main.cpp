// One bench subject per run: "scene" (the saver's own objects and frame) or "raw" (the same
// shader on one quad with plain GL calls). scripts/bench runs both and compares them.
#include "bench/bench_common.h"
#include "bench/raw_galaxy.h"

#include "app/window_size.h"
#include "render/gl_entry_points.h"
#include "render/scene.h"
#include "render/shader_inputs.h"

#include <cstdio>
#include <cstring>

namespace {

BenchFigures benchScene() {
    BenchFigures figures;
    const auto start = std::chrono::steady_clock::now();
    glfwInit();
    GLFWwindow* window = openBenchWindow();
    loadGlEntryPoints();
    windowSize.set(kBenchWidth, kBenchHeight);
    setupScene();
    shaderInputs->setTime(static_cast<float>(glfwGetTime()));
    drawFrame();
    glfwSwapBuffers(window);
    figures.firstFrameMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    measureFrames(window, figures, [](float t) {
        shaderInputs->setTime(t);
        drawFrame();
    });
    return figures;
}

BenchFigures benchRaw() {
    BenchFigures figures;
    const auto start = std::chrono::steady_clock::now();
    glfwInit();
    GLFWwindow* window = openBenchWindow();
    RawGalaxy galaxy;
    galaxy.draw(static_cast<float>(glfwGetTime()), kBenchWidth, kBenchHeight);
    glfwSwapBuffers(window);
    figures.firstFrameMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    measureFrames(window, figures, [&](float t) { galaxy.draw(t, kBenchWidth, kBenchHeight); });
    return figures;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || (std::strcmp(argv[1], "scene") != 0 && std::strcmp(argv[1], "raw") != 0)) {
        std::fprintf(stderr, "usage: orlinde_bench scene|raw\n");
        return 2;
    }
    const BenchFigures f = std::strcmp(argv[1], "scene") == 0 ? benchScene() : benchRaw();
    // One line for scripts/bench; the scene's mesh loader writes its progress lines too.
    std::printf("\nfigures %.3f %.3f %.3f %.3f\n", f.firstFrameMs, f.cpuUsPerFrame, f.wallUsPerFrame,
                f.allocationsPerFrame);
    return 0;
}
