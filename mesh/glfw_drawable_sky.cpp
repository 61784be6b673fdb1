#include "mesh/glfw_drawable_sky.h"

#include "render/shader_inputs.h"

void GLFWDrawableSky::bindAttributes() {
    addAttribute("position", 3, InterleavedMesh::kPositionOffset);
    addAttribute("position_tex", 2, InterleavedMesh::kTexCoordOffset);
    addAttribute("position_normal", 3, InterleavedMesh::kNormalOffset);
}

void GLFWDrawableSky::setUniforms() {
    setUniform("iTime", inputs_->time());
    setUniform("viewportWidth", inputs_->viewportWidth());
    setUniform("viewportHeight", inputs_->viewportHeight());
}
