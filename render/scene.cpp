#include "render/scene.h"

#include "render/gl_entry_points.h"
#include "render/shader_inputs.h"

ShaderInputs* shaderInputs = nullptr;

void setupScene() { shaderInputs = new ShaderInputs(0.0f); }

void drawFrame() { gl.clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
