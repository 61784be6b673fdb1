#include "render/glfw_program.h"

#include "app/message_box.h"

#include <cstdlib>
#include <vector>

namespace {

void showCompileLog(GLuint shader) {
    GLint length = 0;
    gl.getShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<GLchar> log(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    GLsizei written = 0;
    gl.getShaderInfoLog(shader, length, &written, log.data());
    showMessageBox(log.data(), "Debug", MessageIcon::Information);
}

GLuint compileStage(GLenum stage, const MarkedTextBuffer& source, const char* failureMessage) {
    const GLuint shader = gl.createShader(stage);
    const GLchar* text = source.data();
    gl.shaderSource(shader, 1, &text, nullptr);
    gl.compileShader(shader);
    GLint status = 0;
    gl.getShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status == 0) {
        showCompileLog(shader);
        showMessageBox(failureMessage, "Debug", MessageIcon::Information);
        gl.deleteShader(shader);
        std::exit(0);
    }
    return shader;
}

}  // namespace

GLFWProgram::GLFWProgram(ResourceId vertexId, ResourceId fragmentId) {
    readMarkedTextResource(vertexId, vertexSource_);
    readMarkedTextResource(fragmentId, fragmentSource_);
    programId_ = gl.createProgram();
    vertexShader_ = compileStage(GL_VERTEX_SHADER, vertexSource_, "Vertex shader compilation error");
    fragmentShader_ = compileStage(GL_FRAGMENT_SHADER, fragmentSource_, "Fragment shader compilation error");
    gl.attachShader(programId_, vertexShader_);
    gl.attachShader(programId_, fragmentShader_);
    gl.linkProgram(programId_);
}

void GLFWProgram::use() const { gl.useProgram(programId_); }

GLint GLFWProgram::uniformLocation(std::string_view name) { return cachedLocation(name, gl.getUniformLocation); }

GLint GLFWProgram::attributeLocation(std::string_view name) { return cachedLocation(name, gl.getAttribLocation); }

GLint GLFWProgram::cachedLocation(std::string_view name, LocationQuery query) {
    const auto hit = locationCache_.find(name);
    if (hit != locationCache_.end()) return hit->second;
    std::string key(name);  // only on a miss: OpenGL wants a terminated name
    const GLint location = query(programId_, key.c_str());
    locationCache_.emplace(std::move(key), location);
    return location;
}
