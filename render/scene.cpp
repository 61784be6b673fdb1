#include "render/scene.h"

#include "app/window_size.h"
#include "mesh/glfw_drawable_sky.h"
#include "render/camera.h"
#include "render/gl_entry_points.h"
#include "render/glfw_program_registry.h"
#include "render/glfw_texture.h"
#include "render/math.h"
#include "render/shader_inputs.h"

GLFWProgramRegistry* shaderProgramRegistry = nullptr;
ShaderInputs* shaderInputs = nullptr;
Camera* camera = nullptr;
GLFWTexture* noiseTexture = nullptr;
GLFWDrawableSky* skyDrawable = nullptr;

namespace {

constexpr const char* kGalaxyProgram = "BackgroundProgram";
constexpr ResourceId kGalaxyVertexText = 137;
constexpr ResourceId kGalaxyFragmentText = 136;
constexpr ResourceId kRectangleMesh = 141;
constexpr ResourceId kRectangleMaterial = 140;
constexpr ResourceId kNoiseBitmap = 207;
constexpr int kNoiseSize = 256;
constexpr int kViewSlot = 0;

}  // namespace

// The scene objects live until the process ends, so they are made with new and never freed.
void setupScene() {
    shaderProgramRegistry = new GLFWProgramRegistry();
    shaderInputs = new ShaderInputs(0.0f);
    camera = new Camera(0.0f, 0.0f, 100.0f);
    camera->pitch(1.0f);
    camera->updateView(kViewSlot);
    noiseTexture = new GLFWTexture(kNoiseBitmap, kNoiseSize);
    shaderProgramRegistry->addProgram(kGalaxyProgram, kGalaxyVertexText, kGalaxyFragmentText);
    skyDrawable = new GLFWDrawableSky(shaderInputs, camera, shaderProgramRegistry, kGalaxyProgram, kRectangleMesh,
                                      kRectangleMaterial, 1.0f);
    skyDrawable->prepare();
}

void drawFrame() {
    camera->setProjection(perspective(50.0f, windowSize.aspect(), 0.1f, 1000.0f));
    shaderInputs->setViewport(static_cast<float>(windowSize.width()), static_cast<float>(windowSize.height()));
    camera->setActiveView(kViewSlot);
    skyDrawable->setModelMatrix(translate(0.0f, 0.0f, -100.0f));
    gl.clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl.activeTexture(GL_TEXTURE0);
    gl.enable(GL_TEXTURE_2D);
    gl.bindTexture(GL_TEXTURE_2D, noiseTexture->textureId());
    gl.viewport(0, 0, windowSize.width(), windowSize.height());
    skyDrawable->draw();
}
