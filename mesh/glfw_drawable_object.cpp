#include "mesh/glfw_drawable_object.h"

#include "render/camera.h"
#include "render/glfw_program_registry.h"

GLFWDrawableObject::GLFWDrawableObject(ShaderInputs* inputs, Camera* camera, GLFWProgramRegistry* registry,
                                       const char* programName, ResourceId objId, ResourceId mtlId, float scale)
    : inputs_(inputs),
      registry_(registry),
      mesh_(objId, mtlId, scale),
      buffers_(registry),
      camera_(camera),
      programName_(programName) {
    buffers_.setVertexData(mesh_.vertexDataBytes(), mesh_.vertices.data(), InterleavedMesh::kStride);
    buffers_.setIndexData(mesh_.indexDataBytes(), mesh_.indices.data(), mesh_.indexCount);
}

void GLFWDrawableObject::prepare() {
    bindAttributes();
    buffers_.upload();
}

void GLFWDrawableObject::draw() {
    registry_->useProgram(programName_);
    beginDraw();
    const Mat4 worldProjection = camera_->projectionMatrix() * camera_->viewMatrix();
    setUniform("model_world", model_);
    setUniform("world_projection", worldProjection);
    setUniform("model_projection", worldProjection * model_);
    setUniforms();
    buffers_.bindAndEnable();
    gl.drawElements(GL_TRIANGLES, buffers_.indexCount(), GL_UNSIGNED_INT, nullptr);
}

void GLFWDrawableObject::addAttribute(std::string_view name, std::int32_t components, std::int32_t offsetFloats) {
    buffers_.addAttribute(programName_, name, components, offsetFloats);
}

void GLFWDrawableObject::setUniform(std::string_view name, float value) {
    if (GLFWProgram* program = registry_->findProgram(programName_)) {
        gl.uniform1f(program->uniformLocation(name), value);
    }
}

void GLFWDrawableObject::setUniform(std::string_view name, const Mat4& value) {
    if (GLFWProgram* program = registry_->findProgram(programName_)) {
        gl.uniformMatrix4fv(program->uniformLocation(name), 1, GL_FALSE, value.data());
    }
}
