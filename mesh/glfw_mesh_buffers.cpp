#include "mesh/glfw_mesh_buffers.h"

#include "render/glfw_program_registry.h"

#include <cstdint>

GLFWMeshBuffers::GLFWMeshBuffers(GLFWProgramRegistry* registry) : registry_(registry) {
    gl.genBuffers(1, &vertexBuffer_);
    gl.genBuffers(1, &indexBuffer_);
}

void GLFWMeshBuffers::setVertexData(std::int32_t bytes, const float* data, std::int32_t strideFloats) {
    vertexDataBytes_ = bytes;
    vertexData_ = data;
    strideFloats_ = strideFloats;
}

void GLFWMeshBuffers::setIndexData(std::int32_t bytes, const std::uint32_t* data, std::int32_t count) {
    indexDataBytes_ = bytes;
    indexData_ = data;
    indexCount_ = count;
}

void GLFWMeshBuffers::addAttribute(std::string_view programName, std::string_view attributeName,
                                   std::int32_t components, std::int32_t offsetFloats) {
    if (attributes_.find(attributeName) != attributes_.end()) return;
    GLFWProgram* program = registry_->findProgram(programName);
    const GLint location = program != nullptr ? program->attributeLocation(attributeName) : -1;
    attributes_.emplace(std::string(attributeName), Attribute{location, components, offsetFloats});
}

void GLFWMeshBuffers::bind() const {
    gl.bindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
    gl.bindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
}

void GLFWMeshBuffers::enableAttributes() const {
    const GLsizei strideBytes = strideFloats_ * 4;
    for (const auto& [name, attribute] : attributes_) {
        // An attribute the program does not use has nothing to point at.
        if (attribute.location < 0) continue;
        const auto location = static_cast<GLuint>(attribute.location);
        gl.enableVertexAttribArray(location);
        const auto byteOffset = static_cast<std::uintptr_t>(attribute.offsetFloats) * 4;
        gl.vertexAttribPointer(location, attribute.components, GL_FLOAT, GL_FALSE, strideBytes,
                               reinterpret_cast<const void*>(byteOffset));
    }
}

void GLFWMeshBuffers::bindAndEnable() const {
    bind();
    enableAttributes();
}

void GLFWMeshBuffers::upload() const {
    bindAndEnable();
    gl.bufferData(GL_ARRAY_BUFFER, vertexDataBytes_, vertexData_, GL_STATIC_DRAW);
    gl.bufferData(GL_ELEMENT_ARRAY_BUFFER, indexDataBytes_, indexData_, GL_STATIC_DRAW);
}
